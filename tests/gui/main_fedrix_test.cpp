// The Fedrix settings in the main window: tab, check box, Save As and Close with the Fedrix file.

#include <algorithm>

#include "gui/pages/fedrix_advanced_page.h"
#include "gui/pages/fedrix_optimize_page.h"
#include "gui/pages/fedrix_page.h"
#include "main_window_fixture.h"

using namespace guitest;
using testsupport::read_file;
namespace fs = std::filesystem;

namespace {

// Save As after "Default" for the flat tool (family-200 toolpath), the minimum feed typed 850.
const char* const kSavedFedrix =
    "[T.A.L.M.O.R.]\r\nFedrix=Fedrix Tool Information\r\n[BASICS]\r\nOptimize Feed Rates=y\r\n"
    "Min Feed Rate=850\r\nMax Feed Rate=1400\r\nStart Depth=0.190\r\nMax Depth=0.950\r\n"
    "Max Cut Height=0.000\r\n[ADVANCED]\r\nPlunge Continous Adaptation=1\r\n"
    "Plunge Factor=1.000\r\nPlunge Start Angle=1.000\r\nPlunge End Angle=70.000\r\n"
    "Ramp Feed Rate=0\r\nRamp Angle=0.000\r\nUnsymmetry Factor=1.000\r\nDrag Factor=1.000\r\n"
    "Drag Start Angle=1.000\r\nDrag End Angle=70.000\r\nClimb Factor=1.000\r\n"
    "Entangulation Start Angle=10.000\r\nEntangulation End Angle=90.000\r\n"
    "Entangulation Factor=1.000\r\nAir Cut Feed Rate=0\r\nAir Cut Optimization=n\r\n"
    "Retraction Optimization=n\r\nStock Distance=0.000\r\nFeed Rate Per Tooth=0.000\r\n"
    "Number Of Teeth=0\r\nSpindle Speed Optimization=n\r\n";

// Fedrix switched on; the toolpath's tool has Fedrix settings, a flat tool for "Default" none.
struct FedrixWindow {
    FedrixWindow() {
        fixture.env().set("KVX_FEDRIX", "1");
        bull = fixture.tool("bull/d10r2.wkz");
        bullFedrix = fixture.write(
            "bull/d10r2.ncs",
            "[T.A.L.M.O.R.]\r\nFedrix=Fedrix Tool Information\r\n[BASICS]\r\nMin Feed Rate=1800\r\n"
            "[ADVANCED]\r\nPlunge Continous Adaptation=0\r\nRamp Feed Rate=600\r\n");
        flat = fixture.write("flat/f10.wkz",
                             "R: &TP_BRAD=5.000\r\nS: &TP_STEP=2.000\r\nZ: &TP_DZSTEP=1.000\r\n"
                             "T: &TP_ZSTEPTYPE=2\r\nF: &TP_FRCUT=1000.000\r\n");
        dialog = fixture.open();
    }
    QAbstractButton* box() const {
        return findControl<QAbstractButton>(dialog.get(), main_ids::kFedrix);
    }
    CPageFedrix* fedrix() const { return dialog->Sheet()->FedrixPage(); }
    void type(int id, const QString& text, int page = 0) const {
        auto* edit = findControl<QLineEdit>(
            page == 0 ? static_cast<QWidget*>(fedrix()->OptimizePage()) : fedrix()->AdvancedPage(),
            id);
        edit->selectAll();
        QTest::keyClicks(edit, text);
    }

    MainWindowFixture fixture;
    std::string bull, bullFedrix, flat;
    std::unique_ptr<CCutterBaseDlg> dialog;
};

}  // namespace

class MainWindowFedrixTest : public QObject {
    Q_OBJECT

private slots:
    // Tab, box and images follow the tool; the box adds the "Default" proposals or removes them.
    void theBoxAddsAndRemovesTheFedrixFile() {
        ScriptedPresenter presenter;
        ScriptedFileChooser chooser;
        FedrixWindow window;
        CCutterBaseDlg& dialog = *window.dialog;
        QVERIFY(window.box()->isChecked() && !dialog.IsFedrixModified());
        QVERIFY(dialog.Sheet()->count() == 3 &&
                dialog.Sheet()->currentWidget() == dialog.Sheet()->ToolPage());
        QCOMPARE(findControl<QLineEdit>(window.fedrix()->OptimizePage(), 1020)->text(),
                 QStringLiteral("1800"));
        QCOMPARE(CTreeCtrlTool::itemImage(dialog.Tree()->selectedItem()), 4);
        const std::vector<ToolListRow>& rows = dialog.List()->toolModel()->rows();
        QVERIFY(std::any_of(rows.begin(), rows.end(),
                            [](const ToolListRow& row) { return row.image == kImageFedrixTool; }));
        QVERIFY(selectInTree(dialog, window.flat));
        QVERIFY(!window.box()->isChecked() && window.fedrix() == nullptr);
        QVERIFY(dialog.Sheet()->count() == 2 &&
                CTreeCtrlTool::itemImage(dialog.Tree()->selectedItem()) == 3);
        window.box()->click();
        QVERIFY(window.fedrix() != nullptr && dialog.Sheet()->currentWidget() == window.fedrix());
        QVERIFY(dialog.IsFedrixModified() && !dialog.IsToolModified());
        // The family rule reads the type's code; the type itself shows by name.
        QCOMPARE(textOf(dialog, main_ids::kToolpathType), QStringLiteral("Pencil three"));
        window.type(1020, QStringLiteral("850"));
        const std::string target = window.fixture.libraryFile("flat/f10_opt.wkz");
        const std::string fedrixFile = window.fixture.libraryFile("flat/f10_opt.ncs");
        chooser.saveFiles = {target, target};
        QVERIFY(dialog.SaveToolAs());
        QCOMPARE(read_file(fedrixFile), std::string(kSavedFedrix));
        QVERIFY(window.box()->isChecked() && !dialog.IsFedrixModified());

        window.box()->click();
        QVERIFY(window.fedrix() == nullptr && dialog.IsFedrixModified());
        QVERIFY(dialog.Sheet()->currentWidget() == dialog.Sheet()->ToolPage());
        QVERIFY(dialog.SaveToolAs());
        QVERIFY(!fs::exists(fedrixFile) && fs::exists(target) && presenter.shown.empty());
    }

    // A folder is no Fedrix file; another kind of file is named once and replaced only when asked.
    void filesThatHoldNoFedrixSettings() {
        ScriptedPresenter presenter;
        ScriptedFileChooser chooser;
        FedrixWindow window;
        CCutterBaseDlg& dialog = *window.dialog;
        const std::string blocked = window.fixture.tool("bull/blocked.wkz");
        const std::string folder = window.fixture.libraryFile("bull/blocked.ncs");
        fs::create_directories(folder);
        const std::string other = window.fixture.tool("bull/other.wkz");
        const std::string foreign = "[T.A.L.M.O.R.]\r\nFedrix=fedrix tool information\r\n";
        const std::string otherFedrix = window.fixture.write("bull/other.ncs", foreign);
        dialog.RebuildTree();
        QVERIFY(selectInTree(dialog, blocked));
        QVERIFY(!window.box()->isChecked() && window.fedrix() == nullptr);
        chooser.saveFiles.push_back(blocked);
        QVERIFY(dialog.SaveToolAs());
        QVERIFY(presenter.shown.empty() && fs::is_directory(folder));

        QVERIFY(selectInTree(dialog, window.bull) && selectInTree(dialog, other));
        QCOMPARE(presenter.shown.size(), size_t{1});
        QCOMPARE(presenter.shown[0].text,
                 "'" + otherFedrix + "' ist nicht eine 'Fedrix Tool' Ini-Datei!");
        QVERIFY(window.box()->isChecked());
        QCOMPARE(findControl<QLineEdit>(window.fedrix()->OptimizePage(), 1020)->text(),
                 QStringLiteral("250"));
        const std::string question = "The file\n\n\t'" + otherFedrix +
                                     "'\n\nis no Fedrix tool file that this program can read.\n";
        for (const char* asked : {"Delete it, as the tool has no Fedrix settings now?",
                                  "Replace it with the tool's Fedrix settings?"}) {
            window.box()->click();
            presenter.buttons = {kAnswerNo};
            chooser.saveFiles.push_back(other);
            QVERIFY(!dialog.SaveToolAs());
            QCOMPARE(presenter.shown.back().text, question + asked);
            QVERIFY(read_file(otherFedrix) == foreign && dialog.IsFedrixModified());
        }
        chooser.saveFiles.push_back(other);
        QVERIFY(dialog.SaveToolAs());
        QVERIFY(read_file(otherFedrix).starts_with("[T.A.L.M.O.R.]\r\nFedrix=Fedrix Tool Info"));

        QVERIFY(selectInTree(dialog, window.bull));
        window.type(1020, QStringLiteral("900"));
        const std::string copy = window.fixture.libraryFile("bull/blocked.WKZ");
        chooser.saveFiles.push_back(copy);
        QVERIFY(!dialog.SaveToolAs());
        QCOMPARE(presenter.shown.size(), std::size_t(5));
        QCOMPARE(presenter.shown.back().id, std::string("GENERAL/GENERAL_CREATION"));
        QVERIFY(presenter.shown.back().text.find(folder) != std::string::npos);
        QVERIFY(!fs::exists(copy) && fs::is_directory(folder) && dialog.IsFedrixModified());
        QCOMPARE(selectedPath(dialog), window.bull);
    }

    // A refused value stops Save As before the file is asked for; Close saves Fedrix changes.
    void refusedValueStopsTheSaveAndCloseSavesFedrixChanges() {
        ScriptedPresenter presenter;
        ScriptedFileChooser chooser;
        FedrixWindow window;
        CCutterBaseDlg& dialog = *window.dialog;
        window.type(1039, QStringLiteral("0.5"), 1);
        chooser.saveFiles.push_back(window.bull);
        QVERIFY(!dialog.SaveToolAs() && chooser.saveRequests.empty());
        QCOMPARE(presenter.shown.at(0).text,
                 std::string("Please enter a number between 1 and 10."));

        window.type(1039, QStringLiteral("2"), 1);
        window.type(1021, QStringLiteral("30000"));
        QVERIFY(dialog.IsFedrixModified() && !dialog.IsToolModified());
        QVERIFY(dialog.ApplyAndClose());
        QCOMPARE(chooser.saveRequests.size(), std::size_t(1));
        const std::string saved = read_file(window.bullFedrix);
        QVERIFY(saved.find("Max Feed Rate=30000\r\n") != std::string::npos);
        QVERIFY(saved.find("Ramp Feed Rate=600\r\n") != std::string::npos);
        QVERIFY(window.fixture.readChangeFile().has_value());
    }
};

CUTTERBASE_GUI_TEST(MainWindowFedrixTest)

#include "main_fedrix_test.moc"
