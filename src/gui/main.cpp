// CutterBase: the tool library the CAM system starts for one toolpath of the current workzone.
// One modal window; the process ends when it closes.

#include <QApplication>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "app/command_line.h"
#include "app/file_chooser.h"
#include "gui/dialogs/message_dialog_presenter.h"
#include "gui/dialogs/startup_failure.h"
#include "gui/dialogs/version_info.h"
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

constexpr char kUsage[] =
    "usage: CutterBase [-tpnum N] [-o FILE]\n"
    "       CutterBase --help | --version\n"
    "The tool library of the CAM system, which starts it in the current workzone with the\n"
    "environment of its installation (KVXHOME, KVXZONE); flags begin with '-' or '/'.\n"
    "options:\n"
    "  -tpnum N   the toolpath whose tool is shown and checked (1 and above)\n"
    "  -o FILE    the change file Close writes (default cutter.out)\n"
    "  --help     print this help and exit\n"
    "  --version  print the version and exit\n";

// --help and --version as the first argument, before anything needs a display or an
// environment; the CAM system's own command line never starts with either.
bool answeredAlone(int argc, char** argv) {
    if (argc < 2) {
        return false;
    }
    if (std::strcmp(argv[1], "--help") == 0) {
        std::fputs(kUsage, stdout);
        return true;
    }
    if (std::strcmp(argv[1], "--version") == 0) {
        const VersionInfo& version = programVersion();
        std::printf("CutterBase %s%s%s%s\n", version.version.c_str(),
                    version.build.empty() ? "" : " (revision ", version.build.c_str(),
                    version.build.empty() ? "" : ")");
        return true;
    }
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    if (answeredAlone(argc, argv)) {
        return std::fflush(stdout) == 0 && std::ferror(stdout) == 0 ? 0 : 1;
    }
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
    // Until the window is built, a fatal report of the runtime is also shown in a box.
    const FatalHandler previousFatal = showStartupFailures(displayAvailable());

    // Hidden: it only serves the captions' look-ups.
    auto languageBox = std::make_unique<LanguageBox>(kLanguageApplication);
    languageBox->create();

    CutBaseCmdLine commandLine;
    ParseCommandLine(commandLine, std::vector<std::string>(argv + 1, argv + argc));
    {
        CCutterBaseDlg dialog(commandLine.OutputFile(), commandLine.ToolpathNumber(),
                              languageBox.get());
        languageBox->setMainWindow(&dialog);
        set_fatal_handler(previousFatal);
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
