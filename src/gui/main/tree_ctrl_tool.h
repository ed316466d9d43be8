#pragma once
// The tool library as a tree: the tool directory as the single root, its folders, the tool files.
// Shows what ScanToolTree (app/tool_tree.h) found; each item owns its full path. Every item is
// one the tree made: the static functions below take no others. The main dialog
// gives the tree its id and object name and handles double-clicks (QTreeWidget's own
// itemDoubleClicked), the selection change and the Delete key.

#include <QTreeWidget>
#include <string>

struct ToolTreeItem;

class CTreeCtrlTool : public QTreeWidget {
    Q_OBJECT

public:
    explicit CTreeCtrlTool(QWidget* parent = nullptr);

    // RebuildTree: selects nothing, deletes every item, inserts the root for `toolDirectory` and
    // everything ScanToolTree finds below it. Does not expand anything (callers expand the root).
    void rebuildTree(const std::string& toolDirectory, bool fedrixEnabled);
    QTreeWidgetItem* rootItem() const;  // null before the first rebuild
    // The selected item; null when nothing is selected (a current item need not be selected).
    QTreeWidgetItem* selectedItem() const;

    static std::string itemPath(const QTreeWidgetItem* item);  // owned full path, "" for null
    // The kind set at insertion: true for the root and every folder (also an empty one, which
    // shows the expand button), false for a tool. Never the child count.
    static bool itemHasChildren(const QTreeWidgetItem* item);
    static int itemImage(const QTreeWidgetItem* item);  // 0..4, as shown now; -1 for null

    // FindTreeItem: depth first below `start` (never `start` itself), path equal ignoring case.
    QTreeWidgetItem* findTreeItem(QTreeWidgetItem* start, const std::string& path) const;
    // The item SelectPath selects: the root when `path` does not compare greater than the tool
    // directory (case-insensitive byte comparison), else findTreeItem(root, path); may be null.
    QTreeWidgetItem* itemToSelect(const std::string& path) const;
    // Expands `item` when it has children, scrolls it into view, makes it current and selected
    // (which raises selectionChangedTo synchronously, with `item` already current). Does not
    // take the focus. Null does nothing.
    void selectItem(QTreeWidgetItem* item);
    // Brings the children of the folder item `folder` in line with `scanned` (a scan of that
    // folder) in place: items added and removed, tool images renewed, kept items with their
    // expansion and selection; the selection signals stay quiet (library_watcher.cpp).
    void updateFolder(QTreeWidgetItem* folder, const ToolTreeItem& scanned);

signals:
    // Driven by the selection model; never sent with a null new item (Qt reports one on clear and
    // gives a current item on focus without selecting it). `oldItem` may be null.
    void selectionChangedTo(QTreeWidgetItem* newItem, QTreeWidgetItem* oldItem);
    // The Delete key pressed while the tree has the focus (not a window-wide shortcut).
    void deleteKeyPressed();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    // Moves the paths out of `scanned`.
    void insertChildren(QTreeWidgetItem* parent, ToolTreeItem& scanned);
    void showImage(QTreeWidgetItem* item, int image);
    void reportSelection(const QItemSelection& selected, const QItemSelection& deselected);
};
