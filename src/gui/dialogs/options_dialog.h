#pragma once
// The Options dialog: another tool directory for the current run, typed or chosen with the
// folder picker. OK takes the edit's text over, made absolute, and refuses (naming it, the
// dialog staying open) a path where something other than a directory stands; the caller reads
// toolDirectory(). The check box and the column list are shown but read by no one, and nothing
// is written to the settings.

#include <QDialog>
#include <string>

class QLineEdit;
class QTreeWidget;

class COptionsDlg : public QDialog {
    Q_OBJECT

public:
    static constexpr int kDirectoryLabel = 1089;
    static constexpr int kDirectoryEdit = 1090;
    static constexpr int kBrowseButton = 1091;
    static constexpr int kInconsistenciesCheck = 1092;
    static constexpr int kColumnListPlaceholder = 1093;

    // The edit starts with `toolDirectory`, the main window's current one.
    explicit COptionsDlg(const std::string& toolDirectory, QWidget* parent = nullptr);

    const std::string& toolDirectory() const { return toolDirectory_; }
    // The column list over placeholder 1093: three rows with a check box and three texts.
    QTreeWidget* columnList() const { return columnList_; }

    void accept() override;

private:
    void browse();

    std::string toolDirectory_;
    QLineEdit* directoryEdit_;
    QTreeWidget* columnList_;
};
