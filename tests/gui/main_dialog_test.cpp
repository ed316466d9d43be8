// The main window end to end through its real widgets: the start for the toolpath's tool, moving
// between tools with and without edits, Save As, Delete, Close writing the change file, Cancel,
// Read From Toolpath, Set All and toolpath 0.

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <filesystem>

#include "accessibility_check.h"
#include "gui/framework/control_ids.h"
#include "gui/main/main_dialog_controls.h"
#include "gui/main/tree_ctrl_tool.h"
#include "gui/pages/sheet_tool.h"
#include "gui/pages/tool_page.h"
#include "gui_test.h"
#include "main_window_fixture.h"
#include "scripted_file_chooser.h"
#include "scripted_presenter.h"
#include "support/test_support.h"
#include "table_rows.h"
#include "tool/tool_parameter_set.h"

using namespace guitest;
using namespace main_ids;

namespace {

constexpr int kCornerRadiusEdit = 1008;  // on the tool page

struct StartCase {
    const char* name;
    const char* reference;  // TP_INDEX82 of the toolpath
    const char* cornerRadius;
    bool toolShown;
    const char* message;  // the one message of the start, if any
};

const StartCase kStarts[] = {
    {"consistent tool", ".\\bull\\d10r2.wkz", "2.000", true, ""},
    {"other case and separator", "./BULL/D10R2.WKZ", "2.000", true, ""},
    {"no tool", "**", "2.000", false, ""},
    {"missing tool", ".\\bull\\gone.wkz", "2.000", false, ""},
    {"inconsistent tool", ".\\bull\\d10r2.wkz", "2.500", false,
     "LIB_TALMOR_GMBH/KARVEX_TOOL_INCONSISTENT"},
};

std::vector<std::string> messageIds(const ScriptedPresenter& presenter) {
    std::vector<std::string> ids;
    for (const ShownMessage& message : presenter.shown) {
        ids.push_back(message.plain ? "plain: " + message.text : message.id);
    }
    return ids;
}

QLineEdit* cornerRadius(const CCutterBaseDlg& dialog) {
    return findControl<QLineEdit>(dialog.Sheet()->ToolPage(), kCornerRadiusEdit);
}

void type(QLineEdit* edit, const QString& text) {
    edit->selectAll();
    QTest::keyClicks(edit, text);
}

void click(const CCutterBaseDlg& dialog, int id) {
    auto* button = findControl<QAbstractButton>(&dialog, id);
    QVERIFY(button != nullptr && button->isEnabled());
    button->click();
}

bool exists(const std::string& path) {
    return std::filesystem::exists(path);
}

}  // namespace

class MainDialogTest : public QObject {
    Q_OBJECT

private slots:
    // The toolpath's tool is selected and shown when it exists and matches the toolpath (the
    // report shown once otherwise); else the last tool directory, with the toolpath's values.
    void startShowsTheToolpathsTool_data() { addRows(kStarts); }
    void startShowsTheToolpathsTool() {
        const StartCase& row = fetchRow(kStarts);
        MainWindowFixture fixture;
        const std::string tool = fixture.tool("bull/d10r2.wkz", row.cornerRadius);
        fixture.setToolReference(row.reference);
        ScriptedPresenter presenter;
        auto dialog = fixture.open();
        QVERIFY(!dialog->StartupCancelled());
        const std::vector<std::string> expected =
            *row.message ? std::vector<std::string>{row.message} : std::vector<std::string>{};
        QCOMPARE(messageIds(presenter), expected);
        const std::string shown = row.toolShown ? tool : fixture.library();
        QCOMPARE(selectedPath(*dialog), shown);
        QCOMPARE(textOf(*dialog, kToolSettings),
                 row.toolShown ? QString::fromStdString(tool) : QStringLiteral("Toolpath 1"));
        QCOMPARE(findControl(dialog.get(), kDelete)->isEnabled(), row.toolShown);
        QCOMPARE(cornerRadius(*dialog)->text(), QStringLiteral("2"));
        QCOMPARE(cornerRadius(*dialog)->isEnabled(), row.toolShown);
        QCOMPARE(textOf(*dialog, kToolpathNumber), QStringLiteral("1"));
        QCOMPARE(textOf(*dialog, kUnits), QStringLiteral("mm"));
        QCOMPARE(textOf(*dialog, kToolpathType), QStringLiteral("Pencil three"));
        QVERIFY(!dialog->ToolChanged() && !dialog->IsToolModified());
    }

    // Close after choosing another tool writes the differing parameters and the tool's
    // reference, and remembers the tool's folder; the window ends.
    void closeWritesTheChangeFile() {
        MainWindowFixture fixture;
        fixture.tool("bull/d10r2.wkz");
        const std::string reground = fixture.tool("bull/d10r2_reground.wkz", "2.500");
        ScriptedPresenter presenter;
        auto dialog = fixture.open();
        QVERIFY(selectInTree(*dialog, reground));
        QVERIFY(dialog->ToolChanged());
        QCOMPARE(textOf(*dialog, kToolSettings), QString::fromStdString(reground));
        click(*dialog, kClose);
        QCOMPARE(dialog->result(), int(QDialog::Accepted));
        QCOMPARE(fixture.readChangeFile(),
                 std::optional<std::string>(
                     "!EDIT_LEVEL=4 &TP_CRAD=2.500 &TP_INDEX82=.\\bull\\d10r2_reground.wkz "));
        QVERIFY(testsupport::read_file(fixture.userSettings())
                    .find("Last Tool Dir=" + fixture.libraryFile("bull") + "\r\n") !=
                std::string::npos);
        QVERIFY(presenter.shown.empty());
    }

    // Nothing chosen or changed: Close ends the window and writes nothing; Cancel never writes.
    void closeWithNothingChosenAndCancel() {
        MainWindowFixture fixture;
        const std::string other = fixture.tool("flat/f6.wkz");
        fixture.tool("bull/d10r2.wkz");
        {
            auto dialog = fixture.open();
            click(*dialog, kClose);
            QCOMPARE(dialog->result(), int(QDialog::Accepted));
        }
        auto dialog = fixture.open();
        QVERIFY(selectInTree(*dialog, other));
        click(*dialog, kCancel);
        QCOMPARE(dialog->result(), int(QDialog::Rejected));
        QCOMPARE(fixture.readChangeFile(), std::nullopt);
        QVERIFY(!exists(fixture.userSettings()));
    }

    // A change file that cannot be written is announced and the window stays open, so the
    // user can try again.
    void closeWithAnUnwritableChangeFileStaysOpen() {
        MainWindowFixture fixture;
        fixture.tool("bull/d10r2.wkz");
        const std::string other = fixture.tool("flat/f6.wkz");
        std::filesystem::create_directory(fixture.changeFile());
        ScriptedPresenter presenter;
        auto dialog = fixture.open();
        dialog->show();
        QVERIFY(selectInTree(*dialog, other));
        click(*dialog, kClose);
        QCOMPARE(presenter.shown.size(), std::size_t(1));
        QVERIFY(presenter.shown[0].text.find(fixture.changeFile()) != std::string::npos);
        QVERIFY(dialog->isVisible());
        QVERIFY(!exists(fixture.userSettings()));

        std::filesystem::remove(fixture.changeFile());
        click(*dialog, kClose);
        QCOMPARE(dialog->result(), int(QDialog::Accepted));
        QVERIFY(fixture.readChangeFile().has_value());
    }

    // An edited tool asks to be saved before another item is shown, proposing the old tool's
    // name in its folder: Cancel drops the edits and shows the clicked item; a file name saves
    // the tool there and shows the saved tool instead.
    void movingAwayFromAnEditedTool_data() {
        QTest::addColumn<bool>("save");
        QTest::newRow("save cancelled") << false;
        QTest::newRow("saved") << true;
    }
    void movingAwayFromAnEditedTool() {
        QFETCH(bool, save);
        MainWindowFixture fixture;
        const std::string tool = fixture.tool("bull/d10r2.wkz");
        const std::string other = fixture.tool("flat/f6.wkz", "0.000");
        const std::string saved = fixture.libraryFile("bull/d10r3.wkz");
        ScriptedPresenter presenter;
        ScriptedFileChooser chooser;
        if (save) {
            chooser.saveFiles.push_back(saved);
        }
        auto dialog = fixture.open();
        type(cornerRadius(*dialog), QStringLiteral("3"));
        QVERIFY(dialog->IsToolModified());
        QVERIFY(selectInTree(*dialog, other));

        QCOMPARE(chooser.saveRequests.size(), std::size_t(1));
        const SaveFileRequest& request = chooser.saveRequests[0];
        QCOMPARE(request.file_name, std::string("d10r2.wkz"));
        QCOMPARE(request.folder, fixture.libraryFile("bull"));
        QCOMPARE(request.title, std::string("Save Tool As"));
        QCOMPARE(request.filter, std::string("Karvex Tool (*.wkz)|*.wkz||"));
        QCOMPARE(request.default_extension, std::string("wkz"));
        QVERIFY(!dialog->IsToolModified());
        QVERIFY(dialog->ToolChanged());
        QCOMPARE(selectedPath(*dialog), save ? saved : other);
        QCOMPARE(cornerRadius(*dialog)->text(), save ? QStringLiteral("3") : QStringLiteral("0"));
        QCOMPARE(exists(saved), save);
        if (save) {
            QVERIFY(testsupport::read_file(saved).find("&TP_CRAD=3.000") != std::string::npos);
            QVERIFY(dialog->CurrentTool()->FindByName("TP_AUTOFLAGS") >= 0);
        }
        QVERIFY(testsupport::read_file(tool).find("&TP_CRAD=2.000") != std::string::npos);
        QVERIFY(presenter.shown.empty());
    }

    // A save that fails, or a page that does not validate, keeps the old item selected with
    // its edits and says why.
    void failedSaveKeepsTheEdits_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message");
        QTest::newRow("folder missing") << "3"
                                        << "GENERAL/GENERAL_CREATION";
        QTest::newRow("not a number") << "3x"
                                      << "plain: Please enter a number.";
    }
    void failedSaveKeepsTheEdits() {
        QFETCH(QString, typed);
        QFETCH(QString, message);
        MainWindowFixture fixture;
        const std::string tool = fixture.tool("bull/d10r2.wkz");
        const std::string other = fixture.tool("flat/f6.wkz");
        const std::string target = fixture.libraryFile("missing/d10r3.wkz");
        ScriptedPresenter presenter;
        ScriptedFileChooser chooser;
        chooser.saveFiles.push_back(target);
        auto dialog = fixture.open();
        type(cornerRadius(*dialog), typed);
        QVERIFY(selectInTree(*dialog, other));

        QCOMPARE(messageIds(presenter), std::vector<std::string>{message.toStdString()});
        if (!presenter.shown[0].plain) {
            QVERIFY(presenter.shown[0].text.find(target) != std::string::npos);
        }
        QCOMPARE(selectedPath(*dialog), tool);
        QCOMPARE(cornerRadius(*dialog)->text(), typed);
        QVERIFY(dialog->IsToolModified());
        QVERIFY(!exists(target));

        // Close tries to save the edits as well and stays open when that fails.
        presenter.shown.clear();
        chooser.saveFiles.push_back(target);
        click(*dialog, kClose);
        QCOMPARE(presenter.shown.size(), std::size_t(1));
        QVERIFY(dialog->result() != QDialog::Accepted);
        QCOMPARE(fixture.readChangeFile(), std::nullopt);
    }

    // Delete asks once; Yes removes the tool and its Fedrix file and shows the tool's folder.
    void deleteAsksOnce_data() {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("key");
        QTest::newRow("yes") << int(kAnswerYes) << false;
        QTest::newRow("no") << int(kAnswerNo) << false;
        QTest::newRow("Delete key in the tree") << int(kAnswerYes) << true;
    }
    void deleteAsksOnce() {
        QFETCH(int, answer);
        QFETCH(bool, key);
        MainWindowFixture fixture;
        const std::string tool = fixture.tool("bull/d10r2.wkz");
        const std::string fedrix = fixture.libraryFile("bull/d10r2.ncs");
        std::filesystem::copy_file(tool, fedrix);
        ScriptedPresenter presenter;
        presenter.buttons.push_back(answer);
        auto dialog = fixture.open();
        if (key) {
            QTest::keyClick(dialog->Tree(), Qt::Key_Delete);
        } else {
            click(*dialog, kDelete);
        }
        QCOMPARE(messageIds(presenter), std::vector<std::string>{"GENERAL/GENERAL_DELETE_FILE"});
        const bool deleted = answer == kAnswerYes;
        QCOMPARE(exists(tool), !deleted);
        QCOMPARE(exists(fedrix), !deleted);
        QCOMPARE(selectedPath(*dialog), deleted ? fixture.libraryFile("bull") : tool);
        QCOMPARE(findControl(dialog.get(), kDelete)->isEnabled(), !deleted);
    }

    // Read From Toolpath shows the toolpath's tool again and forgets the choice made before.
    // Edits are offered for saving under the edited tool's name first, never into the
    // toolpath's tool: a cancelled save drops them, a failed one keeps them.
    void readFromToolpath_data() {
        QTest::addColumn<bool>("edited");
        QTest::addColumn<QString>("saveAs");
        QTest::newRow("nothing edited") << false << QString();
        QTest::newRow("edits dropped") << true << QString();
        QTest::newRow("edits kept") << true << "missing/f6.wkz";
    }
    void readFromToolpath() {
        QFETCH(bool, edited);
        QFETCH(QString, saveAs);
        MainWindowFixture fixture;
        const std::string tool = fixture.tool("bull/d10r2.wkz");
        const std::string other = fixture.tool("flat/f6.wkz");
        const std::string toolBytes = testsupport::read_file(tool);
        ScriptedPresenter presenter;
        ScriptedFileChooser chooser;
        if (!saveAs.isEmpty()) {
            chooser.saveFiles.push_back(fixture.libraryFile(saveAs.toStdString()));
        }
        auto dialog = fixture.open();
        QVERIFY(selectInTree(*dialog, other));
        if (edited) {
            type(cornerRadius(*dialog), QStringLiteral("4"));
        }
        click(*dialog, kReadFromToolpath);
        QCOMPARE(chooser.saveRequests.size(), std::size_t(edited ? 1 : 0));
        if (edited) {
            QCOMPARE(chooser.saveRequests[0].file_name, std::string("f6.wkz"));
        }
        const bool kept = !saveAs.isEmpty();
        QCOMPARE(selectedPath(*dialog), kept ? other : tool);
        QCOMPARE(cornerRadius(*dialog)->text(), kept ? QStringLiteral("4") : QStringLiteral("2"));
        QCOMPARE(dialog->ToolChanged(), kept);
        QCOMPARE(testsupport::read_file(tool), toolBytes);
        if (!kept) {
            click(*dialog, kClose);
            QCOMPARE(fixture.readChangeFile(), std::nullopt);
        }
    }

    // Set All applies every field of both pages to the tool.
    void setAllCoversBothPages() {
        MainWindowFixture fixture;
        fixture.tool("bull/d10r2.wkz");
        auto dialog = fixture.open();
        QCOMPARE(dialog->CurrentTool()->parameters().size(), std::size_t(2));
        click(*dialog, kSetAll);
        // The toolpath steps over and down automatically: no TP_STEP, no TP_DZSTEP.
        QStringList names;
        for (const ToolParameter& parameter : dialog->CurrentTool()->parameters()) {
            names << QString::fromStdString(parameter.name);
        }
        QCOMPARE(names,
                 QStringList({"TP_BRAD", "TP_CRAD", "TP_COMMENT", "TP_CDESC", "TP_CPPNUM",
                              "TP_STOCK", "TP_TOL", "TP_ZSTEPTYPE", "TP_FRAPPROACH", "TP_FRCUT",
                              "TP_FRRAPID", "TP_SPINDLE", "TP_APPROACH", "TP_RETRACT", "TP_LITYPE",
                              "TP_LIRAMP", "TP_LIRAD", "TP_STEPTYPE"}));
        QVERIFY(dialog->IsToolModified());
    }

    // Without a toolpath number Close and Read From Toolpath are disabled, but a double-click on
    // a tool still applies it.
    void toolpathZeroStillAppliesOnDoubleClick() {
        MainWindowFixture fixture;
        fixture.tool("bull/d10r2.wkz");
        const std::string other = fixture.tool("flat/f6.wkz", "1.000");
        auto dialog = fixture.open(0);
        QVERIFY(!findControl(dialog.get(), kClose)->isEnabled());
        QVERIFY(!findControl(dialog.get(), kReadFromToolpath)->isEnabled());
        dialog->show();
        CTreeCtrlTool* tree = dialog->Tree();
        QTreeWidgetItem* item = tree->findTreeItem(tree->rootItem(), other);
        tree->expandAll();
        const QPoint at = tree->visualItemRect(item).center();
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(tree->viewport(), Qt::LeftButton, {}, at);
        QCOMPARE(dialog->result(), int(QDialog::Accepted));
        QCOMPARE(fixture.readChangeFile(),
                 std::optional<std::string>("!EDIT_LEVEL=4 &TP_CRAD=1.000 "
                                            "&TP_INDEX82=.\\flat\\f6.wkz "));
    }

    // Without a workzone the window cancels itself before it builds anything.
    void noWorkzoneCancelsTheStart() {
        MainWindowFixture fixture;
        fixture.env().set("KVXZONE", std::nullopt);
        ScriptedPresenter presenter;
        auto dialog = fixture.open();
        QVERIFY(dialog->StartupCancelled());
        QCOMPARE(messageIds(presenter),
                 std::vector<std::string>{"LIB_TALMOR_GMBH/KARVEX_ZONEINF_NOZONE"});
        QCOMPARE(dialog->Tree()->rootItem(), nullptr);
    }

    // A last tool directory that no longer exists shows the tool directory, never a tool to
    // delete.
    void staleLastToolDirectoryShowsTheLibrary() {
        MainWindowFixture fixture;
        fixture.tool("bull/d10r2.wkz");
        fixture.setToolReference("**");
        fixture.writeUserSettings(fixture.libraryFile("gone"));
        auto dialog = fixture.open();
        QCOMPARE(selectedPath(*dialog), fixture.library());
        QVERIFY(!findControl(dialog.get(), kDelete)->isEnabled());
        QCOMPARE(textOf(*dialog, kToolSettings), QStringLiteral("Toolpath 1"));
    }

    // The Save As button proposes the selected tool's name in its folder, or for a folder the
    // tool's description in that folder; a cancelled save keeps the edits and TP_AUTOFLAGS.
    void saveAsButton_data() {
        QTest::addColumn<bool>("onFolder");
        QTest::addColumn<bool>("accept");
        QTest::newRow("tool, saved") << false << true;
        QTest::newRow("tool, cancelled") << false << false;
        QTest::newRow("folder, saved") << true << true;
    }
    void saveAsButton() {
        QFETCH(bool, onFolder);
        QFETCH(bool, accept);
        MainWindowFixture fixture;
        fixture.tool("bull/d10r2.wkz");
        if (onFolder) {
            fixture.setToolReference("**");
        }
        const std::string target = fixture.libraryFile("bull/copy.wkz");
        ScriptedFileChooser chooser;
        if (accept) {
            chooser.saveFiles.push_back(target);
        }
        auto dialog = fixture.open();
        if (onFolder) {
            QVERIFY(selectInTree(*dialog, fixture.libraryFile("bull")));
        }
        type(cornerRadius(*dialog), QStringLiteral("1.5"));
        click(*dialog, kSaveAs);
        QCOMPARE(chooser.saveRequests.at(0).file_name,
                 std::string(onFolder ? "bull nose D10 R2" : "d10r2.wkz"));
        QCOMPARE(chooser.saveRequests.at(0).folder, fixture.libraryFile("bull"));
        QCOMPARE(exists(target), accept);
        QCOMPARE(dialog->IsToolModified(), !accept);
        QCOMPARE(dialog->CurrentTool()->FindByName("TP_AUTOFLAGS") >= 0, !onFolder || accept);
        QCOMPARE(selectedPath(*dialog), accept ? target : fixture.libraryFile("bull/d10r2.wkz"));
    }

    // Every control has a name for screen readers; the about entry is in the context menu and
    // on F1, and opens the about dialog.
    void accessibleControlsAndAboutEntry() {
        MainWindowFixture fixture;
        fixture.tool("bull/d10r2.wkz");
        auto dialog = fixture.open();
        dialog->show();
        QCOMPARE(namelessControls(dialog.get()), QStringList());
        QCOMPARE(dialog->contextMenuPolicy(), Qt::ActionsContextMenu);
        auto* about = dialog->findChild<QAction*>(QLatin1String(CCutterBaseDlg::kAboutActionName));
        QVERIFY(dialog->actions().contains(about));
        QCOMPARE(about->text(), QStringLiteral("Inf&o about Karvex - CutterBase..."));
        QString shown;
        QTimer::singleShot(0, [&shown] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                shown = QString::fromLatin1(modal->metaObject()->className());
                modal->close();
            }
        });
        about->trigger();
        QCOMPARE(shown, QStringLiteral("AboutDialog"));
    }

    // The controls follow the layout table when the window grows.
    void growingWindow() {
        MainWindowFixture fixture;
        auto dialog = fixture.open();
        dialog->show();
        QCOMPARE(dialog->size(),
                 QSize(CCutterBaseDlg::kInitialWidth, CCutterBaseDlg::kInitialHeight));
        const QRect sheet = dialog->Sheet()->geometry();
        const QRect tree = dialog->Tree()->geometry();
        const QRect saveAs = findControl(dialog.get(), kSaveAs)->geometry();
        const QRect cancel = findControl(dialog.get(), kCancel)->geometry();
        dialog->resize(dialog->width() + 180, dialog->height() + 100);
        QCOMPARE(dialog->Sheet()->geometry(), sheet.translated(180, 0).adjusted(0, 0, 0, 50));
        QCOMPARE(dialog->Tree()->geometry(), tree.adjusted(0, 0, 180, 50));
        QCOMPARE(findControl(dialog.get(), kSaveAs)->geometry(),
                 saveAs.translated(0, 100).adjusted(0, 0, 30, 0));
        QCOMPARE(findControl(dialog.get(), kCancel)->geometry(),
                 cancel.translated(140, 100).adjusted(0, 0, 40, 0));
    }

    // The captions of the language file, the German about entry; a missing key gives an empty
    // caption.
    void germanCaptions() {
        MainWindowFixture fixture("all");
        fixture.tool("bull/d10r2.wkz");
        fixture.setToolReference("**");
        ScriptedFileChooser chooser;
        auto dialog = fixture.open();
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Werkzeugbibliothek"));
        const std::pair<int, const char*> captions[] = {
            {kToolpathNumberLabel, "Bahn:"}, {kToolSettingsLabel, "Werkzeugeinstellung:"},
            {kSaveAs, "Speichern unter..."}, {kDelete, "L\u00f6schen"},
            {kClose, "Schlie\u00dfen"},      {kOptions, ""},
            {kToolSettings, "Bahn 1"},
        };
        for (const auto& [id, caption] : captions) {
            QCOMPARE(textOf(*dialog, id), QString::fromUtf8(caption));
        }
        QCOMPARE(findControl(dialog.get(), kToolSettings)->accessibleName(),
                 QStringLiteral("Werkzeugeinstellung:"));
        auto* about = dialog->findChild<QAction*>(QLatin1String(CCutterBaseDlg::kAboutActionName));
        QCOMPARE(about->text(), QStringLiteral("Inf&o \u00fcber Karvex - CutterBase..."));
        QCOMPARE(about->shortcut(), QKeySequence(Qt::Key_F1));
        click(*dialog, kSaveAs);
        QCOMPARE(chooser.saveRequests.at(0).title, std::string("Werkzeug speichern unter"));
    }
};

CUTTERBASE_GUI_TEST(MainDialogTest)

#include "main_dialog_test.moc"
