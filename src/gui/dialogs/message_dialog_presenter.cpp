#include "gui/dialogs/message_dialog_presenter.h"

#include <QApplication>

#include "gui/dialogs/message_dialog.h"
#include "gui/framework/installation_text.h"

namespace {

int show(const std::string& text, int buttonSet, int icon, bool plain) {
    QWidget* parent = QApplication::activeModalWidget();
    if (parent == nullptr) {
        parent = QApplication::activeWindow();
    }
    MessageDialog dialog(fromInstallationText(text), buttonSet, icon, plain, parent);
    return dialog.exec();
}

}  // namespace

int MessageDialogPresenter::Present(const std::string& text, int button_set, int icon) {
    return show(text, button_set, icon, false);
}

int MessageDialogPresenter::PresentPlain(const std::string& text, int button_set, int icon) {
    return show(text, button_set, icon, true);
}
