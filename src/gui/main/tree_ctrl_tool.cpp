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

const QIcon& imageIcon(int number) {
    static const std::array<QIcon, 5> images = [] {
        std::array<QIcon, 5> made;
        for (std::size_t i = 0; i < made.size(); ++i) {
            made[i] = makeImage(kImageNames[i]);
        }
        return made;
    }();
    return images[static_cast<std::size_t>(number)];
}

// An item with its path, image and kind as members rather than item data: a library of
// 20,000 tools is filled without a variant per item and role. The roles still answer.
class ToolItem : public QTreeWidgetItem {
public:
    ToolItem(const QString& text, std::string path, int image, bool hasChildren)
        : path_(std::move(path)), image_(image), hasChildren_(hasChildren) {
        setText(0, text);
        // An empty folder keeps its expand button: it is a folder, not a tool.
        setChildIndicatorPolicy(hasChildren ? ShowIndicator : DontShowIndicator);
    }

    const std::string& path() const { return path_; }
    int image() const { return image_; }
    bool hasChildren() const { return hasChildren_; }
    void showImage(int number) {
        if (number != image_) {
            image_ = number;
            emitDataChanged();
        }
    }

    QVariant data(int column, int role) const override {
        if (column == 0) {
            switch (role) {
                case kPathRole:
                    return QByteArray::fromStdString(path_);
                case kImageRole:
                    return image_;
                case kHasChildrenRole:
                    return hasChildren_;
                case Qt::DecorationRole:
                    return imageIcon(image_);
                default:
                    break;
            }
        }
        return QTreeWidgetItem::data(column, role);
    }

private:
    std::string path_;
    int image_;
    bool hasChildren_;
};

const ToolItem* toolItem(const QTreeWidgetItem* item) {
    return static_cast<const ToolItem*>(item);
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
    ToolTreeItem scanned = ScanToolTree(toolDirectory, fedrixEnabled);
    // Built detached and inserted in one step: the view then lays out 20,000 items once.
    auto* root =
        new ToolItem(fromFileName(scanned.text), std::move(scanned.path), kImageRoot, true);
    insertChildren(root, scanned);
    addTopLevelItem(root);
    setAccessibleDescription(root->text(0));
}

void CTreeCtrlTool::insertChildren(QTreeWidgetItem* parent, ToolTreeItem& scanned) {
    QList<QTreeWidgetItem*> children;
    children.reserve(static_cast<qsizetype>(scanned.children.size()));
    for (ToolTreeItem& child : scanned.children) {
        auto* item = new ToolItem(fromFileName(child.text), std::move(child.path), child.image,
                                  child.HasChildren());
        if (child.HasChildren()) {
            insertChildren(item, child);
        }
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
    return item != nullptr ? toolItem(item)->path() : std::string();
}

bool CTreeCtrlTool::itemHasChildren(const QTreeWidgetItem* item) {
    return item != nullptr && toolItem(item)->hasChildren();
}

int CTreeCtrlTool::itemImage(const QTreeWidgetItem* item) {
    return item != nullptr ? toolItem(item)->image() : -1;
}

QTreeWidgetItem* CTreeCtrlTool::findTreeItem(QTreeWidgetItem* start,
                                             const std::string& path) const {
    if (start == nullptr) {
        return nullptr;
    }
    for (int i = 0; i < start->childCount(); ++i) {
        QTreeWidgetItem* child = start->child(i);
        if (platform::ascii_equal_ignoring_case(toolItem(child)->path(), path)) {
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
    static_cast<ToolItem*>(item)->showImage(number);
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
