#include "gui/dialogs/message_dialog.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <algorithm>

#include "gui/dialogs/message_text.h"
#include "gui/framework/control_ids.h"
#include "gui/framework/dialog_units.h"
#include "gui/framework/installation_text.h"
#include "language/message_catalogue.h"

namespace {

// The template, in dialog units. The text area holds about four lines of 60 average characters;
// a button holds the longest caption of the catalogues ("No to All" and its translations), and a
// row of five such buttons with their gaps fits the template's width.
constexpr int kTemplateWidth = 300;
constexpr int kTemplateHeight = 78;
constexpr int kIconLeft = 10;
constexpr int kIconTop = 10;
constexpr int kTextLeft = 40;
constexpr int kTextTop = 10;
constexpr int kTextWidth = 250;
constexpr int kTextHeight = 36;
constexpr int kButtonTop = 56;
constexpr int kButtonWidth = 50;
constexpr int kButtonHeight = 14;
constexpr int kCheckLeft = 10;
constexpr int kCheckWidth = 150;
constexpr int kMoreLeft = 240;
// Room left around the grown dialog for the window manager's frame and title bar, in pixels.
constexpr int kFrameWidth = 16;
constexpr int kFrameHeight = 48;

struct ButtonControl {
    int control;
    const char* name;
    ButtonCaption caption;
    const char* standardCaption;  // Qt's own text, translated by Qt's catalogues when installed
};

using C = ButtonCaption;
const ButtonControl kButtons[] = {
    {kAnswerOk, "IDOK", C::Ok, "OK"},
    {kAnswerCancel, "IDCANCEL", C::Cancel, "Cancel"},
    {kAnswerAbort, "IDABORT", C::Abort, "Abort"},
    {kAnswerRetry, "IDRETRY", C::Retry, "Retry"},
    {kAnswerIgnore, "IDIGNORE", C::Ignore, "Ignore"},
    {kAnswerYes, "IDYES", C::Yes, "&Yes"},
    {kAnswerNo, "IDNO", C::No, "&No"},
    {kControlYesToAll, "IDYESTOALL", C::YesToAll, "Yes to &All"},
    {kControlNoToAll, "IDNOTOALL", C::NoToAll, "N&o to All"},
    {kControlOkToAll, "IDOKTOALL", C::OkToAll, "OK to All"},
};

QStyle::StandardPixmap standardIcon(int icon) {
    switch (icon) {
        case kIconStop:
            return QStyle::SP_MessageBoxCritical;
        case kIconQuestion:
            return QStyle::SP_MessageBoxQuestion;
        case kIconExclamation:
            return QStyle::SP_MessageBoxWarning;
        default:
            return QStyle::SP_MessageBoxInformation;
    }
}

}  // namespace

MessageDialog::MessageDialog(const QString& text, int buttonSet, int icon, bool plain,
                             QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      buttonSet_(buttonSet),
      icon_(icon),
      plain_(plain) {
    setDialogId(this, 4029);
    buildControls();
    fitText(text);
    placeButtons();
}

int MessageDialog::buttonWidth() const {
    return DialogUnits(font()).x(kButtonWidth);
}

QRect MessageDialog::templateTextRect() const {
    return DialogUnits(font()).rect(kTextLeft, kTextTop, kTextWidth, kTextHeight);
}

void MessageDialog::buildControls() {
    const DialogUnits units(font());
    const TalmorError* catalogue = CurrentCatalogue();
    const QString application = QCoreApplication::applicationName();

    auto* iconLabel = new QLabel(this);
    setControlId(iconLabel, kIconControl);
    const int iconSize = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
    iconLabel->setPixmap(
        style()->standardIcon(standardIcon(icon_), nullptr, this).pixmap(iconSize));
    iconLabel->setGeometry(units.x(kIconLeft), units.y(kIconTop), iconSize, iconSize);

    textArea_ = new QScrollArea(this);
    textArea_->setFrameShape(QFrame::NoFrame);
    textArea_->setWidgetResizable(false);
    textArea_->viewport()->setAutoFillBackground(false);
    text_ = new MessageText;
    setControlId(text_, kTextControl);
    textArea_->setWidget(text_);

    for (const ButtonControl& entry : kButtons) {
        auto* button = new QPushButton(this);
        setControlId(button, entry.control, entry.name);
        const bool fromCatalogue = !plain_ && catalogue != nullptr;
        button->setText(fromCatalogue
                            ? fromInstallationText(catalogue->DialogButtonCaption(entry.caption))
                            : QCoreApplication::translate("QPlatformTheme", entry.standardCaption));
        button->setAutoDefault(false);
        button->hide();
        const int control = entry.control;
        connect(button, &QPushButton::clicked, this,
                [this, control] { finishButtonPressed(control); });
    }

    auto* check = new QCheckBox(this);
    setControlId(check, kCheckControl, "IDC_EG_ERROR_DLG_CHECK");
    auto* more = new QPushButton(this);
    setControlId(more, kMoreControl, "IDC_EG_ERROR_DLG_MORE");
    more->setAutoDefault(false);
    if (catalogue != nullptr) {
        check->setText(fromInstallationText(catalogue->DialogCheckCaption()));
        more->setText(fromInstallationText(catalogue->DialogMoreCaption()));
    }
    check->hide();
    more->hide();

    if (plain_ || catalogue == nullptr) {
        setWindowTitle(application);
    } else {
        setWindowTitle(application + QStringLiteral(" - ") +
                       fromInstallationText(catalogue->DialogCategoryName(icon_)));
    }
}

void MessageDialog::fitText(const QString& text) {
    const DialogUnits units(font());
    text_->setText(text);
    const QSize needed = text_->textSize();
    const QRect room = templateTextRect();
    int growRight = std::max(0, needed.width() - room.width());
    int growDown = std::max(0, needed.height() - room.height());

    QSize size(units.x(kTemplateWidth) + growRight, units.y(kTemplateHeight) + growDown);
    if (const QScreen* screen = this->screen()) {
        // Never beyond the screen: the text scrolls instead.
        const QSize available =
            screen->availableGeometry().size() - QSize(kFrameWidth, kFrameHeight);
        const int excessWidth = std::max(0, size.width() - available.width());
        const int excessHeight = std::max(0, size.height() - available.height());
        growRight = std::max(0, growRight - excessWidth);
        growDown = std::max(0, growDown - excessHeight);
        size -= QSize(std::min(excessWidth, size.width()), std::min(excessHeight, size.height()));
    }
    verticalGrowth_ = growDown;
    textArea_->setGeometry(room.adjusted(0, 0, growRight, growDown));
    text_->resize(needed.expandedTo(textArea_->size()));
    setFixedSize(size);

    const int row = units.y(kButtonTop) + verticalGrowth_;
    findControl(this, kCheckControl)
        ->setGeometry(units.x(kCheckLeft), row, units.x(kCheckWidth), units.y(kButtonHeight));
    findControl(this, kMoreControl)
        ->setGeometry(units.x(kMoreLeft), row, buttonWidth(), units.y(kButtonHeight));
}

void MessageDialog::placeButtons() {
    const DialogUnits units(font());
    const int w = buttonWidth();
    const int centre = width() / 2;
    const int top = units.y(kButtonTop) + verticalGrowth_;
    bool first = true;
    for (const MessageButton& entry : buttons_of_set(buttonSet_)) {
        auto* button = findControl<QPushButton>(this, entry.control);
        // Half a button width per slot from the centre, and 10 pixels between neighbours.
        const int left = centre + entry.slot * w / 2 + 5 * (entry.slot + 1);
        button->setGeometry(left, top, w, units.y(kButtonHeight));
        button->show();
        if (first) {
            button->setDefault(true);
            first = false;
        }
    }
}

void MessageDialog::finishButtonPressed(int control) {
    for (const MessageButton& entry : buttons_of_set(buttonSet_)) {
        if (entry.control != control) {
            continue;
        }
        if (entry.remembers && !plain_ && CurrentCatalogue() != nullptr) {
            CurrentCatalogue()->RememberAnswer(entry.answer);
        }
        done(entry.answer);
        return;
    }
}

void MessageDialog::reject() {
    done(kAnswerCancel);
}
