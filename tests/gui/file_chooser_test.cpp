// The Qt file chooser on the offscreen platform: the save dialog's cases and the folder picker.

#include <sys/stat.h>
#include <QApplication>
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
        if (auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
            step(dialog);
            if (dialog->isVisible()) {
                dialog->reject();
            }
        }
    });
}

}  // namespace

class FileChooserTest : public QObject {
    Q_OBJECT

private slots:
    // Asks for a tool file to save in the folder as the main window does, choosing a name.
    void aChosenNameIsTakenReplacedOnYesOrRefused() {
        testsupport::TempDir folder;
        const std::string existing = folder.write("D10.wkz", "x");
        const std::string readOnly = folder.write("R.wkz", "x");
        const std::string locked = folder.mkdir("locked");
        QVERIFY(::chmod(readOnly.c_str(), 0444) == 0 && ::chmod(locked.c_str(), 0555) == 0);
        const std::string replace = existing + " already exists.\nDo you want to replace it?";
        const std::string refused =
            readOnly + "\nThis file is read-only.\nChoose another file name.";
        const std::string lockedOut =
            locked + "\nThis folder cannot be written to.\nChoose another folder.";
        // chosen name ("" the dialog's proposal), answers, the result, the text shown ("" none)
        using Case =
            std::tuple<std::string, std::deque<int>, std::optional<std::string>, std::string>;
        const Case cases[] = {
            {"", {}, existing, replace},
            {folder.file("T1"), {}, folder.file("T1.wkz"), ""},
            {existing, {kAnswerNo}, std::nullopt, replace},
            {readOnly, {}, std::nullopt, refused},
            {locked + "/T1", {}, std::nullopt, lockedOut},
        };
        for (const auto& [name, answers, result, text] : cases) {
            guitest::ScriptedPresenter presenter;
            presenter.buttons = answers;
            QString seen;
            whenShown([&, name = name](QFileDialog* dialog) {
                seen = dialog->windowTitle() + '|' + dialog->nameFilters().join(';') + '|' +
                       dialog->selectedFiles().value(0);
                if (!name.empty()) {
                    dialog->selectFile(QString::fromStdString(name));
                }
                static_cast<QDialog*>(dialog)->accept();
            });
            const SaveFileRequest request{"Save Tool As", folder.path(), "D10",
                                          "Karvex Tool (*.wkz)|*.wkz||", "wkz"};
            QCOMPARE(QtFileChooser().choose_save_file(nullptr, request), result);
            QCOMPARE(seen, "Save Tool As|Karvex Tool (*.wkz)|" + QString::fromStdString(existing));
            QCOMPARE(presenter.shown.size(), std::size_t(text.empty() ? 0 : 1));
            for (const auto& message : presenter.shown) {
                QCOMPARE(message.text, text);
                QVERIFY(message.plain &&
                        message.buttonSet == (text == replace ? kButtonsYesNo : kButtonsOk));
            }
        }
        QVERIFY(::chmod(locked.c_str(), 0755) == 0);
    }

    void theFolderPickerGivesTheChosenFolder() {
        testsupport::TempDir folder;
        const std::string tools = folder.mkdir("tools");
        QtFileChooser chooser;
        whenShown([&](QFileDialog* dialog) {
            dialog->setDirectory(QString::fromStdString(folder.path()));
            dialog->selectFile(QString::fromStdString(tools));
            static_cast<QDialog*>(dialog)->accept();
        });
        QCOMPARE(chooser.choose_directory(nullptr, "Choose Tool Directory"),
                 std::optional<std::string>(tools));
        whenShown([](QFileDialog*) {});
        QCOMPARE(chooser.choose_directory(nullptr, "Choose Tool Directory"), std::nullopt);
    }
};

CUTTERBASE_GUI_TEST(FileChooserTest)

#include "file_chooser_test.moc"
