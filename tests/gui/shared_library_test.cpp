// The main window on a library that other programs change while it is open; searching the whole
// library, and the library check's findings there.

#include <sys/stat.h>

#include <QDialog>
#include <QHeaderView>
#include <cstdlib>
#include <fstream>

#include "app/library_check.h"
#include "gui/framework/installation_text.h"
#include "gui/main/findings_line.h"
#include "gui/main/library_watcher.h"
#include "gui/main/tool_search.h"
#include "gui/main/tool_search_box.h"
#include "main_window_fixture.h"
#include "platform/filesystem.h"

using namespace guitest;
using namespace main_ids;
namespace fs = std::filesystem;

namespace {

const std::string kTheirs = "Body Radius              :       &TP_BRAD=5.000\r\n";

// A window showing bull/d10r2.wkz, with a tool beside it and a flat folder.
struct Shared {
    MainWindowFixture fixture;
    std::string tool = fixture.tool("bull/d10r2.wkz");
    std::string other = fixture.tool("bull/d8r1.wkz", "1.000");
    std::string flat = fixture.tool("flat/f6.wkz", "0.000");
    ScriptedPresenter presenter;
    ScriptedFileChooser chooser;
    std::unique_ptr<CCutterBaseDlg> dialog = open();

    std::unique_ptr<CCutterBaseDlg> open() {
        auto window = fixture.open();
        window->show();
        return window;
    }
    // Save As onto the shown tool's own file.
    void saveOver(CCutterBaseDlg& window) {
        chooser.saveFiles.push_back(tool);
        findControl<QAbstractButton>(&window, kSaveAs)->click();
    }
    bool mine(const char* corner) const {
        return fs::exists(tool) && testsupport::read_file(tool).find(std::string("TP_CRAD=") +
                                                                     corner) != std::string::npos;
    }
};

QStringList names(const QTreeWidgetItem* item) {
    QStringList all{item->text(0)};
    for (int i = 0; i < item->childCount(); ++i) {
        all += names(item->child(i));
    }
    return all;
}

// Three sound tools in nested folders and one whose radius and diameter disagree.
struct SearchWindow {
    MainWindowFixture fixture;
    std::string tool = fixture.tool("bull/d10r2.wkz");
    std::string small = fixture.tool("bull/deep/d8r1.wkz", "1.000");
    std::string flat = fixture.tool("flat/f6.wkz", "0.000");
    std::string bad = fixture.write("flat/bad.wkz",
                                    "Body Radius              :       &TP_BRAD=5.000\r\n"
                                    "Diameter                 :       &TP_CDIAM=12.000\r\n");
    std::unique_ptr<CCutterBaseDlg> dialog = fixture.open();
    ToolSearchBox* box = findControl<ToolSearchBox>(dialog.get(), kToolSearch);
    CListCtrlTool* results = dialog->Search()->results();

    SearchWindow() { dialog->show(); }
};

}  // namespace

class SharedLibraryTest : public QObject {
    Q_OBJECT

private slots:
    // Another program's changes: tree and list follow in place; the tool reloads only unedited.
    void followsTheDisk() {
        Shared window;
        CCutterBaseDlg& dialog = *window.dialog;
        window.dialog->Tree()->itemToSelect(window.flat)->parent()->setExpanded(true);
        const int reads = dialog.List()->folderReads();
        window.fixture.tool("bull/d10r2.wkz", "2.0");
        QTRY_VERIFY(textOf(dialog, kToolSettings).contains(QStringLiteral("(loaded again")));

        typeCornerRadius(dialog, "2.5");
        window.fixture.tool("bull/new.wkz", "1.000");
        fs::remove(window.other);
        fs::create_directories(window.fixture.libraryFile("bull/sub"));
        window.fixture.write("bull/d10r2.wkz", kTheirs);
        QTRY_COMPARE(columnTexts(*dialog.List()),
                     QStringList({"..", "sub", "d10r2.wkz", "new.wkz"}));
        QTRY_VERIFY(names(dialog.Tree()->rootItem()).contains("new.wkz"));
        QVERIFY(!names(dialog.Tree()->rootItem()).contains("d8r1.wkz"));
        QCOMPARE(selectedPath(dialog) + dialog.List()->selectedPath(), window.tool + window.tool);
        QVERIFY(window.dialog->Tree()->itemToSelect(window.flat)->parent()->isExpanded());
        QCOMPARE(dialog.List()->folderReads(), reads);
        QCOMPARE(cornerRadius(dialog)->text(), QStringLiteral("2.5"));
        QVERIFY(dialog.IsToolModified() && window.presenter.shown.empty());
    }

    // Where notifications do not serve, the shown folder and tool are followed by polling.
    void followsByPolling() {
        struct Forced {
            Forced() { qputenv("CUTTERBASE_POLL_LIBRARY", "1"); }
            ~Forced() { qunsetenv("CUTTERBASE_POLL_LIBRARY"); }
        } forced;
        Shared window;
        CCutterBaseDlg& dialog = *window.dialog;
        QTRY_VERIFY(dialog.Watcher()->polling());
        window.fixture.tool("bull/new.wkz", "1.000");
        window.fixture.tool("bull/d10r2.wkz", "2.0");
        QTRY_VERIFY_WITH_TIMEOUT(columnTexts(*dialog.List()).contains("new.wkz"), 8000);
        QTRY_VERIFY_WITH_TIMEOUT(
            textOf(dialog, kToolSettings).contains(QStringLiteral("(loaded again")), 8000);
        // Nothing is watched, so only a poll can find this one.
        window.fixture.tool("bull/new2.wkz", "1.000");
        QTRY_VERIFY_WITH_TIMEOUT(columnTexts(*dialog.List()).contains("new2.wkz"), 8000);
        QCOMPARE(selectedPath(dialog), window.tool);
    }

    // The question before a save over a file another window saved or a program removed meanwhile.
    void saveMeetsTheChange() {
        // removed, the answer, my version on disk afterwards, the edit still on the page
        for (const auto& [removed, button, written, edited] :
             {std::tuple{false, kAnswerYes, true, false},
              {false, kAnswerNo, false, false},
              {false, kAnswerCancel, false, true},
              {true, kAnswerYes, true, false},
              {true, kAnswerNo, false, false}}) {
            Shared window;
            std::unique_ptr<CCutterBaseDlg> second = window.open();
            typeCornerRadius(*window.dialog, "2.5");
            typeCornerRadius(*second, "3.5");
            window.saveOver(*second);
            QVERIFY(window.presenter.shown.empty() && window.mine("3.5"));
            if (removed) {
                fs::remove(window.tool);
            }
            window.presenter.buttons.push_back(button);
            window.saveOver(*window.dialog);
            QCOMPARE(window.presenter.shown.size(), std::size_t{1});
            QVERIFY(window.presenter.shown[0].text.find(window.tool) != std::string::npos);
            QCOMPARE(window.mine("2.5"), written);
            QCOMPARE(fs::exists(window.tool), written || !removed);
            QCOMPARE(window.dialog->IsToolModified(), edited);
        }
    }

    // Delete moves the tool into the trash (moved back, it is restored); a broken trash is named.
    void deleteIntoTrash() {
        Shared window;
        const std::string trash = std::string(std::getenv("XDG_DATA_HOME")) + "/Trash";
        window.presenter.buttons.push_back(kAnswerYes);
        window.dialog->DeleteTool();
        QVERIFY(!fs::exists(window.tool));
        const std::string info = testsupport::read_file(trash + "/info/d10r2.wkz.trashinfo");
        QVERIFY(info.find("Path=" + window.tool) != std::string::npos);
        fs::rename(trash + "/files/d10r2.wkz", window.tool);
        QVERIFY(window.mine("2.000"));

        fs::remove_all(trash);
        std::ofstream(trash) << "not a folder";
        QVERIFY(selectInTree(*window.dialog, window.other));
        window.presenter.buttons = {kAnswerNo};
        window.dialog->DeleteTool();
        QVERIFY(window.presenter.shown.back().text.find("cannot be moved to the trash") !=
                std::string::npos);
        QVERIFY(fs::exists(window.other));
    }

    // Delete names a tool changed or replaced by a folder; renames and FIFOs are followed quietly.
    void badInput() {
        Shared window;
        window.fixture.write("bull/d10r2.wkz", kTheirs);
        window.presenter.buttons.push_back(kAnswerCancel);
        window.dialog->DeleteTool();
        QVERIFY(window.presenter.shown.back().text.find("was changed by another program") !=
                std::string::npos);
        QVERIFY(fs::exists(window.tool));

        // a tool replaced by a folder: the delete question, then a clear refusal
        QVERIFY(selectInTree(*window.dialog, window.other));
        fs::remove(window.other);
        fs::create_directory(window.other);
        window.presenter.buttons.push_back(kAnswerYes);
        window.dialog->DeleteTool();
        QVERIFY(window.presenter.shown.back().text.find("could not be deleted") !=
                std::string::npos);
        QVERIFY(mkfifo((window.fixture.libraryFile("bull/pipe.wkz")).c_str(), 0600) == 0);
        QTRY_VERIFY(columnTexts(*window.dialog->List()).contains("pipe.wkz"));
        fs::rename(window.fixture.libraryFile("bull"), window.fixture.libraryFile("bent"));
        QTRY_COMPARE(selectedPath(*window.dialog), window.fixture.library());
        QTRY_VERIFY(names(window.dialog->Tree()->rootItem()).contains("pipe.wkz"));
        QCOMPARE(window.presenter.shown.size(), std::size_t{3});
    }

    // Matches lead the tree; a bad term shows in the status line; Escape ends only the search.
    void searchLeadsTheTreeAndEnds() {
        SearchWindow window;
        window.dialog->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.dialog.get()));
        QTest::keySequence(window.dialog.get(), QKeySequence::Find);
        QVERIFY(window.box->hasFocus());
        QTest::keyClicks(window.box, "D8");
        QTRY_COMPARE(columnTexts(*window.results), QStringList{"bull/deep/d8r1.wkz"});
        QVERIFY(!window.dialog->Search()->building());  // the library is read once
        QVERIFY(window.results->isVisible() && !window.dialog->List()->isVisible());
        QCOMPARE(textOf(*window.dialog, kListLastRow), QStringLiteral("1"));
        clickRow(*window.results, 0);
        QCOMPARE(selectedPath(*window.dialog), window.small);
        QVERIFY(window.dialog->Tree()->selectedItem()->parent()->isExpanded());
        // "Export..." writes just the tools found, named by their paths in the library.
        ScriptedFileChooser chooser;
        const std::string csv = window.fixture.libraryFile("found.csv");
        chooser.saveFiles = {csv};
        reportOf([&] { window.dialog->Search()->exportMatches(); });
        const std::string bytes = platform::read_file(csv).value_or("");
        QVERIFY(bytes.find("bull/deep/d8r1.wkz") != std::string::npos);
        QCOMPARE(std::count(bytes.begin(), bytes.end(), '\n'), 2);

        window.box->clear();
        QTest::keyClicks(window.box, "wkz");
        QCOMPARE(columnTexts(*window.results).size(), 4);
        // sorted by corner radius, then refined: the order stays; Down selects the first match
        QHeaderView* header = window.results->header();
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                          QPoint(header->sectionViewportPosition(3) + 5, 5));
        QTest::keyClicks(window.box, " wkz");
        QCOMPARE(columnTexts(*window.results).first(), QStringLiteral("bull/d10r2.wkz"));
        window.dialog->SelectPath(window.fixture.library());
        QTest::keyClick(window.box, Qt::Key_Down);
        QCOMPARE(selectedPath(*window.dialog), window.tool);

        ScriptedPresenter presenter;
        QTest::keyClicks(window.box, " zz:1");
        QVERIFY(textOf(*window.dialog, kListDirectory).contains("zz:1"));
        QCOMPARE(textOf(*window.dialog, kListLastRow), QString());
        QTest::keyClick(window.box, Qt::Key_Escape);
        QCOMPARE(window.box->text(), QString());
        QVERIFY(window.dialog->isVisible() && window.dialog->List()->isVisible() &&
                !window.results->isVisible());
        QCOMPARE(textOf(*window.dialog, kListDirectory),
                 QString::fromStdString(window.fixture.libraryFile("bull")));
        QVERIFY(presenter.shown.empty());

        QTest::keyClicks(window.box, "f6");
        clickRow(*window.results, 0, Qt::LeftButton, true);
        QCOMPARE(window.dialog->result(), int(QDialog::Accepted));
        QVERIFY(window.fixture.readChangeFile()->find("flat\\f6.wkz") != std::string::npos);
    }

    // Findings as tooltips and beside the tabs; Save As of a tool with an error asks once.
    void findingsMarkedAndAskedOnSave() {
        SearchWindow window;
        QTRY_VERIFY(window.dialog->Search()->indexReady());
        QVERIFY(selectInTree(*window.dialog, window.bad));
        const QString text =
            fromInstallationText(FindingText(CheckToolFile(window.bad).at(0), 0)).simplified();
        QCOMPARE(columnTexts(*window.dialog->List(), 0, Qt::ToolTipRole),
                 QStringList({"", text, ""}));
        auto* line = window.dialog->findChild<FindingsLine*>();
        QVERIFY(line->isVisible() && line->fullText() == text);
        QTest::keyClicks(window.box, "problem:yes");
        QCOMPARE(columnTexts(*window.results, 0, Qt::ToolTipRole), QStringList{text});

        ScriptedPresenter presenter;
        ScriptedFileChooser chooser;
        const std::string copy = window.fixture.libraryFile("flat/bad2.wkz");
        chooser.saveFiles = {copy, copy};
        presenter.buttons = {kAnswerNo, kAnswerYes};
        QVERIFY(!window.dialog->SaveToolAs());
        QVERIFY(chooser.saveRequests.empty() && !std::filesystem::exists(copy));
        QVERIFY(window.dialog->SaveToolAs());
        QCOMPARE(presenter.shown.size(), std::size_t(2));
        QVERIFY(presenter.shown[1].text.find(FindingText(CheckToolFile(window.bad).at(0), 0)) !=
                std::string::npos);
        QTRY_COMPARE(columnTexts(*window.results).size(), 2);

        QVERIFY(selectInTree(*window.dialog, window.flat) && !line->isVisible());
        chooser.saveFiles = {window.fixture.libraryFile("flat/f6b.wkz")};
        QVERIFY(window.dialog->SaveToolAs());
        QCOMPARE(presenter.shown.size(), std::size_t(2));
    }
};

CUTTERBASE_GUI_TEST(SharedLibraryTest)
#include "shared_library_test.moc"
