// Searching the whole library from the main window, and the library check's findings there.

#include <QApplication>
#include <QDialog>
#include <QHeaderView>
#include <QTimer>

#include "app/library_check.h"
#include "gui/framework/installation_text.h"
#include "gui/main/findings_line.h"
#include "gui/main/tool_search.h"
#include "gui/main/tool_search_box.h"
#include "main_window_fixture.h"
#include "platform/filesystem.h"

using namespace guitest;
using namespace main_ids;

namespace {

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
    QStringList shown(const CListCtrlTool& list, int role = Qt::DisplayRole) const {
        QStringList texts;
        for (int row = 0; row < list.model()->rowCount(); ++row) {
            texts << list.model()->index(row, 0).data(role).toString();
        }
        return texts;
    }
    QPoint rowPoint(int row) const {
        return results->visualRect(results->model()->index(row, 0)).center();
    }
};

}  // namespace

class ToolSearchTest : public QObject {
    Q_OBJECT

private slots:
    // Typing shows the library's matches by relative path; a click or a key selects the tool in
    // the tree, whose folders open; a bad term is named in the status line, never in a box;
    // Escape ends the search without cancelling the window; a double-click applies the tool.
    void searchLeadsTheTreeAndEnds() {
        SearchWindow window;
        QVERIFY(window.box->accessibleName() != QString());
        window.dialog->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.dialog.get()));
        QTest::keySequence(window.dialog.get(), QKeySequence::Find);
        QVERIFY(window.box->hasFocus());
        QTest::keyClicks(window.box, "D8");
        QTRY_COMPARE(window.shown(*window.results), QStringList{"bull/deep/d8r1.wkz"});
        QVERIFY(!window.dialog->Search()->building());  // the library is read once
        QVERIFY(window.results->isVisible() && !window.dialog->List()->isVisible());
        QCOMPARE(textOf(*window.dialog, kListLastRow), QStringLiteral("1"));
        QTest::mouseClick(window.results->viewport(), Qt::LeftButton, {}, window.rowPoint(0));
        QCOMPARE(selectedPath(*window.dialog), window.small);
        QVERIFY(window.dialog->Tree()->selectedItem()->parent()->isExpanded());

        window.box->clear();
        QTest::keyClicks(window.box, "wkz");
        QCOMPARE(window.shown(*window.results).size(), 4);
        // sorted by corner radius, then refined: the order stays; Down selects the first match
        QHeaderView* header = window.results->header();
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                          QPoint(header->sectionViewportPosition(3) + 5, 5));
        QTest::keyClicks(window.box, " wkz");
        QCOMPARE(window.shown(*window.results).first(), QStringLiteral("bull/d10r2.wkz"));
        window.dialog->SelectPath(window.fixture.library());
        QTest::keyClick(window.box, Qt::Key_Down);
        QCOMPARE(selectedPath(*window.dialog), window.tool);

        ScriptedPresenter presenter;
        QTest::keyClicks(window.box, " zz:1");
        QVERIFY(textOf(*window.dialog, kListDirectory).contains("zz:1"));
        QCOMPARE(textOf(*window.dialog, kListLastRow), QString());
        QTest::keyClick(window.box, Qt::Key_Escape);
        QCOMPARE(window.box->text(), QString());
        QVERIFY(window.dialog->isVisible() && window.dialog->List()->isVisible());
        QVERIFY(!window.results->isVisible());
        QCOMPARE(textOf(*window.dialog, kListDirectory),
                 QString::fromStdString(window.fixture.libraryFile("bull")));
        QVERIFY(presenter.shown.empty());

        QTest::keyClicks(window.box, "f6");
        QTest::mouseDClick(window.results->viewport(), Qt::LeftButton, {}, window.rowPoint(0));
        QCOMPARE(window.dialog->result(), int(QDialog::Accepted));
        QVERIFY(window.fixture.readChangeFile()->find("flat\\f6.wkz") != std::string::npos);
    }

    // The matches' "Export..." writes just the tools found, named by their paths in the library.
    void matchesExport() {
        SearchWindow window;
        QTest::keyClicks(window.box, "D8");
        QTRY_COMPARE(window.shown(*window.results).size(), 1);
        ScriptedFileChooser chooser;
        const std::string csv = window.fixture.libraryFile("found.csv");
        chooser.saveFiles = {csv};
        QTimer closer;  // the report window
        QObject::connect(&closer, &QTimer::timeout, [] {
            if (auto* report = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                report->reject();
            }
        });
        closer.start(10);
        window.dialog->Search()->exportMatches();
        const std::optional<std::string> bytes = platform::read_file(csv);
        QVERIFY(bytes && bytes->find("bull/deep/d8r1.wkz") != std::string::npos);
        QCOMPARE(std::count(bytes->begin(), bytes->end(), '\n'), 2);
    }

    // Rows of tools with findings carry them as a tooltip in both lists, the shown tool names
    // them beside its tabs, and Save As of a tool with an error asks once: No keeps the edits
    // unsaved, Yes saves, and the saved copy is marked once the index has read it.
    void findingsMarkedAndAskedOnSave() {
        SearchWindow window;
        QTRY_VERIFY(window.dialog->Search()->indexReady());
        QVERIFY(selectInTree(*window.dialog, window.bad));
        const QString text =
            fromInstallationText(FindingText(CheckToolFile(window.bad).at(0), 0)).simplified();
        QCOMPARE(window.shown(*window.dialog->List(), Qt::ToolTipRole),
                 QStringList({"", text, ""}));
        auto* line = window.dialog->findChild<FindingsLine*>();
        QVERIFY(line->isVisible() && line->fullText() == text);
        QTest::keyClicks(window.box, "problem:yes");
        QCOMPARE(window.shown(*window.results, Qt::ToolTipRole), QStringList{text});

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
        QTRY_COMPARE(window.shown(*window.results).size(), 2);

        QVERIFY(selectInTree(*window.dialog, window.flat));
        QVERIFY(!line->isVisible());
        chooser.saveFiles = {window.fixture.libraryFile("flat/f6b.wkz")};
        QVERIFY(window.dialog->SaveToolAs());
        QCOMPARE(presenter.shown.size(), std::size_t(2));
    }
};

CUTTERBASE_GUI_TEST(ToolSearchTest)

#include "tool_search_test.moc"
