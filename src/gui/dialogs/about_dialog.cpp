#include "gui/dialogs/about_dialog.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>

#include "gui/dialogs/version_info.h"
#include "gui/framework/control_ids.h"
#include "gui/framework/dialog_units.h"
#include "gui/framework/installation_text.h"
#include "gui/resources/pictures.h"
#include "language/message_catalogue.h"
#include "language/message_presenter.h"

namespace {

// The template, in dialog units: the picture on the left, the icon, three labelled lines and the
// rights notice on the right, OK at the bottom right.
constexpr int kWidth = 270;
constexpr int kHeight = 112;
constexpr int kPictureLeft = 7;
constexpr int kPictureTop = 7;
constexpr int kPictureWidth = 80;
constexpr int kPictureHeight = 80;
constexpr int kIconLeft = 96;
constexpr int kIconTop = 7;
constexpr int kLabelLeft = 96;
constexpr int kLabelWidth = 40;
constexpr int kFieldLeft = 138;
constexpr int kFieldWidth = 125;
constexpr int kFirstLineTop = 36;
constexpr int kLineStep = 12;
constexpr int kLineHeight = 10;
constexpr int kButtonWidth = 50;
constexpr int kButtonHeight = 14;
constexpr int kMargin = 7;

struct Line {
    int label;
    int field;
    AboutLabel caption;
    std::string VersionInfo::*value;
};

const Line kLines[] = {
    {AboutDialog::kProductLabel, AboutDialog::kProductField, AboutLabel::ProductName,
     &VersionInfo::product},
    {AboutDialog::kVersionLabel, AboutDialog::kVersionField, AboutLabel::Version,
     &VersionInfo::version},
    {AboutDialog::kBuildLabel, AboutDialog::kBuildField, AboutLabel::Build, &VersionInfo::build},
};

QLabel* label(QWidget* parent, int id, const QString& text, const QRect& geometry) {
    auto* control = new QLabel(text, parent);
    setControlId(control, id);
    control->setGeometry(geometry);
    return control;
}

}  // namespace

AboutDialog::AboutDialog(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint) {
    setDialogId(this, 4025);
    const DialogUnits units(font());
    const TalmorError* catalogue = CurrentCatalogue();
    auto catalogueText = [catalogue](AboutLabel which) {
        return catalogue != nullptr ? fromInstallationText(catalogue->AboutLabelText(which))
                                    : QString();
    };
    const VersionInfo& version = programVersion();

    setWindowTitle(catalogueText(AboutLabel::Title));
    setWindowIcon(programIcon());
    setFixedSize(units.x(kWidth), units.y(kHeight));

    const QRect pictureRect = units.rect(kPictureLeft, kPictureTop, kPictureWidth, kPictureHeight);
    auto* picture = label(this, kPictureControl, QString(), pictureRect);
    picture->setPixmap(
        picturePixmap(QStringLiteral("about"), pictureRect.size(), devicePixelRatioF()));

    const int iconSize = 32;
    auto* icon = label(this, kIconControl, QString(),
                       QRect(units.x(kIconLeft), units.y(kIconTop), iconSize, iconSize));
    icon->setPixmap(programIcon().pixmap(iconSize));

    int top = kFirstLineTop;
    for (const Line& line : kLines) {
        label(this, line.label, catalogueText(line.caption),
              units.rect(kLabelLeft, top, kLabelWidth, kLineHeight));
        label(this, line.field, QStringLiteral(" ") + fromInstallationText(version.*line.value),
              units.rect(kFieldLeft, top, kFieldWidth, kLineHeight));
        top += kLineStep;
    }
    label(this, kRightsField, QStringLiteral(" ") + fromInstallationText(version.rights),
          units.rect(kLabelLeft, top, kFieldLeft + kFieldWidth - kLabelLeft, kLineHeight));

    auto* ok = new QPushButton(QCoreApplication::translate("QPlatformTheme", "OK"), this);
    setControlId(ok, kAnswerOk, "IDOK");
    ok->setGeometry(units.x(kWidth - kMargin - kButtonWidth),
                    units.y(kHeight - kMargin - kButtonHeight), units.x(kButtonWidth),
                    units.y(kButtonHeight));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}
