// The tool tree: items of a library on disk, searches by path, and its notifications.

#include <QApplication>
#include <QFocusEvent>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>
#include <cstdio>

#include "accessibility_check.h"
#include "gui/main/list_ctrl_tool.h"
#include "gui/main/tree_ctrl_tool.h"
#include "gui_test.h"
#include "tool_library_fixture.h"

namespace {

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
    guitest::ToolLibrary library;
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

}  // namespace

class TreeCtrlToolTest : public QObject {
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
            QCOMPARE(guitest::namelessControls(&w.window), QStringList());
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
        QTreeWidgetItem* ball = w.item("Ball");
        QTreeWidgetItem* b6 = w.item("Ball/B6.wkz");
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
    }

    // Names not in UTF-8 show as Windows-1252; paths keep their bytes.
    void rebuildingShowsTheDiskAsItIsNow() {
        Window w;
        w.tree->selectItem(w.item("flat/F10.wkz"));
        QVERIFY(std::remove(w.library.path("flat/F10.wkz").c_str()) == 0);
        const std::string windowsName = w.library.temp.write("tools/flat/\xC4rger \x80.wkz", "");
        w.library.temp.write("tools/flat/M\xC3\xBChle.wkz", "");
        w.tree->rebuildTree(w.library.root, true);
        QVERIFY(w.tree->selectedItem() == nullptr && w.item("flat/F10.wkz") == nullptr);
        QVERIFY(!w.item("flat")->isExpanded() && !w.tree->rootItem()->isExpanded());
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
};

CUTTERBASE_GUI_TEST(TreeCtrlToolTest)

#include "tree_ctrl_tool_test.moc"
