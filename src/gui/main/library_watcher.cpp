#include "gui/main/library_watcher.h"

#include <QApplication>
#include <QSignalBlocker>
#include <QStringList>

#include "app/path_parts.h"
#include "app/tool_tree.h"
#include "gui/framework/installation_text.h"
#include "gui/main/list_ctrl_tool.h"
#include "gui/main/tree_ctrl_tool.h"
#include "platform/ascii_case.h"
#include "platform/file_system_kind.h"
#include "platform/filesystem.h"

namespace {

void collectFolders(const QTreeWidgetItem* item, QStringList& folders) {
    if (!CTreeCtrlTool::itemHasChildren(item)) {
        return;
    }
    folders.append(fromFileName(CTreeCtrlTool::itemPath(item)));
    for (int i = 0; i < item->childCount(); ++i) {
        collectFolders(item->child(i), folders);
    }
}

std::optional<platform::FileStamp> stampOf(const std::string& path) {
    return path.empty() ? std::nullopt : platform::regular_file_stamp(path);
}

}  // namespace

LibraryWatcher::LibraryWatcher(CTreeCtrlTool* tree, CListCtrlTool* list, bool fedrixEnabled,
                               QObject* parent)
    : QObject(parent), tree_(tree), list_(list), fedrixEnabled_(fedrixEnabled) {
    gatherTimer_.setSingleShot(true);
    gatherTimer_.setInterval(kGatherMilliseconds);
    pollTimer_.setInterval(kPollMilliseconds);
    connect(&gatherTimer_, &QTimer::timeout, this, &LibraryWatcher::updateNow);
    connect(&pollTimer_, &QTimer::timeout, this, &LibraryWatcher::poll);
    connect(&watcher_, &QFileSystemWatcher::directoryChanged, this, &LibraryWatcher::folderTouched);
    connect(&watcher_, &QFileSystemWatcher::fileChanged, this, &LibraryWatcher::fileTouched);
}

void LibraryWatcher::watchTree() {
    QStringList folders;
    if (const QTreeWidgetItem* root = tree_->rootItem()) {
        collectFolders(root, folders);
    }
    const QStringList watched = watcher_.directories();
    QStringList added;
    for (const QString& folder : folders) {
        if (!watched.contains(folder)) {
            added.append(folder);
        }
    }
    // Folders the system refuses (the watch limit) are followed by polling while shown.
    if (!added.isEmpty() && !watcher_.addPaths(added).isEmpty()) {
        watchLimitReached_ = true;
    }
}

void LibraryWatcher::follow(const std::string& toolPath, const std::string& fedrixPath) {
    const std::string folder = list_->currentDirectory();
    if (folder != listFolder_ || list_->folderReads() != listReads_) {
        listFolder_ = folder;
        listReads_ = list_->folderReads();
        listLook_ = LookAtFolder(folder);
        pendingNames_.clear();
    }
    toolPath_ = toolPath;
    fedrixPath_ = fedrixPath;
    toolStamp_ = stampOf(toolPath_);
    fedrixStamp_ = stampOf(fedrixPath_);
    watchShown();
}

void LibraryWatcher::watchShown() {
    const QStringList files = watcher_.files();
    if (!files.isEmpty()) {
        watcher_.removePaths(files);
    }
    bool refused = false;
    for (const std::string& path : {toolPath_, fedrixPath_}) {
        if (!path.empty() && platform::is_regular_file(path)) {
            refused |= !watcher_.addPath(fromFileName(path));
        }
    }
    const QString folder = fromFileName(listFolder_);
    if (!listFolder_.empty() && !watcher_.directories().contains(folder)) {
        refused |= !watcher_.addPath(folder);
    }
    polling_ = refused || watchLimitReached_ ||
               (!listFolder_.empty() && platform::is_network_file_system(listFolder_));
    if (polling_ && !pollTimer_.isActive()) {
        pollTimer_.start();
    } else if (!polling_) {
        pollTimer_.stop();
    }
}

void LibraryWatcher::folderTouched(const QString& path) {
    touched_.insert(toFileName(path));
    if (!gatherTimer_.isActive()) {
        gatherTimer_.start();
    }
}

void LibraryWatcher::fileTouched(const QString&) {
    toolTouched_ = true;
    if (!gatherTimer_.isActive()) {
        gatherTimer_.start();
    }
}

void LibraryWatcher::poll() {
    if (!listFolder_.empty() && LookAtFolder(listFolder_) != listLook_) {
        touched_.insert(listFolder_);
    }
    if (shownToolStampsChanged()) {
        toolTouched_ = true;
    }
    if (!touched_.empty() || toolTouched_) {
        updateNow();
    }
}

bool LibraryWatcher::shownToolStampsChanged() const {
    return stampOf(toolPath_) != toolStamp_ || stampOf(fedrixPath_) != fedrixStamp_;
}

void LibraryWatcher::updateNow() {
    // A question of the window is open: what it asks about must not change under it.
    QWidget* modal = QApplication::activeModalWidget();
    if (updating_ || (modal != nullptr && modal != tree_->window())) {
        gatherTimer_.start();
        return;
    }
    updating_ = true;
    const std::set<std::string> touched = std::move(touched_);
    touched_.clear();
    const std::string selected = CTreeCtrlTool::itemPath(tree_->selectedItem());
    for (const std::string& folder : touched) {
        updateFolder(folder);
    }
    bool listTouched = false;
    for (const std::string& folder : touched) {
        listTouched |= platform::ascii_equal_ignoring_case(folder, listFolder_);
    }
    if (listTouched && platform::is_directory(listFolder_)) {
        FolderLook look = LookAtFolder(listFolder_);
        const FolderChanges changes = CompareLooks(listLook_, look);
        if (changes.Any()) {
            // The rows are placed at once; their values follow pass by pass.
            pendingNames_.insert(changes.changed.begin(), changes.changed.end());
            pendingNames_.insert(changes.added.begin(), changes.added.end());
            list_->refreshInPlace(pendingNames_, 0, pendingNames_);
            readPending();
        }
        listLook_ = std::move(look);
    }
    if (!touched.empty()) {
        watchTree();
    }
    const bool toolChanged = (toolTouched_ || !touched.empty()) && shownToolStampsChanged();
    toolTouched_ = false;
    if (toolChanged) {
        toolStamp_ = stampOf(toolPath_);
        fedrixStamp_ = stampOf(fedrixPath_);
    }
    watchShown();
    bool selectionGone = false;
    if (!selected.empty()) {
        QTreeWidgetItem* item = tree_->itemToSelect(selected);
        if (item != nullptr &&
            platform::ascii_equal_ignoring_case(CTreeCtrlTool::itemPath(item), selected)) {
            if (tree_->selectedItem() != item) {
                const QSignalBlocker quiet(tree_->selectionModel());
                tree_->selectionModel()->setCurrentIndex(tree_->indexFromItem(item),
                                                         QItemSelectionModel::ClearAndSelect);
                tree_->viewport()->update();
            }
        } else {
            const QSignalBlocker quiet(tree_->selectionModel());
            tree_->clearSelection();
            tree_->viewport()->update();
            selectionGone = true;
        }
    }
    updating_ = false;
    if (foldersChanged_ && !touched.empty()) {
        foldersChanged_(touched);
    }
    if (toolChanged) {
        emit shownToolChanged();
    }
    if (selectionGone) {
        emit selectedItemRemoved(selected);
    }
}

void LibraryWatcher::updateFolder(const std::string& folder) {
    // A folder that is gone is taken out by its parent's update.
    std::string existing = folder;
    while (!existing.empty() && !platform::is_directory(existing)) {
        const std::string parent = DirectoryPart(existing);
        if (parent == existing) {
            return;
        }
        existing = parent;
    }
    QTreeWidgetItem* item = tree_->itemToSelect(existing);
    if (item == nullptr ||
        !platform::ascii_equal_ignoring_case(CTreeCtrlTool::itemPath(item), existing)) {
        return;
    }
    tree_->updateFolder(item, ScanToolTree(existing, fedrixEnabled_));
}

void LibraryWatcher::readPending() {
    if (pendingNames_.empty()) {
        return;
    }
    listFilesRead_ += list_->readPendingValues(pendingNames_, kReadsPerPass);
    if (!pendingNames_.empty()) {
        QTimer::singleShot(0, this, &LibraryWatcher::readPending);
    }
}
