// The tool list inside the main window and the Options dialog that builds the tree afresh.

#include <QApplication>
#include <QTimer>

#include "gui/dialogs/options_dialog.h"
#include "main_window_fixture.h"

using namespace guitest;
using namespace main_ids;

namespace {

QStringList names(const CListCtrlTool& list) {
    QStringList texts;
    for (const ToolListRow& row : list.toolModel()->rows()) {
        texts << QString::fromStdString(row.columns[kColumnName]);
    }
    return texts;
}

QPoint rowPoint(const CListCtrlTool& list, const std::string& name) {
    const int row = static_cast<int>(names(list).indexOf(QString::fromStdString(name)));
    return list.visualRect(list.model()->index(row, 0)).center();
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

}  // namespace

class MainListTest : public QObject {
    Q_OBJECT

private slots:
    // The list follows and leads the tree; Return and Escape do not end the window.
    void followsAndLeadsTheTree() {
        ListWindow window;
        CListCtrlTool* list = window.list;
        QCOMPARE(names(*list).join(' ') + ' ' + QString::fromStdString(list->selectedPath()) + ' ' +
                     textOf(*window.dialog, kListDirectory),
                 QString::fromStdString(".. long d10r2.wkz d10r2_reground.wkz d8r1.wkz " +
                                        window.tool + " " + window.fixture.libraryFile("bull")));
        QVERIFY(selectInTree(*window.dialog, window.flat));
        QCOMPARE(names(*list), QStringList({"..", "f6.wkz"}));
        window.dialog->SelectPath(window.fixture.library());
        QCOMPARE(names(*list), QStringList({"bull", "flat"}));
        QCOMPARE(list->selectedPath(), std::string());
        QVERIFY(selectInTree(*window.dialog, window.tool));

        // rows clicked in turn, the item selected in the tree afterwards
        const std::pair<const char*, std::string> clicks[] = {
            {"long", window.fixture.libraryFile("bull/long")},
            {"..", window.fixture.libraryFile("bull")},
            {"d8r1.wkz", window.small}};
        for (const auto& [row, path] : clicks) {
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rowPoint(*list, row));
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
        QCOMPARE(names(*list), QStringList({"..", "long", "d10r2.wkz", "d10r2_reground.wkz"}));
    }

    // The row's own tool, also one the tree lacks.
    void doubleClickAppliesTheRowsOwnTool() {
        ListWindow window;
        window.fixture.tool("bull/new.wkz", "1.500");
        QVERIFY(selectInTree(*window.dialog, window.flat));
        QVERIFY(selectInTree(*window.dialog, window.small));
        const QPoint at = rowPoint(*window.list, "new.wkz");
        QTest::mouseClick(window.list->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(window.list->viewport(), Qt::LeftButton, {}, at);
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
        QCOMPARE(names(*window.list),
                 QStringList({"long", "d10r2.wkz", "d10r2_reground.wkz", "d8r1.wkz"}));
        QVERIFY(!window.dialog->IsToolModified() &&
                findControl(window.dialog.get(), kOptions)->isHidden());
    }
};

CUTTERBASE_GUI_TEST(MainListTest)

#include "main_list_test.moc"
