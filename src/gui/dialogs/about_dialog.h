#pragma once
// The about dialog (template 4025): product, version, build and rights notice of the program,
// labels and title from the catalogue, the about picture and the program icon.

#include <QDialog>

class AboutDialog : public QDialog {
    Q_OBJECT

public:
    static constexpr int kPictureControl = 4034;
    static constexpr int kProductLabel = 4035;
    static constexpr int kVersionLabel = 4036;
    static constexpr int kBuildLabel = 4037;
    static constexpr int kProductField = 4038;
    static constexpr int kVersionField = 4039;
    static constexpr int kBuildField = 4040;
    static constexpr int kRightsField = 4041;
    static constexpr int kIconControl = 4043;

    explicit AboutDialog(QWidget* parent = nullptr);
};
