#include "gui/main/tree_ctrl_tool.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <array>

#include "app/tool_tree.h"
#include "gui/framework/installation_text.h"
#include "gui/resources/pictures.h"
#include "platform/ascii_case.h"

namespace {

// What each item carries besides its text and icon.
constexpr int kPathRole = Qt::UserRole;
constexpr int kImageRole = Qt::UserRole + 1;
constexpr int kHasChildrenRole = Qt::UserRole + 2;

constexpr QSize kImageSize(20, 16);

// The pictures by image number.
const std::array<const char*, 5> kImageNames = {"tree_root", "tree_folder", "tree_folder_open",
                                                "tree_tool", "tree_tool_fedrix"};

// The same picture selected or not: the style must not tint it as it does plain pixmaps.
QIcon makeImage(const char* name) {
    QIcon icon;
    for (qreal ratio : {1.0, 2.0}) {
        const QPixmap pixmap = picturePixmap(QString::fromLatin1(name), kImageSize, ratio);
        icon.addPixmap(pixmap, QIcon::Normal);
        icon.addPixmap(pixmap, QIcon::Selected);
    }
    return icon;
}

const QIcon& image(int number) {
    static const std::array<QIcon, 5> images = [] {
        std::array<QIcon, 5> made;
        for (std::size_t i = 0; i < made.size(); ++i) {
            made[i] = makeImage(kImageNames[i]);
        }
        return made;
    }();
    return images[static_cast<std::size_t>(number)];
}

}  // namespace

CTreeCtrlTool::CTreeCtrlTool(QWidget* parent) : QTreeWidget(parent) {
    setColumnCount(1);
    setHeaderHidden(true);
    // A long tool directory scrolls sideways rather than being cut short.
    header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    header()->setStretchLastSection(false);
    setRootIsDecorated(true);
    setAllColumnsShowFocus(true);
    setUniformRowHeights(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setIconSize(kImageSize);
    setAccessibleName(QStringLiteral("Tool library"));

    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &CTreeCtrlTool::reportSelection);
    // The root shows the library whether it is open or not.
    connect(this, &QTreeWidget::itemExpanded, this, [this](QTreeWidgetItem* item) {
        if (item != rootItem()) {
            showImage(item, kImageOpenFolder);
        }
    });
    connect(this, &QTreeWidget::itemCollapsed, this, [this](QTreeWidgetItem* item) {
        if (item != rootItem()) {
            showImage(item, kImageFolder);
        }
    });
}

void CTreeCtrlTool::rebuildTree(const std::string& toolDirectory, bool fedrixEnabled) {
    clearSelection();
    clear();
    const ToolTreeItem scanned = ScanToolTree(toolDirectory, fedrixEnabled);
    // Built detached and inserted in one step: the view then lays out 20,000 items once.
    auto* root = new QTreeWidgetItem;
    root->setText(0, fromFileName(scanned.text));
    root->setData(0, kPathRole, QByteArray::fromStdString(scanned.path));
    root->setData(0, kHasChildrenRole, true);
    root->setChildIndicatorPolicy(QTreeWidgetItem::ShowIndicator);
    showImage(root, kImageRoot);
    insertChildren(root, scanned);
    addTopLevelItem(root);
    setAccessibleDescription(root->text(0));
}

void CTreeCtrlTool::insertChildren(QTreeWidgetItem* parent, const ToolTreeItem& scanned) {
    QList<QTreeWidgetItem*> children;
    children.reserve(static_cast<qsizetype>(scanned.children.size()));
    for (const ToolTreeItem& child : scanned.children) {
        auto* item = new QTreeWidgetItem;
        item->setText(0, fromFileName(child.text));
        item->setData(0, kPathRole, QByteArray::fromStdString(child.path));
        item->setData(0, kHasChildrenRole, child.HasChildren());
        // An empty folder keeps its expand button: it is a folder, not a tool.
        item->setChildIndicatorPolicy(child.HasChildren() ? QTreeWidgetItem::ShowIndicator
                                                          : QTreeWidgetItem::DontShowIndicator);
        if (child.HasChildren()) {
            insertChildren(item, child);
        }
        showImage(item, child.image);
        children.append(item);
    }
    parent->addChildren(children);
}

QTreeWidgetItem* CTreeCtrlTool::rootItem() const {
    return topLevelItem(0);
}

QTreeWidgetItem* CTreeCtrlTool::selectedItem() const {
    const QList<QTreeWidgetItem*> selected = selectedItems();
    return selected.isEmpty() ? nullptr : selected.first();
}

std::string CTreeCtrlTool::itemPath(const QTreeWidgetItem* item) {
    return item != nullptr ? item->data(0, kPathRole).toByteArray().toStdString() : std::string();
}

bool CTreeCtrlTool::itemHasChildren(const QTreeWidgetItem* item) {
    return item != nullptr && item->data(0, kHasChildrenRole).toBool();
}

int CTreeCtrlTool::itemImage(const QTreeWidgetItem* item) {
    return item != nullptr ? item->data(0, kImageRole).toInt() : -1;
}

QTreeWidgetItem* CTreeCtrlTool::findTreeItem(QTreeWidgetItem* start,
                                             const std::string& path) const {
    if (start == nullptr) {
        return nullptr;
    }
    for (int i = 0; i < start->childCount(); ++i) {
        QTreeWidgetItem* child = start->child(i);
        if (platform::ascii_equal_ignoring_case(itemPath(child), path)) {
            return child;
        }
        if (itemHasChildren(child)) {
            if (QTreeWidgetItem* found = findTreeItem(child, path)) {
                return found;
            }
        }
    }
    return nullptr;
}

QTreeWidgetItem* CTreeCtrlTool::itemToSelect(const std::string& path) const {
    QTreeWidgetItem* root = rootItem();
    if (root == nullptr || platform::ascii_compare_ignoring_case(path, itemPath(root)) <= 0) {
        return root;
    }
    return findTreeItem(root, path);
}

void CTreeCtrlTool::selectItem(QTreeWidgetItem* item) {
    if (item == nullptr) {
        return;
    }
    if (itemHasChildren(item)) {
        item->setExpanded(true);
    }
    scrollToItem(item);
    // Current first, so that whoever hears of the selection finds the new item current too.
    const QModelIndex index = indexFromItem(item);
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
    selectionModel()->select(index, QItemSelectionModel::ClearAndSelect);
}

void CTreeCtrlTool::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Delete) {
        event->accept();
        emit deleteKeyPressed();
        return;
    }
    QTreeWidget::keyPressEvent(event);
}

void CTreeCtrlTool::showImage(QTreeWidgetItem* item, int number) {
    item->setData(0, kImageRole, number);
    item->setIcon(0, image(number));
}

void CTreeCtrlTool::reportSelection(const QItemSelection& selected,
                                    const QItemSelection& deselected) {
    QTreeWidgetItem* newItem = selected.isEmpty() ? nullptr : itemFromIndex(selected.indexes()[0]);
    if (newItem == nullptr) {
        return;
    }
    QTreeWidgetItem* oldItem =
        deselected.isEmpty() ? nullptr : itemFromIndex(deselected.indexes()[0]);
    emit selectionChangedTo(newItem, oldItem);
}
