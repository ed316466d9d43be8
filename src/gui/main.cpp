// CutterBase: the tool library the CAM system starts for one toolpath of the current workzone.
// One modal window; the process ends when it closes.

#include <QApplication>
#include <QTimer>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "app/command_line.h"
#include "app/file_chooser.h"
#include "gui/dialogs/message_dialog_presenter.h"
#include "gui/framework/numeric_locale.h"
#include "gui/framework/qt_file_chooser.h"
#include "gui/main/cutter_base_dlg.h"
#include "gui/main/language_box.h"
#include "language/message_presenter.h"
#include "platform/filesystem.h"

namespace {

constexpr char kLanguageApplication[] = "KvxCutterBase";
constexpr char kDemoPictureVariable[] = "CUTTERBASE_DEMO_PICTURE";

// For the demo without a display: once the window is shown, draws it into the picture file and
// closes it as the user's Close would.
void closeAfterPicture(CCutterBaseDlg& dialog, const QString& picture) {
    QTimer::singleShot(0, &dialog, [&dialog, picture] {
        dialog.grab().save(picture, "PNG");
        if (!dialog.ApplyAndClose()) {
            dialog.reject();
        }
    });
}

}  // namespace

int main(int argc, char** argv) {
    platform::ignore_file_size_signal();
    // Qt gets the program name only, so it neither eats nor misreads the CAM system's arguments.
    int qtArgumentCount = 1;
    char* qtArguments[] = {argv[0], nullptr};
    QApplication application(qtArgumentCount, qtArguments);
    keepNumericLocaleC();
    MessageDialogPresenter presenter;
    MessagePresenter* previousPresenter = install_message_presenter(&presenter);
    QtFileChooser chooser;
    FileChooser* previousChooser = install_file_chooser(&chooser);

    // Hidden: it only serves the captions' look-ups.
    auto languageBox = std::make_unique<LanguageBox>(kLanguageApplication);
    languageBox->create();

    CutBaseCmdLine commandLine;
    ParseCommandLine(commandLine, std::vector<std::string>(argv + 1, argv + argc));
    {
        CCutterBaseDlg dialog(commandLine.OutputFile(), commandLine.ToolpathNumber(),
                              languageBox.get());
        languageBox->setMainWindow(&dialog);
        if (!dialog.StartupCancelled()) {
            const char* picture = std::getenv(kDemoPictureVariable);
            if (picture != nullptr && *picture != '\0') {
                closeAfterPicture(dialog, QString::fromLocal8Bit(picture));
            }
            dialog.exec();
        }
        languageBox->setMainWindow(nullptr);
    }
    languageBox.reset();
    install_file_chooser(previousChooser);
    install_message_presenter(previousPresenter);
    return 0;
}
