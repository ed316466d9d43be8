// The tool tree and the tool list on their own (in the main window: MainDialogTest).

#include <QApplication>
#include <QDialog>
#include <QFocusEvent>
#include <QHeaderView>
#include <QLineEdit>
#include <QSignalSpy>
#include <QStyle>
#include <QVBoxLayout>
#include <cstdio>

#include "gui/main/list_ctrl_tool.h"
#include "gui/main/tool_list_model.h"
#include "gui/main/tree_ctrl_tool.h"
#include "pages_fake_host.h"
#include "pages_language.h"

using namespace guitest;

namespace {

// Ball/B6.wkz B6.ncs B8.wkz, Ball/Long/ (empty), flat/F10.wkz, x.wkz/inside.wkz, a.wkz
struct ToolLibrary {
    testsupport::TempDir temp;
    std::string root = temp.file("tools");

    ToolLibrary() {
        for (const char* file : {"Ball/B6.wkz", "Ball/B6.ncs", "Ball/B8.wkz", "flat/F10.wkz",
                                 "x.wkz/inside.wkz", "a.wkz"}) {
            temp.write("tools/" + std::string(file), "TP_COMMENT=x\n");
        }
        temp.mkdir("tools/Ball/Long");
    }
    std::string path(const std::string& relative) const { return root + "/" + relative; }
};

// The tree as lines "LEVEL IMAGE KIND TEXT PATH" in display order, paths below the library.
QStringList lines(const QTreeWidgetItem* item, const std::string& top, int level = 0) {
    QStringList result{QStringLiteral("%1 %2 %3 %4 %5")
                           .arg(level)
                           .arg(CTreeCtrlTool::itemImage(item))
                           .arg(CTreeCtrlTool::itemHasChildren(item) ? "F" : "T")
                           .arg(level == 0 ? QStringLiteral("ROOT") : item->text(0))
                           .arg(CTreeCtrlTool::itemPath(item).substr(top.size()).c_str())};
    for (int i = 0; i < item->childCount(); ++i) {
        result += lines(item->child(i), top, level + 1);
    }
    return result;
}

using Selection = QPair<QTreeWidgetItem*, QTreeWidgetItem*>;  // new, old

struct Window {
    ToolLibrary library;
    QWidget window;
    CTreeCtrlTool* tree = new CTreeCtrlTool(&window);
    QLineEdit* edit = new QLineEdit(&window);
    QList<Selection> heard;
    bool currentWhenHeard = true;

    explicit Window(bool fedrix = true) {
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(tree);
        layout->addWidget(edit);
        edit->setAccessibleName(QStringLiteral("Comment"));
        tree->rebuildTree(library.root, fedrix);
        QObject::connect(tree, &CTreeCtrlTool::selectionChangedTo, tree,
                         [this](QTreeWidgetItem* newItem, QTreeWidgetItem* oldItem) {
                             heard.append(Selection(newItem, oldItem));
                             currentWhenHeard &= tree->currentItem() == newItem;
                         });
    }
    QTreeWidgetItem* item(const std::string& relative) const {
        return tree->findTreeItem(tree->rootItem(), library.path(relative));
    }
    QString name(const QTreeWidgetItem* item) const {
        return item == nullptr ? QString()
                               : '@' + QString::fromStdString(CTreeCtrlTool::itemPath(item).substr(
                                           library.root.size()));
    }
};

const std::string kGermanTitles = demoCaptions("all", {"[LISTCTRLTOOL]"});

std::string tool(const std::string& radius, const std::string& number) {
    return "R:       &TP_BRAD=" + radius + "\r\nN:       &TP_CPPNUM=" + number + "\r\n";
}

struct ListLibrary {
    testsupport::TempDir root;
    std::string lib = root.mkdir("lib");
    std::string mills = lib + "/Mills";
    ListLibrary() {
        root.write("lib/Mills/b.wkz", tool("2", "7"));
        root.write("lib/Mills/a.wkz", tool("3", "12"));
        root.write("lib/Mills/C.wkz", tool("1", "3"));
        root.mkdir("lib/Mills/Old");
    }
};

struct ListWindow {
    QDialog dialog;
    QLineEdit* rowIndex = new QLineEdit(&dialog);
    QLineEdit* directory = new QLineEdit(&dialog);
    CListCtrlTool* list;

    explicit ListWindow(const std::string& toolDirectory, bool diameterMode = false)
        : list(new CListCtrlTool(nullptr, diameterMode, &dialog)) {
        list->setToolDirectory(toolDirectory);
        list->setStatusEdits(rowIndex, directory);
        list->setGeometry(0, 40, 700, 300);
        dialog.resize(720, 360);
        dialog.show();
    }
    void clickHeader(int column) const {
        QHeaderView* header = list->header();
        const int x = header->sectionViewportPosition(column) + header->sectionSize(column) / 2;
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(x, header->height() / 2));
    }
};

}  // namespace

class ToolTreeAndListTest : public QObject {
    Q_OBJECT

private slots:
    // Folders (an empty one with its expand button) before the tools of a level.
    void itemsKindsAndImagesFollowTheLibrary() {
        for (bool fedrix : {true, false}) {
            Window w(fedrix);
            QCOMPARE(lines(w.tree->rootItem(), w.library.root),
                     (QStringList{"0 0 F ROOT ", "1 1 F Ball /Ball", "2 1 F Long /Ball/Long",
                                  QString("2 %1 T B6.wkz /Ball/B6.wkz").arg(fedrix ? 4 : 3),
                                  "2 3 T B8.wkz /Ball/B8.wkz", "1 1 F flat /flat",
                                  "2 3 T F10.wkz /flat/F10.wkz", "1 1 F x.wkz /x.wkz",
                                  "2 3 T inside.wkz /x.wkz/inside.wkz", "1 3 T a.wkz /a.wkz",
                                  "1 3 T x.wkz /x.wkz"}));
            QVERIFY(w.tree->topLevelItemCount() == 1 && !w.tree->rootItem()->isExpanded() &&
                    w.tree->rootItem()->text(0) == QString::fromStdString(w.library.root));
            QVERIFY(w.item("Ball/Long")->childIndicatorPolicy() == QTreeWidgetItem::ShowIndicator &&
                    w.item("a.wkz")->childIndicatorPolicy() == QTreeWidgetItem::DontShowIndicator);
            QCOMPARE(namelessControls(&w.window), QStringList());
        }
    }

    // Case ignored, a folder first; selections heard with the new item current.
    void pathsAndSelections() {
        Window w;
        const std::string lib = w.library.root;
        const std::pair<std::string, QString> cases[] = {
            {lib + "/BALL/b8.WKZ", "@/Ball/B8.wkz @/Ball/B8.wkz"},
            {lib + "/x.wkz/INSIDE.wkz", "@/x.wkz/inside.wkz @/x.wkz/inside.wkz"},
            {lib + "/X.WKZ", "@/x.wkz @/x.wkz"},
            {lib + "/Ball/B7.wkz", " "},
            {lib, " @"},
            {"/", " @"},
        };
        for (const auto& [path, found] : cases) {
            QCOMPARE(w.name(w.tree->findTreeItem(w.tree->rootItem(), path)) + " " +
                         w.name(w.tree->itemToSelect(path)),
                     found);
        }
        QCOMPARE(CTreeCtrlTool().itemToSelect(lib), nullptr);
        w.window.show();
        QFocusEvent focus(QEvent::FocusIn, Qt::TabFocusReason);
        QApplication::sendEvent(w.tree, &focus);
        QVERIFY(w.tree->currentItem() == w.tree->rootItem() && w.tree->selectedItem() == nullptr);
        QTreeWidgetItem *ball = w.item("Ball"), *b6 = w.item("Ball/B6.wkz");
        QTreeWidgetItem* b8 = w.item("Ball/B8.wkz");
        w.tree->selectItem(ball);
        QVERIFY(ball->isExpanded() && CTreeCtrlTool::itemImage(ball) == 2);
        w.tree->selectItem(b6);
        w.tree->selectItem(b6);
        w.tree->clearSelection();
        w.tree->selectItem(b8);
        w.tree->selectItem(nullptr);
        QTest::mouseClick(w.tree->viewport(), Qt::LeftButton, {},
                          w.tree->visualItemRect(b6).center());
        QTest::keyClick(w.tree, Qt::Key_Down);
        QCOMPARE(w.heard, (QList<Selection>{
                              {ball, nullptr}, {b6, ball}, {b8, nullptr}, {b6, b8}, {b8, b6}}));
        QVERIFY(w.currentWhenHeard);
        w.tree->rootItem()->setExpanded(true);
        w.tree->selectItem(w.item("Ball/Long"));
        QVERIFY(CTreeCtrlTool::itemImage(w.tree->rootItem()) == 0 &&
                CTreeCtrlTool::itemImage(w.item("Ball/Long")) == 2);
        w.tree->collapseAll();
        QVERIFY(CTreeCtrlTool::itemImage(ball) == 1 &&
                CTreeCtrlTool::itemImage(w.item("Ball/Long")) == 1);
        QSignalSpy deletes(w.tree, &CTreeCtrlTool::deleteKeyPressed);
        QTest::keyClick(w.tree, Qt::Key_Delete);
        QTest::keyClick(w.tree, Qt::Key_Backspace);
        w.edit->setText(QStringLiteral("ab"));
        w.edit->setCursorPosition(0);
        QTest::keyClick(w.edit, Qt::Key_Delete);
        QVERIFY(w.edit->text() == QStringLiteral("b") && deletes.size() == 1);

        // Rebuilt as the disk is now; names not in UTF-8 show as Windows-1252, paths keep bytes.
        w.heard.clear();
        w.tree->selectItem(w.item("flat/F10.wkz"));
        QVERIFY(std::remove(w.library.path("flat/F10.wkz").c_str()) == 0);
        const std::string windowsName = w.library.temp.write("tools/flat/\xC4rger \x80.wkz", "");
        w.library.temp.write("tools/flat/M\xC3\xBChle.wkz", "");
        w.tree->rebuildTree(w.library.root, true);
        QVERIFY(w.tree->selectedItem() == nullptr && w.item("flat/F10.wkz") == nullptr &&
                !w.item("flat")->isExpanded() && !w.tree->rootItem()->isExpanded());
        QCOMPARE(w.item("flat")->child(0)->text(0) + "|" + w.item("flat")->child(1)->text(0),
                 QStringLiteral("Mühle.wkz|Ärger €.wkz"));
        QCOMPARE(CTreeCtrlTool::itemPath(w.item("flat")->child(1)), windowsName);
        CListCtrlTool list(nullptr, false);
        list.fill(windowsName, true);
        QCOMPARE(list.currentIndex().data().toString(), QStringLiteral("Ärger €.wkz"));
        w.tree->selectItem(w.item("flat"));
        w.tree->rebuildTree(w.library.path("missing"), true);
        QCOMPARE(lines(w.tree->rootItem(), w.library.path("missing")), QStringList{"0 0 F ROOT "});
        QVERIFY(w.heard.size() == 2 && w.heard.last().second == nullptr);
    }

    // In diameter mode, each fitting its column with the header's margins.
    void titlesBuiltInOrFromTheLanguageFile() {
        PagesLanguageFile german(kGermanTitles);
        for (const LanguageFile* file :
             {static_cast<const LanguageFile*>(nullptr), &german.file()}) {
            CListCtrlTool list(file, true);
            const QFontMetrics metrics(list.header()->font());
            const int margins = 2 * list.style()->pixelMetric(QStyle::PM_HeaderMargin);
            QStringList shown;
            for (int column = 0; column < kToolListColumnCount; ++column) {
                shown << list.model()->headerData(column, Qt::Horizontal).toString();
                QVERIFY2(list.header()->sectionSize(column) >=
                             metrics.horizontalAdvance(shown.back()) + margins,
                         qPrintable(shown.back()));
            }
            QCOMPARE(shown.join(u'|'),
                     file ? "Werkzeuge|Nr.|Durchmesser|Eckenradius|Aufmaß|Bahnabstand|Toleranz|"
                            "Z-Zustellung|Anfahren|Rückzug|Kommentar"
                          : "Tools|No.|Diameter|Corner Radius|Stock|Stepover|Tolerance|Z-Step|"
                            "Approach|Retract|Comment");
            QVERIFY(list.accessibleName() == shown.front() && !list.isSortingEnabled());
        }
    }

    // Another tool, the folder itself, another spelling: the rows stay as they were read.
    void theFolderIsReadOnlyWhenItChangesAndClicks() {
        ListLibrary library;
        ListWindow window(library.lib, true);
        CListCtrlTool* list = window.list;
        list->fill(library.mills + "/b.wkz", true);
        QCOMPARE(columnTexts(*list, 0), QStringList({"..", "Old", "a.wkz", "b.wkz", "C.wkz"}));
        QCOMPARE(window.directory->text() + " " + window.rowIndex->text(),
                 QString::fromStdString(library.mills + " 4"));
        library.root.write("lib/Mills/a.wkz", tool("3", "99"));
        library.root.write("lib/Mills/new.wkz", "");
        list->fill(library.mills + "/A.WKZ", true);
        QCOMPARE(list->selectedPath(), library.mills + "/a.wkz");
        list->fill(library.lib + "/MILLS", false);
        QVERIFY(list->selectedPath().empty() && list->folderReads() == 1);
        QCOMPARE(columnTexts(*list, 1), QStringList({"", "", "12", "7", "3"}));
        list->forgetDirectory();
        list->fill(library.mills, false);
        QVERIFY(list->folderReads() == 2 && window.rowIndex->text() == QStringLiteral("5"));
        QCOMPARE(columnTexts(*list, 1), QStringList({"", "", "99", "7", "3", ""}));
        list->fill(library.lib + "/gone", false);
        QCOMPARE(window.directory->text() + QString::number(list->model()->rowCount()),
                 QString::fromStdString(library.lib + "/gone0"));

        // Sort order: ToolListSort's tests. Only a left double-click on a tool applies it.
        std::remove((library.mills + "/new.wkz").c_str());
        list->fill(library.mills + "/b.wkz", true);
        for (const char* names : {"a.wkz b.wkz C.wkz Old ..", ".. Old C.wkz b.wkz a.wkz"}) {
            window.clickHeader(2);
            QCOMPARE(columnTexts(*list, 0).join(u' '), QString::fromLatin1(names));
            QCOMPARE(list->selectedPath(), library.mills + "/b.wkz");
        }
        QSignalSpy select(list, &CListCtrlTool::selectFromList);
        QSignalSpy applied(list, &CListCtrlTool::rowDoubleClicked);
        clickRow(*list, 2);
        clickRow(*list, 1, Qt::RightButton);
        QCOMPARE(select.count(), 2);
        QCOMPARE(list->selectedPath(), library.mills + "/Old");
        std::remove((library.mills + "/a.wkz").c_str());
        clickRow(*list, 4, Qt::LeftButton, true);
        clickRow(*list, 3, Qt::RightButton, true);
        QVERIFY(applied.isEmpty() && select.count() >= 4);
        library.root.write("lib/Mills/Old/z.wkz", "");
        library.root.write("lib/Mills/Old/y.wkz", "");
        list->fill(library.mills + "/Old", false);
        QCOMPARE(columnTexts(*list, 0), QStringList({"..", "y.wkz", "z.wkz"}));
    }
};

CUTTERBASE_GUI_TEST(ToolTreeAndListTest)

#include "tree_and_list_test.moc"
