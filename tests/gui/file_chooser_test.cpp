// The Qt file chooser: filters, default extension, the replace question and the refusals, and
// the folder picker, driven on the offscreen platform.

#include <sys/stat.h>
#include <QApplication>
#include <QFile>
#include <QTest>
#include <QTimer>
#include <functional>

#include "gui/framework/qt_file_chooser.h"
#include "gui/framework/save_file_dialog.h"
#include "gui_test.h"
#include "scripted_presenter.h"
#include "support/test_support.h"

namespace {

// Runs `step` on the file dialog the next modal loop shows, then cancels it if it is still open.
void whenShown(std::function<void(QFileDialog*)> step) {
    QTimer::singleShot(0, [step] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr) {
            return;
        }
        step(dialog);
        if (dialog->isVisible()) {
            dialog->reject();
        }
    });
}

void choose(const QString& path) {
    whenShown([path](QFileDialog* dialog) {
        dialog->selectFile(path);
        static_cast<QDialog*>(dialog)->accept();
    });
}

// Asks for a tool file to save in the folder, as the main window does.
std::optional<std::string> chooseTool(const testsupport::TempDir& folder) {
    const SaveFileRequest request{"Save Tool As", folder.path(), "D10",
                                  "Karvex Tool (*.wkz)|*.wkz||", "wkz"};
    return QtFileChooser().choose_save_file(nullptr, request);
}

}  // namespace

class FileChooserTest : public QObject {
    Q_OBJECT

private slots:
    void filtersBecomeQtNameFilters() {
        const std::pair<const char*, QStringList> cases[] = {
            {"Karvex Tool (*.wkz)|*.wkz||", {"Karvex Tool (*.wkz)"}},
            {"Tool Files|*.wkz;*.ncs||", {"Tool Files (*.wkz *.ncs)"}},
            {"A (*.a)|*.a|B|*.b||", {"A (*.a)", "B (*.b)"}},
            {"Nothing||", {}},
            {"", {}},
        };
        for (const auto& [filter, expected] : cases) {
            QCOMPARE(nameFiltersOf(filter), expected);
        }
    }

    void theRequestSetsUpTheDialogAndTheExtensionIsAdded() {
        testsupport::TempDir folder;
        guitest::ScriptedPresenter presenter;
        QString title;
        QString initial;
        whenShown([&](QFileDialog* dialog) {
            title = dialog->windowTitle();
            initial = dialog->selectedFiles().value(0);
            static_cast<QDialog*>(dialog)->accept();
        });
        const std::optional<std::string> chosen = chooseTool(folder);
        QCOMPARE(title, QStringLiteral("Save Tool As"));
        QCOMPARE(initial, QString::fromStdString(folder.file("D10.wkz")));
        QCOMPARE(chosen, std::optional<std::string>(folder.file("D10.wkz")));
        QVERIFY(presenter.shown.empty());
    }

    void anExistingFileIsReplacedOnlyWhenTheUserSaysYes() {
        testsupport::TempDir folder;
        const std::string path = folder.write("D10.wkz", "x");
        guitest::ScriptedPresenter presenter;
        presenter.buttons = {kAnswerNo, kAnswerYes};
        choose(QString::fromStdString(path));
        QCOMPARE(chooseTool(folder), std::nullopt);
        choose(QString::fromStdString(path));
        QCOMPARE(chooseTool(folder), std::optional<std::string>(path));
        QCOMPARE(presenter.shown.size(), std::size_t(2));
        QCOMPARE(presenter.shown[0].text, path + " already exists.\nDo you want to replace it?");
        QVERIFY(presenter.shown[0].plain);
        QCOMPARE(presenter.shown[0].buttonSet, kButtonsYesNo);
    }

    void aReadOnlyFileOrAnUnwritableFolderIsRefused() {
        testsupport::TempDir folder;
        const std::string readOnly = folder.write("D10.wkz", "x");
        QVERIFY(::chmod(readOnly.c_str(), 0444) == 0);
        const std::string locked = folder.mkdir("locked");
        QVERIFY(::chmod(locked.c_str(), 0555) == 0);
        guitest::ScriptedPresenter presenter;
        choose(QString::fromStdString(readOnly));
        QCOMPARE(chooseTool(folder), std::nullopt);
        choose(QString::fromStdString(locked + "/T1"));
        QCOMPARE(chooseTool(folder), std::nullopt);
        QVERIFY(::chmod(locked.c_str(), 0755) == 0);

        QCOMPARE(presenter.shown.size(), std::size_t(2));
        QCOMPARE(presenter.shown[0].text,
                 readOnly + "\nThis file is read-only.\nChoose another file name.");
        QCOMPARE(presenter.shown[1].text,
                 locked + "\nThis folder cannot be written to.\nChoose another folder.");
    }

    void theFolderPickerGivesTheChosenFolder() {
        testsupport::TempDir folder;
        const std::string tools = folder.mkdir("tools");
        QtFileChooser chooser;
        QString title;
        whenShown([&](QFileDialog* dialog) {
            title = dialog->windowTitle();
            dialog->setDirectory(QString::fromStdString(folder.path()));
            dialog->selectFile(QString::fromStdString(tools));
            static_cast<QDialog*>(dialog)->accept();
        });
        QCOMPARE(chooser.choose_directory(nullptr, "Choose Tool Directory"),
                 std::optional<std::string>(tools));
        QCOMPARE(title, QStringLiteral("Choose Tool Directory"));
        whenShown([](QFileDialog*) {});
        QCOMPARE(chooser.choose_directory(nullptr, "Choose Tool Directory"), std::nullopt);
    }
};

CUTTERBASE_GUI_TEST(FileChooserTest)

#include "file_chooser_test.moc"
