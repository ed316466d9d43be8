// The tool tree: items, kinds and images of a library on disk, searches by path, and the
// selection and Delete key notifications the main dialog builds on.

#include <QApplication>
#include <QFocusEvent>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>
#include <cstdio>

#include "accessibility_check.h"
#include "gui/main/tree_ctrl_tool.h"
#include "gui_test.h"
#include "tool_library_fixture.h"

namespace {

// The tree as lines "LEVEL IMAGE KIND TEXT PATH" in display order, paths below the library.
QStringList lines(const QTreeWidgetItem* item, const std::string& top, int level = 0) {
    const std::string path = CTreeCtrlTool::itemPath(item);
    QStringList result{QStringLiteral("%1 %2 %3 %4 %5")
                           .arg(level)
                           .arg(CTreeCtrlTool::itemImage(item))
                           .arg(CTreeCtrlTool::itemHasChildren(item) ? "F" : "T")
                           .arg(level == 0 ? QStringLiteral("ROOT") : item->text(0))
                           .arg(QString::fromStdString(path.substr(top.size())))};
    for (int i = 0; i < item->childCount(); ++i) {
        result += lines(item->child(i), top, level + 1);
    }
    return result;
}

// A window with the tree over a line edit, the tree filled from the library.
struct Window {
    guitest::ToolLibrary library;
    QWidget window;
    CTreeCtrlTool* tree = new CTreeCtrlTool(&window);
    QLineEdit* edit = new QLineEdit(&window);

    explicit Window(bool fedrix = true) {
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(tree);
        layout->addWidget(edit);
        edit->setAccessibleName(QStringLiteral("Comment"));
        window.resize(300, 400);
        tree->rebuildTree(library.root, fedrix);
    }
    QTreeWidgetItem* item(const std::string& relative) const {
        return tree->findTreeItem(tree->rootItem(), library.path(relative));
    }
};

using Selections = QList<QPair<QTreeWidgetItem*, QTreeWidgetItem*>>;

// Every selectionChangedTo as (new, old), checking that the new item is current by then.
struct SelectionLog {
    Selections heard;
    explicit SelectionLog(CTreeCtrlTool* tree) {
        QObject::connect(tree, &CTreeCtrlTool::selectionChangedTo, tree,
                         [this, tree](QTreeWidgetItem* newItem, QTreeWidgetItem* oldItem) {
                             heard.append(qMakePair(newItem, oldItem));
                             currentAtEveryReport &= tree->currentItem() == newItem;
                         });
    }
    bool currentAtEveryReport = true;
};

}  // namespace

class TreeCtrlToolTest : public QObject {
    Q_OBJECT

private slots:
    // Folders (the empty one with its expand button) before the tools of a level, "x.wkz" as a
    // folder and as a tool; Fedrix images only when switched on.
    void itemsKindsAndImagesFollowTheLibrary() {
        for (bool fedrix : {true, false}) {
            Window w(fedrix);
            const QStringList expected{
                "0 0 F ROOT ",
                "1 1 F Ball /Ball",
                "2 1 F Long /Ball/Long",
                QString("2 %1 T B6.wkz /Ball/B6.wkz").arg(fedrix ? 4 : 3),
                "2 3 T B8.wkz /Ball/B8.wkz",
                "1 1 F flat /flat",
                "2 3 T F10.wkz /flat/F10.wkz",
                "1 1 F x.wkz /x.wkz",
                "2 3 T inside.wkz /x.wkz/inside.wkz",
                "1 3 T a.wkz /a.wkz",
                "1 3 T x.wkz /x.wkz",
            };
            QCOMPARE(w.tree->topLevelItemCount(), 1);
            QCOMPARE(lines(w.tree->rootItem(), w.library.root), expected);
            QCOMPARE(w.tree->rootItem()->text(0), QString::fromStdString(w.library.root));
            QTreeWidgetItem* empty = w.item("Ball/Long");
            QCOMPARE(empty->childCount(), 0);
            QCOMPARE(empty->childIndicatorPolicy(), QTreeWidgetItem::ShowIndicator);
            QCOMPARE(w.item("a.wkz")->childIndicatorPolicy(), QTreeWidgetItem::DontShowIndicator);
            QVERIFY(!w.tree->rootItem()->isExpanded());
        }
    }

    // Each image is a picture of its own, drawn at the tree's icon size.
    void theFiveImagesAreDistinctPictures() {
        Window w;
        w.tree->rootItem()->setExpanded(true);
        w.item("Ball")->setExpanded(true);
        QList<QImage> drawn;
        for (const char* relative : {"", "flat", "Ball", "Ball/B8.wkz", "Ball/B6.wkz"}) {
            QTreeWidgetItem* item = *relative ? w.item(relative) : w.tree->rootItem();
            QCOMPARE(CTreeCtrlTool::itemImage(item), int(drawn.size()));
            const QImage image = item->icon(0).pixmap(w.tree->iconSize()).toImage();
            QCOMPARE(image.size(), QSize(20, 16));
            QVERIFY2(qAlpha(image.pixel(10, 10)) != 0, relative);
            QVERIFY2(!drawn.contains(image), relative);
            drawn.append(image);
        }
    }

    // Open folder while expanded, however it happens; the root stays the library.
    void expandingAndCollapsingChangeTheFolderImage() {
        Window w;
        QTreeWidgetItem* root = w.tree->rootItem();
        QTreeWidgetItem* ball = w.item("Ball");
        QTreeWidgetItem* empty = w.item("Ball/Long");
        root->setExpanded(true);
        ball->setExpanded(true);
        w.tree->selectItem(empty);
        QCOMPARE(CTreeCtrlTool::itemImage(root), 0);
        QCOMPARE(CTreeCtrlTool::itemImage(ball), 2);
        QCOMPARE(CTreeCtrlTool::itemImage(empty), 2);
        QCOMPARE(CTreeCtrlTool::itemImage(w.item("flat")), 1);
        w.tree->collapseAll();
        QCOMPARE(CTreeCtrlTool::itemImage(root), 0);
        QCOMPARE(CTreeCtrlTool::itemImage(ball), 1);
        QCOMPARE(CTreeCtrlTool::itemImage(empty), 1);
        QCOMPARE(CTreeCtrlTool::itemImage(w.item("Ball/B6.wkz")), 4);
    }

    // FindTreeItem below the root and itemToSelect, paths compared ignoring case; "" for none.
    void pathsFindTheirItemsIgnoringCase() {
        Window w;
        const std::string lib = w.library.root;
        struct Case {
            std::string path;
            const char* find;    // findTreeItem(root, path)
            const char* select;  // itemToSelect(path)
        };
        const Case cases[] = {
            {lib + "/Ball/B8.wkz", "/Ball/B8.wkz", "/Ball/B8.wkz"},
            {lib + "/BALL/b8.WKZ", "/Ball/B8.wkz", "/Ball/B8.wkz"},
            {lib + "/ball/long", "/Ball/Long", "/Ball/Long"},
            {lib + "/x.wkz/INSIDE.wkz", "/x.wkz/inside.wkz", "/x.wkz/inside.wkz"},
            {lib + "/X.WKZ", "/x.wkz", "/x.wkz"},  // the folder comes first
            {lib + "/Ball/B7.wkz", "", ""},
            {lib + "/", "", ""},  // greater than the directory, and no item has it
            {lib, "", "ROOT"},    // the root itself is never compared by the search
            {QString::fromStdString(lib).toUpper().toStdString(), "", "ROOT"},
            {lib.substr(0, lib.size() - 1), "", "ROOT"},
            {"/", "", "ROOT"},
            {"", "", "ROOT"},
        };
        auto name = [&](const QTreeWidgetItem* item) {
            if (item == nullptr) {
                return QString();
            }
            return item == w.tree->rootItem()
                       ? QStringLiteral("ROOT")
                       : QString::fromStdString(CTreeCtrlTool::itemPath(item).substr(lib.size()));
        };
        for (const Case& c : cases) {
            const QByteArray path = QByteArray::fromStdString(c.path);
            QCOMPARE(name(w.tree->findTreeItem(w.tree->rootItem(), c.path)), QString(c.find));
            QVERIFY2(name(w.tree->itemToSelect(c.path)) == QString(c.select), path.constData());
        }
        QCOMPARE(name(w.tree->findTreeItem(w.item("Ball"), lib + "/flat/F10.wkz")), QString());
        QCOMPARE(w.tree->findTreeItem(nullptr, lib), nullptr);
        CTreeCtrlTool fresh;
        QCOMPARE(fresh.itemToSelect(lib), nullptr);
    }

    // By code, by click and by key; a cleared selection and a current item given on focus are
    // never reported.
    void selectionChangesAreReportedWithTheirNewItemOnly() {
        Window w;
        SelectionLog log(w.tree);
        w.window.show();
        QFocusEvent focus(QEvent::FocusIn, Qt::TabFocusReason);
        QApplication::sendEvent(w.tree, &focus);
        QCOMPARE(w.tree->currentItem(), w.tree->rootItem());
        QCOMPARE(w.tree->selectedItem(), nullptr);
        QTreeWidgetItem* ball = w.item("Ball");
        QTreeWidgetItem* b6 = w.item("Ball/B6.wkz");
        QTreeWidgetItem* b8 = w.item("Ball/B8.wkz");

        w.tree->selectItem(ball);
        QVERIFY(ball->isExpanded());
        w.tree->selectItem(b6);
        w.tree->selectItem(b6);
        QCOMPARE(log.heard, (Selections{{ball, nullptr}, {b6, ball}}));
        QCOMPARE(w.tree->selectedItem(), b6);

        w.tree->clearSelection();
        QCOMPARE(w.tree->selectedItem(), nullptr);
        w.tree->selectItem(b8);
        QCOMPARE(log.heard.size(), 3);
        QCOMPARE(log.heard.last(), (QPair<QTreeWidgetItem*, QTreeWidgetItem*>{b8, nullptr}));
        QVERIFY(log.currentAtEveryReport);

        QTest::mouseClick(w.tree->viewport(), Qt::LeftButton, {},
                          w.tree->visualItemRect(b6).center());
        QTest::keyClick(w.tree, Qt::Key_Down);
        QCOMPARE(log.heard.mid(3), (Selections{{b6, b8}, {b8, b6}}));
        w.tree->selectItem(nullptr);
        QCOMPARE(log.heard.size(), 5);
    }

    void theDeleteKeyIsTheTreesAlone() {
        Window w;
        QSignalSpy deletes(w.tree, &CTreeCtrlTool::deleteKeyPressed);
        w.window.show();
        w.tree->selectItem(w.item("a.wkz"));
        QTest::keyClick(w.tree, Qt::Key_Delete);
        QTest::keyClick(w.tree, Qt::Key_Backspace);
        QCOMPARE(deletes.size(), 1);
        w.edit->setText(QStringLiteral("ab"));
        w.edit->setCursorPosition(0);
        QTest::keyClick(w.edit, Qt::Key_Delete);
        QCOMPARE(w.edit->text(), QStringLiteral("b"));
        QCOMPARE(deletes.size(), 1);
    }

    // A rebuild reads the disk again, selects nothing, reports nothing, and leaves the tree closed.
    void rebuildingShowsTheDiskAsItIsNow() {
        Window w;
        SelectionLog log(w.tree);
        w.tree->selectItem(w.item("flat/F10.wkz"));
        QVERIFY(std::remove(w.library.path("flat/F10.wkz").c_str()) == 0);
        w.library.temp.write("tools/flat/F12.wkz", "");
        w.tree->rebuildTree(w.library.root, true);
        QCOMPARE(log.heard.size(), 1);
        QCOMPARE(w.tree->selectedItem(), nullptr);
        QCOMPARE(w.item("flat/F10.wkz"), nullptr);
        QVERIFY(w.item("flat/F12.wkz") != nullptr);
        QVERIFY(!w.tree->rootItem()->isExpanded());
        QVERIFY(!w.item("flat")->isExpanded());
        w.tree->selectItem(w.item("flat"));
        QCOMPARE(log.heard.last(),
                 (QPair<QTreeWidgetItem*, QTreeWidgetItem*>{w.item("flat"), nullptr}));

        w.tree->rebuildTree(w.library.path("Ball"), false);
        QCOMPARE(lines(w.tree->rootItem(), w.library.path("Ball")),
                 (QStringList{"0 0 F ROOT ", "1 1 F Long /Long", "1 3 T B6.wkz /B6.wkz",
                              "1 3 T B8.wkz /B8.wkz"}));
        w.tree->rebuildTree(w.library.path("missing"), true);
        QCOMPARE(lines(w.tree->rootItem(), w.library.path("missing")), QStringList{"0 0 F ROOT "});
        QCOMPARE(log.heard.size(), 2);
    }

    void theTreeHasANameForScreenReaders() {
        Window w;
        QCOMPARE(guitest::namelessControls(&w.window), QStringList());
    }
};

CUTTERBASE_GUI_TEST(TreeCtrlToolTest)

#include "tree_ctrl_tool_test.moc"
