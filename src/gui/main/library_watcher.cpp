#include "gui/main/library_watcher.h"

#include <QApplication>
#include <QSet>
#include <QSignalBlocker>
#include <QStringList>

#include "app/path_parts.h"
#include "app/tool_tree.h"
#include "gui/framework/installation_text.h"
#include "gui/main/list_ctrl_tool.h"
#include "gui/main/tool_list_model.h"
#include "gui/main/tree_ctrl_tool.h"
#include "platform/ascii_case.h"
#include "platform/file_system_kind.h"
#include "platform/filesystem.h"

namespace {

// Folders show the expand button (also an empty one), tools never: no item data is read for
// the thousands of tools.
void collectFolders(const QTreeWidgetItem* item, QStringList& folders) {
    folders.append(fromFileName(CTreeCtrlTool::itemPath(item)));
    for (int i = 0; i < item->childCount(); ++i) {
        const QTreeWidgetItem* child = item->child(i);
        if (child->childIndicatorPolicy() == QTreeWidgetItem::ShowIndicator) {
            collectFolders(child, folders);
        }
    }
}

// CUTTERBASE_POLL_LIBRARY=1: no notifications at all, the shown folder and tool are polled,
// for file systems whose notifications miss changes that we do not recognise as such.
bool pollingForced() {
    return qEnvironmentVariableIntValue("CUTTERBASE_POLL_LIBRARY") == 1;
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
    if (watchScheduled_) {
        return;
    }
    // Set up in the event loop's next pass, once the window is on the screen: hundreds of
    // watches cost about as much as a fifth of the tree. What changed meanwhile in the shown
    // folder and tool is caught by one look right after.
    watchScheduled_ = true;
    QTimer::singleShot(0, this, [this] {
        watchScheduled_ = false;
        watchFolders();
        if (!listFolder_.empty()) {
            touched_.insert(listFolder_);
        }
        toolTouched_ = true;
        if (!gatherTimer_.isActive()) {
            gatherTimer_.start();
        }
    });
}

void LibraryWatcher::watchFolders() {
    if (pollingForced()) {
        return;
    }
    QStringList folders;
    if (const QTreeWidgetItem* root = tree_->rootItem()) {
        collectFolders(root, folders);
    }
    const QStringList watchedList = watcher_.directories();
    const QSet<QString> watched(watchedList.begin(), watchedList.end());
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
    bool refused = pollingForced();
    for (const std::string& path : {toolPath_, fedrixPath_}) {
        if (refused) {
            break;
        }
        if (!path.empty() && platform::is_regular_file(path)) {
            refused |= !watcher_.addPath(fromFileName(path));
        }
    }
    const QString folder = fromFileName(listFolder_);
    if (!refused && !listFolder_.empty() && !watcher_.directories().contains(folder)) {
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
    // The folder is looked at beside the event loop: on a share thousands of stats take long.
    if (!listFolder_.empty() && touched_.empty()) {
        touched_.insert(listFolder_);
        polled_ = true;
    }
    toolTouched_ = true;
    updateNow();
}

bool LibraryWatcher::shownToolStampsChanged() const {
    return stampOf(toolPath_) != toolStamp_ || stampOf(fedrixPath_) != fedrixStamp_;
}

LibraryWatcher::~LibraryWatcher() {
    if (job_.joinable()) {
        job_.join();
    }
}

void LibraryWatcher::updateNow() {
    // A question of the window is open: what it asks about must not change under it. A look
    // still under way is finished first; its end looks again.
    QWidget* modal = QApplication::activeModalWidget();
    if (job_.joinable() || (modal != nullptr && modal != tree_->window())) {
        if (!job_.joinable()) {
            gatherTimer_.start();
        }
        again_ = true;
        return;
    }
    again_ = false;
    Look look;
    look.polled = polled_;
    polled_ = false;
    look.touched = std::move(touched_);
    touched_.clear();
    for (const std::string& folder : look.touched) {
        look.listTouched |= platform::ascii_equal_ignoring_case(folder, listFolder_);
    }
    look.listFolder = listFolder_;
    look.listReads = list_->folderReads();
    look.source = list_->source();
    look.before = listLook_;
    if (look.listTouched) {
        look.shown = list_->toolModel()->rows();
    }
    look.fedrixEnabled = fedrixEnabled_;
    // The disk is read beside the event loop: a folder of thousands of files costs the window
    // only the placing of what changed.
    job_ = std::thread([this, look = std::move(look)]() mutable {
        for (const std::string& folder : look.touched) {
            std::string existing = folder;
            // A folder that is gone is taken out by the update of the nearest one left.
            while (!existing.empty() && !platform::is_directory(existing)) {
                const std::string parent = DirectoryPart(existing);
                existing = parent == existing ? std::string() : parent;
            }
            if (!existing.empty() && look.scans.count(existing) == 0) {
                look.scans.emplace(existing, ScanToolTree(existing, look.fedrixEnabled));
            }
        }
        if (look.listTouched && platform::is_directory(look.listFolder)) {
            look.after = LookAtFolder(look.listFolder);
            const FolderChanges changes = CompareLooks(look.before, look.after);
            if (changes.Any()) {
                look.names.insert(changes.changed.begin(), changes.changed.end());
                look.names.insert(changes.added.begin(), changes.added.end());
                look.refresh = RefreshToolListRows(look.source, look.shown, look.names, 0);
                look.listChanged = true;
            }
            look.listRead = true;
        }
        look.shown.clear();
        result_ = std::move(look);
        QMetaObject::invokeMethod(this, &LibraryWatcher::lookDone, Qt::QueuedConnection);
    });
}

void LibraryWatcher::lookDone() {
    job_.join();
    Look look = std::move(result_);
    const std::string selected = CTreeCtrlTool::itemPath(tree_->selectedItem());
    for (const auto& [folder, scanned] : look.scans) {
        QTreeWidgetItem* item = tree_->itemToSelect(folder);
        if (item != nullptr &&
            platform::ascii_equal_ignoring_case(CTreeCtrlTool::itemPath(item), folder)) {
            tree_->updateFolder(item, scanned);
        }
    }
    // The list shows what it showed when the look began: else the look is of no use to it.
    if (look.listRead && look.listFolder == listFolder_ && look.listReads == list_->folderReads()) {
        if (look.listChanged) {
            list_->refreshInPlace(look.refresh);
            pendingNames_.insert(look.refresh.pending.begin(), look.refresh.pending.end());
        }
        listLook_ = std::move(look.after);
    }
    if (!look.touched.empty()) {
        watchFolders();
    }
    const bool toolChanged = (toolTouched_ || !look.touched.empty()) && shownToolStampsChanged();
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
    readPending();
    if (again_ || !touched_.empty()) {
        gatherTimer_.start();
    }
    // A poll that found nothing new changed nothing.
    if (foldersChanged_ && !look.touched.empty() && (!look.polled || look.listChanged)) {
        foldersChanged_(look.touched);
    }
    if (toolChanged) {
        emit shownToolChanged();
    }
    if (selectionGone) {
        emit selectedItemRemoved(selected);
    }
}

void LibraryWatcher::readPending() {
    // Values read while a look is under way would be undone by its rows.
    if (pendingNames_.empty() || job_.joinable()) {
        return;
    }
    listFilesRead_ += list_->readPendingValues(pendingNames_, kReadsPerPass);
    if (!pendingNames_.empty()) {
        QTimer::singleShot(0, this, &LibraryWatcher::readPending);
    }
}
