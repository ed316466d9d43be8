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
    // Texts are in the installation's code page, but the paths they name are in the bytes of
    // the file system: each name shows as UTF-8 where it is valid UTF-8.
    MessageDialog dialog(fromFileName(text), buttonSet, icon, plain, parent);
    return dialog.exec();
}

}  // namespace

int MessageDialogPresenter::Present(const std::string& text, int button_set, int icon) {
    return show(text, button_set, icon, false);
}

int MessageDialogPresenter::PresentPlain(const std::string& text, int button_set, int icon) {
    return show(text, button_set, icon, true);
}
