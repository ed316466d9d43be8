// The main window end to end through its real widgets: its list, Options building the tree afresh,
// the Fedrix settings with their file, and the program as a process with its start-up failure box.

#include <sys/stat.h>
#include <unistd.h>

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QSizeGrip>
#include <QTimer>
#include <algorithm>
#include <fstream>

#include "app/path_parts.h"
#include "gui/dialogs/options_dialog.h"
#include "gui/dialogs/startup_failure.h"
#include "gui/pages/fedrix_page.h"
#include "gui/pages/sheet_fedrix.h"
#include "main_window_fixture.h"
#include "pages_fake_host.h"
#include "platform/filesystem.h"
#include "runtime/environment.h"
#include "tool/tool_parameter_set.h"

using namespace guitest;
using namespace main_ids;
using testsupport::read_file;
namespace fs = std::filesystem;

namespace {

// The toolpath's tool bull/d10r2.wkz (corner radius as the row says) and flat/f6.wkz (1).
struct StartCase {
    const char* name;
    const char* reference;  // TP_INDEX82 of the toolpath
    const char* cornerRadius;
    const char* lastToolDirectory;  // of the user's settings, below the library; null: none
    bool toolShown;
    const char* message;
};

const StartCase kStarts[] = {
    {"consistent tool", ".\\bull\\d10r2.wkz", "2.000", nullptr, true, ""},
    {"other case and separator", "./BULL/D10R2.WKZ", "2.000", nullptr, true, ""},
    {"no tool", "**", "2.000", nullptr, false, ""},
    {"stale last tool directory", "**", "2.000", "gone", false, ""},
    {"inconsistent tool", ".\\bull\\d10r2.wkz", "2.500", nullptr, false,
     "LIB_TALMOR_GMBH/KARVEX_TOOL_INCONSISTENT"},
};

// A button's id or one of these; kTwice: a double-click in a window for toolpath 0.
enum Command { kEscape = 1, kClick, kAccessibility, kSelection, kTwice };

constexpr char kFifo[] = "fifo";
constexpr char kDeviceLink[] = "device";  // a link to /dev/null
constexpr char kTool[] = "Body Radius: &TP_BRAD=5.000\r\nCorner Radius: &TP_CRAD=1.000\r\n";
constexpr char kBlocked[] = "blocked";  // a directory stands where the change file goes
constexpr char kNotATool[] = "is not a readable tool file";
constexpr char kF6Change[] = "!EDIT_LEVEL=4 &TP_CRAD=1.000 &TP_INDEX82=.\\flat\\f6.wkz ";
constexpr char kCreation[] = "GENERAL/GENERAL_CREATION";

// Save As answers with a file below the library ("" cancels), a question with `answer`.
struct Case {
    const char* name;
    const char* startOn;
    const char* content;  // of a file written for the case; null: the library's own
    const char* typed;
    int command;
    const char* saveTo;
    int answer;
    const char* proposal;    // the file name proposed; "" when no save is asked for
    const char* after;       // selected item, corner radius, edits kept or not, result
    const char* changeFile;  // null: none written
    const char* message;     // part of the one message shown (its id or text)
};

const Case kCases[] = {
    {"close after a choice", "flat/f6.wkz", nullptr, nullptr, kClose, "", 0, "",
     "flat/f6.wkz 1 clean ok", kF6Change, ""},
    {"cancel after a choice", "flat/f6.wkz", nullptr, nullptr, kCancel, "", 0, "",
     "flat/f6.wkz 1 clean cancelled", nullptr, ""},
    {"change file unwritable", "flat/f6.wkz", nullptr, nullptr, kClose, "", 0, "",
     "flat/f6.wkz 1 clean open", kBlocked, "could not be written"},
    {"cancel with edits, kept", "", nullptr, "5", kCancel, "", kAnswerNo, "",
     "bull/d10r2.wkz 5 edited open", nullptr, "Do you want to discard them?"},
    {"escape with edits, discarded", "", nullptr, "5", kEscape, "", kAnswerYes, "",
     "bull/d10r2.wkz 5 edited cancelled", nullptr, "Do you want to discard them?"},
    {"close on a FIFO, refused", "flat/p.wkz", kFifo, nullptr, kClose, "", kAnswerNo, "",
     "flat/p.wkz 2 clean open", nullptr, kNotATool},
    {"close on a link to a device, accepted", "flat/n.wkz", kDeviceLink, nullptr, kClose, "",
     kAnswerYes, "", "flat/n.wkz 2 clean ok", "!EDIT_LEVEL=2 &TP_INDEX82=.\\flat\\n.wkz ",
     kNotATool},
    {"close on an empty tool file", "flat/e.wkz", "", nullptr, kClose, "", 0, "",
     "flat/e.wkz 2 clean ok", "!EDIT_LEVEL=2 &TP_INDEX82=.\\flat\\e.wkz ", ""},
    {"close on a name with a line break", "flat/a\nb.wkz", kTool, nullptr, kClose, "", 0, "",
     "flat/a\nb.wkz 1 clean open", nullptr, "holds a line break and cannot go into"},
    {"toolpath 0, a double-click applies", "flat/f6.wkz", nullptr, nullptr, kTwice, "", 0, "",
     "flat/f6.wkz 1 clean ok", kF6Change, ""},
    {"move, save cancelled", "", nullptr, "3", kClick, "", 0, "d10r2.wkz",
     "flat/f6.wkz 1 clean open", nullptr, ""},
    {"move, saved", "", nullptr, "3", kClick, "bull/d10r3.wkz", 0, "d10r2.wkz",
     "bull/d10r3.wkz 3 clean open", nullptr, ""},
    {"move by accessibility, save cancelled", "", nullptr, "3", kAccessibility, "", 0, "d10r2.wkz",
     "flat 2 clean open", nullptr, ""},
    {"move by the selection model, saved", "", nullptr, "3", kSelection, "bull/d10r3.wkz", 0,
     "d10r2.wkz", "bull/d10r3.wkz 3 clean open", nullptr, ""},
    {"move, folder missing", "", nullptr, "3", kClick, "no/d10r3.wkz", 0, "d10r2.wkz",
     "bull/d10r2.wkz 3 edited open", nullptr, kCreation},
    {"move, not a number", "", nullptr, "3x", kClick, "bull/x.wkz", 0, "",
     "bull/d10r2.wkz 3x edited open", nullptr, "Please enter a number."},
    {"save as cancelled", "", nullptr, "1.5", kSaveAs, "", 0, "d10r2.wkz",
     "bull/d10r2.wkz 1.5 edited open", nullptr, ""},
    {"save as on a folder, a tool without size", "bull", nullptr, nullptr, kSaveAs, "bull/copy.wkz",
     kAnswerYes, "bull nose D10 R2", "bull/copy.wkz 2 clean open", nullptr, "The tool has errors"},
    {"read, nothing edited", "flat/f6.wkz", nullptr, nullptr, kReadFromToolpath, "", 0, "",
     "bull/d10r2.wkz 2 clean open", nullptr, ""},
    {"read, edits dropped", "flat/f6.wkz", nullptr, "4", kReadFromToolpath, "", 0, "f6.wkz",
     "bull/d10r2.wkz 2 clean open", nullptr, ""},
    {"read, save fails", "flat/f6.wkz", nullptr, "4", kReadFromToolpath, "no/f6.wkz", 0, "f6.wkz",
     "flat/f6.wkz 4 edited open", nullptr, kCreation},
    {"close, save fails", "", nullptr, "3", kClose, "no/d10r3.wkz", 0, "d10r2.wkz",
     "bull/d10r2.wkz 3 edited open", nullptr, kCreation},
};

std::vector<std::string> messageIds(const ScriptedPresenter& presenter) {
    std::vector<std::string> ids;
    for (const ShownMessage& message : presenter.shown) {
        ids.push_back(message.id);
    }
    return ids;
}

void run(CCutterBaseDlg& dialog, int command, const std::string& other) {
    CTreeCtrlTool* tree = dialog.Tree();
    const QModelIndex target = tree->indexFromItem(tree->findTreeItem(tree->rootItem(), other));
    int row = 0;
    switch (command) {
        case kEscape:
            return QTest::keyClick(&dialog, Qt::Key_Escape);
        case kClick:
            QVERIFY(selectInTree(dialog, other));
            return;
        case kAccessibility:
            for (QModelIndex index = tree->model()->index(0, 0); index != target.parent();
                 index = tree->indexBelow(index)) {
                ++row;
            }
            QVERIFY(QAccessible::queryAccessibleInterface(tree)->tableInterface()->selectRow(row));
            return;
        case kSelection:
            tree->selectionModel()->clearSelection();
            tree->selectionModel()->select(target, QItemSelectionModel::Select);
            return;
        case kTwice:
            QVERIFY(!findControl(&dialog, kClose)->isEnabled());
            QVERIFY(!findControl(&dialog, kReadFromToolpath)->isEnabled());
            return QTest::mouseDClick(tree->viewport(), Qt::LeftButton, {},
                                      tree->visualItemRect(tree->selectedItem()).center());
        default:
            click(&dialog, command);
    }
}

// The shown controls of the window that leave it or overlap another.
QString layoutFaults(const QWidget& window) {
    QStringList faults;
    std::vector<const QWidget*> placed;
    for (const QWidget* control : window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (control->isHidden() || qobject_cast<const QSizeGrip*>(control) != nullptr) {
            continue;
        }
        if (!window.rect().contains(control->geometry())) {
            faults << control->objectName() + " outside";
        }
        for (const QWidget* other : placed) {
            if (other->geometry().intersects(control->geometry())) {
                faults << control->objectName() + " on " + other->objectName();
            }
        }
        placed.push_back(control);
    }
    return faults.join(", ");
}

// Made too small, the window stops where every control still fits, clear of the others.
void checkMinimumSize(CCutterBaseDlg& dialog) {
    dialog.show();
    for (const QSize request : {QSize(400, 300), QSize(100, 80)}) {
        dialog.resize(request);
        QCOMPARE(dialog.size(), dialog.minimumSize());
        QCOMPARE(layoutFaults(dialog), QString());
    }
}

// A library with the toolpath's tool, two more tools beside it and a folder.
struct ListWindow {
    MainWindowFixture fixture;
    std::string tool = fixture.tool("bull/d10r2.wkz");
    std::string reground = fixture.tool("bull/d10r2_reground.wkz", "2.500");
    std::string small = fixture.tool("bull/d8r1.wkz", "1.000");
    std::string flat = fixture.tool("flat/f6.wkz", "0.000");
    std::unique_ptr<CCutterBaseDlg> dialog;
    CListCtrlTool* list = nullptr;

    ListWindow() {
        std::filesystem::create_directories(fixture.libraryFile("bull/long"));
        dialog = fixture.open();
        dialog->show();
        list = dialog->List();
    }
};

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
    QAbstractButton* box() const { return findControl<QAbstractButton>(dialog.get(), kFedrix); }
    CPageFedrix* fedrix() const { return dialog->Sheet()->FedrixPage(); }
    QLineEdit* field(int id, int page = 0) const {
        return findControl<QLineEdit>(fedrix()->Sheet()->widget(page), id);
    }
    void type(int id, const QString& text, int page = 0) const {
        field(id, page)->selectAll();
        QTest::keyClicks(field(id, page), text);
    }

    MainWindowFixture fixture;
    std::string bull, bullFedrix, flat;
    std::unique_ptr<CCutterBaseDlg> dialog;
};

// Exit status (-1 for a crash or a hang), standard output and standard error.
std::tuple<int, QString, QString> runProgram(const QStringList& arguments,
                                             QProcessEnvironment environment) {
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    QProcess program;
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(CUTTERBASE_PROGRAM), arguments);
    const bool ended = program.waitForFinished(60000) && program.exitStatus() == 0;
    program.kill();
    return {ended ? program.exitCode() : -1, program.readAllStandardOutput(),
            program.readAllStandardError()};
}

}  // namespace

class MainDialogTest : public QObject {
    Q_OBJECT

private slots:
    // The toolpath's tool when it exists and matches, else the last tool directory or the library.
    void startShowsTheToolpathsTool_data() { addRows(kStarts); }
    void startShowsTheToolpathsTool() {
        const StartCase& row = fetchRow(kStarts);
        MainWindowFixture fixture;
        const std::string tool = fixture.tool("bull/d10r2.wkz", row.cornerRadius);
        fixture.setToolReference(row.reference);
        if (row.lastToolDirectory != nullptr) {
            fixture.writeUserSettings(fixture.libraryFile(row.lastToolDirectory));
        }
        ScriptedPresenter presenter;
        auto dialog = fixture.open();
        QCOMPARE(messageIds(presenter),
                 *row.message ? std::vector<std::string>{row.message} : std::vector<std::string>{});
        // the selected item, what the tool settings name, Delete and the fields enabled, values
        QCOMPARE(QStringList({QString::fromStdString(selectedPath(*dialog)),
                              textOf(*dialog, kToolSettings),
                              QString::number(findControl(dialog.get(), kDelete)->isEnabled()),
                              QString::number(cornerRadius(*dialog)->isEnabled()),
                              cornerRadius(*dialog)->text(), textOf(*dialog, kToolpathNumber),
                              textOf(*dialog, kUnits), textOf(*dialog, kToolpathType)})
                     .join(' '),
                 QString::fromStdString(row.toolShown ? tool + " " + tool + " 1 1"
                                                      : fixture.library() + " Toolpath 1 0 0") +
                     " 2 1 mm Pencil three");
        QVERIFY(!dialog->ToolChanged() && !dialog->IsToolModified());
    }

    // Named once, in the catalogue's language; the type stays empty.
    void unreadableToolpathOrNoWorkzone() {
        const std::tuple<const char*, const char*, const char*> cases[] = {
            {"outil.par", nullptr, "ang"}, {"outil.par", "\x01 x\n", "ang"},
            {"outil.par", "", "all"},      {"outil.mul", nullptr, "ang"},
            {"outil.mul", "/", "ang"},
        };
        for (const auto& [file, bytes, language] : cases) {
            MainWindowFixture fixture(language);
            const std::string path = DirectoryPart(fixture.changeFile()) + "/" + file;
            std::filesystem::remove(path);
            if (bytes != nullptr && *bytes == '/') {
                std::filesystem::create_directory(path);
            } else if (bytes != nullptr) {
                std::ofstream(path) << bytes;
            }
            ScriptedPresenter presenter;
            auto dialog = fixture.open();
            QCOMPARE(presenter.shown.size(), std::size_t(1));
            const std::string text =
                std::string_view(language) == "all" ? "Die Bahndatei" : "The toolpath file";
            QVERIFY2(presenter.shown[0].text.find(text + "\n\n\t'" + path + "'") == 0, file);
            QCOMPARE(textOf(*dialog, kToolpathType), QString());
        }
        // Without a workzone the window cancels itself before it builds anything.
        MainWindowFixture fixture;
        fixture.env().set("KVXZONE", std::nullopt);
        ScriptedPresenter presenter;
        auto dialog = fixture.open();
        QVERIFY(dialog->StartupCancelled());
        QCOMPARE(messageIds(presenter),
                 std::vector<std::string>{"LIB_TALMOR_GMBH/KARVEX_ZONEINF_NOZONE"});
        QCOMPARE(dialog->Tree()->rootItem(), nullptr);
    }

    // Close writes only after a choice; edits are never lost without a word.
    void commands_data() { addRows(kCases); }
    void commands() {
        const Case& row = fetchRow(kCases);
        MainWindowFixture fixture;
        const std::string tool = fixture.tool("bull/d10r2.wkz");
        const std::string toolBytes = read_file(tool);
        const std::string other = fixture.tool("flat/f6.wkz", "1.000");
        const std::string start = *row.startOn ? fixture.libraryFile(row.startOn) : tool;
        if (row.content != nullptr) {
            fixture.write(row.startOn, row.content);
        }
        if (row.content == kFifo || row.content == kDeviceLink) {
            std::filesystem::remove(start);
            QVERIFY(row.content == kFifo ? mkfifo(start.c_str(), 0600) == 0
                                         : symlink("/dev/null", start.c_str()) == 0);
        }
        if (row.changeFile == kBlocked) {
            std::filesystem::create_directory(fixture.changeFile());
        }
        ScriptedPresenter presenter;
        presenter.buttons.push_back(row.answer);
        ScriptedFileChooser chooser;
        if (*row.saveTo) {
            chooser.saveFiles.push_back(fixture.libraryFile(row.saveTo));
        }
        auto dialog = fixture.open(row.command == kTwice ? 0 : 1);
        dialog->show();
        if (*row.startOn) {
            QVERIFY(selectInTree(*dialog, start));
            QCOMPARE(textOf(*dialog, kToolSettings).endsWith("(not a readable tool file)"),
                     std::string_view(row.message).find("readable") != std::string::npos);
        }
        if (row.typed != nullptr) {
            typeCornerRadius(*dialog, row.typed);
        }
        run(*dialog, row.command, other);

        const char* result = dialog->isVisible()                     ? "open"
                             : dialog->result() == QDialog::Accepted ? "ok"
                                                                     : "cancelled";
        QCOMPARE(
            QString::fromStdString(selectedPath(*dialog).substr(fixture.library().size() + 1)) +
                ' ' + cornerRadius(*dialog)->text() +
                (dialog->IsToolModified() ? " edited " : " clean ") + result,
            QString::fromLatin1(row.after));
        const std::string shown =
            presenter.shown.empty() ? "" : presenter.shown[0].id + ' ' + presenter.shown[0].text;
        QVERIFY2(presenter.shown.size() == (*row.message ? 1u : 0u) &&
                     shown.find(row.message) != std::string::npos,
                 shown.c_str());
        QCOMPARE(chooser.saveRequests.size(), std::size_t(*row.proposal ? 1 : 0));
        if (*row.proposal) {
            // The edited tool's name in its folder, or the edited folder itself.
            const SaveFileRequest& request = chooser.saveRequests[0];
            const std::filesystem::path edited = *row.startOn ? row.startOn : "bull/d10r2.wkz";
            const std::string folder =
                edited.has_extension() ? edited.parent_path().string() : edited.string();
            QCOMPARE(request.folder + "|" + request.file_name + "|" + request.title +
                         request.filter + request.default_extension,
                     fixture.libraryFile(folder) + "|" + row.proposal +
                         "|Save Tool AsKarvex Tool (*.wkz)|*.wkz||wkz");
        }
        const bool written = row.changeFile != nullptr && row.changeFile != kBlocked;
        QCOMPARE(QString::fromStdString(fixture.readChangeFile().value_or("none")),
                 QString::fromLatin1(written ? row.changeFile : "none"));
        const std::string settings = platform::read_file(fixture.userSettings()).value_or("");
        QCOMPARE(
            settings.find("Last Tool Dir=" + DirectoryPart(start) + "\r\n") != std::string::npos,
            written);
        if (dialog->IsToolModified() && *row.proposal) {
            QVERIFY(dialog->CurrentTool()->FindByName("TP_AUTOFLAGS") >= 0);
        }
        if (*row.saveTo && !dialog->IsToolModified() && row.typed != nullptr) {
            const std::string saved = read_file(fixture.libraryFile(row.saveTo));
            QVERIFY(saved.find(std::string("&TP_CRAD=") + row.typed) != std::string::npos);
        }
        QCOMPARE(read_file(tool), toolBytes);
    }

    // Delete asks once; Yes removes the tool and its Fedrix file; a vanished tool is named.
    void deleteAsksOnce() {
        for (const std::string how : {"yes by the button", "no by the button", "yes by the key",
                                      "yes by the button, gone before"}) {
            const bool deleted = how.starts_with("yes"), gone = how.ends_with("before");
            MainWindowFixture fixture;
            const std::string tool = fixture.tool("bull/d10r2.wkz");
            const std::string fedrix = fixture.write("bull/d10r2.ncs", "x");
            ScriptedPresenter presenter;
            presenter.buttons.push_back(deleted ? kAnswerYes : kAnswerNo);
            auto dialog = fixture.open();
            if (gone) {
                std::filesystem::remove(tool);
            }
            how.ends_with("key") ? QTest::keyClick(dialog->Tree(), Qt::Key_Delete)
                                 : click(dialog.get(), kDelete);
            std::vector<std::string> expected{"GENERAL/GENERAL_DELETE_FILE"};
            if (gone) {
                expected.push_back("GENERAL/GENERAL_FILE_NOT_VALID");
                QVERIFY(presenter.shown.back().text.find(tool) != std::string::npos);
            }
            QCOMPARE(messageIds(presenter), expected);
            // files left, the item selected, the list's rows, Delete enabled
            QCOMPARE(std::to_string(fs::exists(tool) + fs::exists(fedrix)) + " " +
                         selectedPath(*dialog) + " " +
                         std::to_string(dialog->List()->toolModel()->rows().size()) +
                         std::to_string(findControl(dialog.get(), kDelete)->isEnabled()),
                     deleted ? "0 " + fixture.libraryFile("bull") + " 10" : "2 " + tool + " 21");
        }
    }

    // 800 x 700 at first, the layout table, names, the about entry (menu and F1), Set All.
    void windowFrame() {
        MainWindowFixture fixture;
        fixture.tool("bull/d10r2.wkz");
        auto dialog = fixture.open();
        dialog->show();
        QCOMPARE(dialog->size(),
                 QSize(CCutterBaseDlg::kInitialWidth, CCutterBaseDlg::kInitialHeight));
        QCOMPARE(namelessControls(dialog.get()), QStringList());
        QVERIFY(!dialog->windowIcon().isNull());
        // control, its move and growth when the window grows by 180 x 100
        const std::pair<QWidget*, QRect> grown[] = {
            {dialog->Sheet(), {180, 0, 0, 50}},
            {dialog->Tree(), {0, 0, 180, 50}},
            {dialog->List(), {0, 50, 180, 50}},
            {findControl(dialog.get(), kSaveAs), {0, 100, 30, 0}},
            {findControl(dialog.get(), kReadFromToolpath), {60, 100, 40, 0}},
            {findControl(dialog.get(), kFedrix), {100, 100, 0, 0}},
            {findControl(dialog.get(), kCancel), {140, 100, 40, 0}},
        };
        std::vector<QRect> expected;
        for (const auto& [control, change] : grown) {
            expected.push_back(control->geometry()
                                   .translated(change.x(), change.y())
                                   .adjusted(0, 0, change.width(), change.height()));
        }
        dialog->resize(dialog->width() + 180, dialog->height() + 100);
        for (std::size_t i = 0; i < expected.size(); ++i) {
            QCOMPARE(grown[i].first->geometry(), expected[i]);
        }
        checkMinimumSize(*dialog);

        auto* about = dialog->findChild<QAction*>(QLatin1String(CCutterBaseDlg::kAboutActionName));
        QVERIFY(dialog->contextMenuPolicy() == Qt::ActionsContextMenu &&
                dialog->actions().contains(about));
        QCOMPARE(about->text() + ' ' + about->shortcut().toString(),
                 QStringLiteral("Inf&o about Karvex - CutterBase... F1"));
        QString shown;
        QTimer::singleShot(0, [&shown] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                shown = QString::fromLatin1(modal->metaObject()->className());
                modal->close();
            }
        });
        about->trigger();
        QCOMPARE(shown, QStringLiteral("AboutDialog"));
        // Set All applies the fields of both pages, not only the shown one.
        click(dialog.get(), kSetAll);
        QVERIFY(dialog->CurrentTool()->FindByName("TP_CDESC") >= 0 &&
                dialog->CurrentTool()->FindByName("TP_RETRACT") >= 0 && dialog->IsToolModified());
    }

    // A missing key gives an empty caption; another program's file changes none.
    void germanCaptions() {
        for (const bool foreign : {false, true}) {
            MainWindowFixture fixture("all");
            fixture.tool("bull/d10r2.wkz");
            fixture.setToolReference("**");
            if (foreign) {
                fixture.replaceLanguageFile(
                    "[T.A.L.M.O.R.]\r\nPRODUCT=KvxOther\r\n[CUTTERBASEDLG]\r\n");
            }
            ScriptedPresenter presenter;
            ScriptedFileChooser chooser;
            auto dialog = fixture.open();
            click(dialog.get(), kSaveAs);
            QStringList captions{dialog->windowTitle()};
            for (const int id : {kToolSettingsLabel, kSaveAs, kClose, kOptions, kToolSettings}) {
                captions << textOf(*dialog, id);
            }
            captions << dialog->findChild<QAction*>(QLatin1String(CCutterBaseDlg::kAboutActionName))
                            ->text()
                     << QString::fromStdString(chooser.saveRequests.at(0).title);
            QCOMPARE(
                captions.join('|'),
                QString::fromUtf8(foreign ? "CutterBase|Tool Settings:|Save As...|Close|"
                                            "Options...| 1|Inf&o \u00fcber Karvex - CutterBase...|"
                                          : "Werkzeugbibliothek|Werkzeugeinstellung:|Speichern "
                                            "unter...|Schlie\u00dfen||Bahn 1|Inf&o \u00fcber "
                                            "Karvex - CutterBase...|Werkzeug speichern unter"));
            QCOMPARE(findControl(dialog.get(), kToolSettings)->accessibleName(),
                     textOf(*dialog, kToolSettingsLabel));
            checkMinimumSize(*dialog);
        }
    }

    // The list follows and leads the tree; of its keys and clicks only a double-click ends it.
    void followsAndLeadsTheTree() {
        ListWindow window;
        CListCtrlTool* list = window.list;
        QCOMPARE(columnTexts(*list).join(' ') + ' ' + QString::fromStdString(list->selectedPath()) +
                     ' ' + textOf(*window.dialog, kListDirectory),
                 QString::fromStdString(".. long d10r2.wkz d10r2_reground.wkz d8r1.wkz " +
                                        window.tool + " " + window.fixture.libraryFile("bull")));
        QVERIFY(selectInTree(*window.dialog, window.flat));
        QCOMPARE(columnTexts(*list), QStringList({"..", "f6.wkz"}));
        window.dialog->SelectPath(window.fixture.library());
        QCOMPARE(columnTexts(*list), QStringList({"bull", "flat"}));
        QCOMPARE(list->selectedPath(), std::string());
        QVERIFY(selectInTree(*window.dialog, window.tool));

        // rows clicked in turn, the item selected in the tree afterwards
        const std::pair<const char*, std::string> clicks[] = {
            {"long", window.fixture.libraryFile("bull/long")},
            {"..", window.fixture.libraryFile("bull")},
            {"d8r1.wkz", window.small}};
        for (const auto& [row, path] : clicks) {
            clickRow(*list, columnTexts(*list).indexOf(row));
            QCOMPARE(selectedPath(*window.dialog), path);
        }
        QVERIFY(window.dialog->ToolChanged());
        // keys in turn, the tool selected in the tree and the list afterwards
        const std::pair<Qt::Key, std::string> keys[] = {{Qt::Key_Up, window.reground},
                                                        {Qt::Key_Up, window.tool},
                                                        {Qt::Key_End, window.small},
                                                        {Qt::Key_Right, window.small}};
        const int reads = list->folderReads();
        for (const auto& [key, path] : keys) {
            QTest::keyClick(list, key);
            QCOMPARE(selectedPath(*window.dialog) + " " + list->selectedPath(), path + " " + path);
        }
        QCOMPARE(list->folderReads(), reads);

        ScriptedPresenter presenter;
        presenter.buttons.push_back(kAnswerYes);
        for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape, Qt::Key_Delete}) {
            QTest::keyClick(list, key);
        }
        QVERIFY(window.dialog->isVisible() && !window.fixture.readChangeFile() &&
                presenter.shown.size() == 1 && !std::filesystem::exists(window.small));
        QCOMPARE(columnTexts(*list),
                 QStringList({"..", "long", "d10r2.wkz", "d10r2_reground.wkz"}));
        // A double-click applies the row's own tool, also one the tree lacks.
        window.fixture.tool("bull/new.wkz", "1.500");
        QVERIFY(selectInTree(*window.dialog, window.flat));
        QVERIFY(selectInTree(*window.dialog, window.tool));
        const int row = columnTexts(*window.list).indexOf("new.wkz");
        clickRow(*window.list, row);
        clickRow(*window.list, row, Qt::LeftButton, true);
        QCOMPARE(window.dialog->result(), int(QDialog::Accepted));
        QCOMPARE(window.fixture.readChangeFile(),
                 std::optional<std::string>(
                     "!EDIT_LEVEL=4 &TP_CRAD=1.500 &TP_INDEX82=.\\bull\\new.wkz "));
    }

    // OK takes the directory and builds the tree afresh; Cancel changes nothing.
    void optionsOkAndCancel() {
        ListWindow window;
        const std::string library = window.fixture.library();
        const std::string bull = window.fixture.libraryFile("bull");
        window.fixture.tool("added.wkz");
        // typed (null: as shown), accepted, the tool directory and tree root afterwards
        const std::tuple<const char*, bool, std::string> cases[] = {
            {nullptr, false, library}, {nullptr, true, library}, {bull.c_str(), true, bull}};
        for (const auto& [typed, accepted, directory] : cases) {
            QTimer::singleShot(0, [typed, accepted] {
                auto* options = qobject_cast<COptionsDlg*>(QApplication::activeModalWidget());
                if (typed != nullptr) {
                    findControl<QLineEdit>(options, COptionsDlg::kDirectoryEdit)->setText(typed);
                }
                accepted ? options->accept() : options->reject();
            });
            window.dialog->Options();
            QCOMPARE(window.dialog->ToolDirectory(), directory);
            QCOMPARE(selectedPath(*window.dialog), accepted ? directory : window.tool);
        }
        QCOMPARE(columnTexts(*window.list),
                 QStringList({"long", "d10r2.wkz", "d10r2_reground.wkz", "d8r1.wkz"}));
        QVERIFY(!window.dialog->IsToolModified() &&
                findControl(window.dialog.get(), kOptions)->isHidden());
    }

    // Tab, box and images follow the tool; the box adds the "Default" proposals or removes them.
    void theBoxAddsAndRemovesTheFedrixFile() {
        ScriptedPresenter presenter;
        ScriptedFileChooser chooser;
        FedrixWindow window;
        CCutterBaseDlg& dialog = *window.dialog;
        QVERIFY(window.box()->isChecked() && !dialog.IsFedrixModified() &&
                dialog.Sheet()->count() == 3 && dialog.Sheet()->currentIndex() == 0);
        QCOMPARE(window.field(1020)->text(), QStringLiteral("1800"));
        QCOMPARE(CTreeCtrlTool::itemImage(dialog.Tree()->selectedItem()), 4);
        const std::vector<ToolListRow>& rows = dialog.List()->toolModel()->rows();
        QVERIFY(std::any_of(rows.begin(), rows.end(),
                            [](const ToolListRow& row) { return row.image == kImageFedrixTool; }));
        QVERIFY(selectInTree(dialog, window.flat));
        QVERIFY(!window.box()->isChecked() && window.fedrix() == nullptr &&
                CTreeCtrlTool::itemImage(dialog.Tree()->selectedItem()) == 3);
        window.box()->click();
        QVERIFY(window.fedrix() != nullptr && dialog.Sheet()->currentWidget() == window.fedrix());
        QVERIFY(dialog.IsFedrixModified() && !dialog.IsToolModified());
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

        // A refused value stops Save As before the file is asked for; Close saves Fedrix changes.
        QVERIFY(selectInTree(dialog, window.bull));
        chooser.saveRequests.clear();
        window.type(1039, QStringLiteral("0.5"), 1);
        chooser.saveFiles.push_back(window.bull);
        QVERIFY(!dialog.SaveToolAs() && chooser.saveRequests.empty());
        QCOMPARE(presenter.shown.at(0).text,
                 std::string("Please enter a number between 1 and 10."));

        window.type(1039, QStringLiteral("2"), 1);
        window.type(1021, QStringLiteral("30000"));
        QVERIFY(dialog.IsFedrixModified() && !dialog.IsToolModified() && dialog.ApplyAndClose());
        QCOMPARE(chooser.saveRequests.size(), std::size_t(1));
        const std::string saved = read_file(window.bullFedrix);
        QVERIFY(saved.find("Max Feed Rate=30000\r\nStart") != std::string::npos &&
                saved.find("Ramp Feed Rate=600\r\n") != std::string::npos &&
                window.fixture.readChangeFile().has_value());
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
        QVERIFY(dialog.SaveToolAs() && presenter.shown.empty() && fs::is_directory(folder));

        QVERIFY(selectInTree(dialog, window.bull) && selectInTree(dialog, other));
        QCOMPARE(presenter.shown.size(), size_t{1});
        QCOMPARE(presenter.shown[0].text,
                 "'" + otherFedrix + "' ist nicht eine 'Fedrix Tool' Ini-Datei!");
        QVERIFY(window.box()->isChecked());
        QCOMPARE(window.field(1020)->text(), QStringLiteral("250"));
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

    // As the CAM system starts it, then without any environment: nothing waits.
    void startsAloneOrEndsAsTheRuntimeSays() {
        guitest::MainWindowFixture fixture;
        fixture.tool("bull/d10r2.wkz");
        const QString picture = QString::fromStdString(fixture.libraryFile("window.png"));
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("CUTTERBASE_DEMO_PICTURE"), picture);
        const QString changeFile = QString::fromStdString(fixture.changeFile());
        QCOMPARE(std::get<0>(runProgram({"-tpnum", "1", "-o", changeFile}, environment)), 0);
        // Close with the toolpath's own tool unchanged writes nothing.
        QVERIFY(QImage(picture).width() >= 640 && !fixture.readChangeFile());

        environment.clear();
        environment.insert(QStringLiteral("DISPLAY"), QStringLiteral(":0"));
        const auto [helpStatus, help, helpErrors] = runProgram({"--help", "-tpnum"}, environment);
        QVERIFY(help.startsWith("usage: CutterBase [-tpnum N] [-o FILE]\n") &&
                help.contains("\n  --version "));
        const auto [versionStatus, version, versionErrors] = runProgram({"--version"}, environment);
        QVERIFY2(QRegularExpression("^CutterBase \\d+(\\.\\d+)+( \\(revision [0-9a-f]+\\))?\n$")
                     .match(version)
                     .hasMatch(),
                 qPrintable(version));
        QCOMPARE(QString::number(helpStatus + versionStatus) + helpErrors + versionErrors, "0");
        const auto [status, out, errors] = runProgram({"-tpnum", "1"}, environment);
        // Qt may have said something of its own first.
        QVERIFY2(
            status == 255 &&
                ("\n" + errors).endsWith("\nThe environment variable 'KVXHOME' is not defined\n"),
            qPrintable(errors));
    }

    void aFailedStartIsShownOnceWhereADisplayIs() {
        testsupport::ScopedEnv env;
        env.set("KVXHOME", std::nullopt);
        // KVXLANG, whether a display is, what the box shows after the runtime's line ("" none)
        for (const auto& [language, visible, text] :
             {std::tuple<std::optional<std::string>, bool, std::string>{
                  std::nullopt, true,
                  "CutterBase needs the environment of its CAM system (KVXHOME, KVXZONE):\nthe "
                  "CAM system starts it through KVX_CUTTER_HOOK_COMMAND for a toolpath."},
              {"ALL", true,
               "CutterBase braucht die Umgebung seines CAM-Systems (KVXHOME, KVXZONE):\nDas "
               "CAM-System startet es \xFC"
               "ber KVX_CUTTER_HOOK_COMMAND f\xFCr eine Bahn."},
              {"all", false, ""}}) {
            env.set("KVXLANG", language);
            guitest::ScriptedPresenter presenter;
            // Stands for the runtime's end of the process, which would end the test as well.
            set_fatal_handler([](const std::string& shown) { throw shown; });
            showStartupFailures(visible);
            unload_environment();
            QVERIFY_THROWS_EXCEPTION(std::string, get_variable("KVXZONE"));
            QCOMPARE(presenter.shown.size(), std::size_t(text.empty() ? 0 : 1));
            for (const auto& message : presenter.shown) {
                QVERIFY(message.plain && message.buttonSet == kButtonsOk);
                QCOMPARE(message.text,
                         "The environment variable 'KVXHOME' is not defined\n\n" + text);
            }
        }
        set_fatal_handler(nullptr);
        unload_environment();
    }
};

CUTTERBASE_GUI_TEST(MainDialogTest)

#include "main_dialog_test.moc"
