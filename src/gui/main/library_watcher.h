#pragma once
// Follows the tool library on disk while the window is open: other programs and other users
// change a shared library. The folders of the tree and the folder the list shows are watched
// (QFileSystemWatcher); on a network file system, whose notifications miss other machines'
// changes, and for folders beyond the watch limit, the shown folder and the shown tool are
// polled by their stamps instead. Events are gathered for a moment, then the tree and the list
// are brought up to date in place, and the window hears when its shown tool changed or its
// selected item disappeared.

#include <QFileSystemWatcher>
#include <QObject>
#include <QTimer>
#include <cstddef>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "app/folder_look.h"
#include "app/tool_list_refresh.h"
#include "app/tool_tree.h"
#include "platform/file_stamp.h"

class CListCtrlTool;
class CTreeCtrlTool;

class LibraryWatcher : public QObject {
    Q_OBJECT

public:
    // Events within this time are handled together.
    static constexpr int kGatherMilliseconds = 300;
    // The interval of polling where notifications do not serve.
    static constexpr int kPollMilliseconds = 2000;
    // Tool files the list reads in one pass of the event loop: after a change the rows are
    // placed at once and their values follow in such passes, so the window keeps answering.
    static constexpr std::size_t kReadsPerPass = 100;

    LibraryWatcher(CTreeCtrlTool* tree, CListCtrlTool* list, bool fedrixEnabled,
                   QObject* parent = nullptr);
    ~LibraryWatcher() override;

    // The tree was built afresh: its folders are watched from the event loop's next pass on.
    void watchTree();
    // What the window shows now: the list's folder (from the list) and the tool on the pages
    // ("" for none) with its Fedrix file; their present state is the one compared with later.
    void follow(const std::string& toolPath, const std::string& fedrixPath);
    // Handles what has gathered: the disk is looked at beside the event loop, then the tree and
    // the list are updated (the gathering timer calls it).
    void updateNow();
    // Whether a look at the disk is under way.
    bool looking() const { return job_.joinable(); }

    // Whether the shown folder and tool are polled rather than watched.
    bool polling() const { return polling_; }
    // Tool files read by in-place updates of the list since the watcher was made.
    std::size_t listFilesRead() const { return listFilesRead_; }

    // Called when a search index wants to follow the library: the folders that changed, after
    // the tree and the list were updated.
    void setFoldersChangedHook(std::function<void(const std::set<std::string>&)> hook) {
        foldersChanged_ = std::move(hook);
    }

signals:
    // The shown tool's file or its Fedrix file changed on disk (or is gone).
    void shownToolChanged();
    // The selected tree item's file or folder is gone; the tree selects nothing meanwhile.
    void selectedItemRemoved(const std::string& path);

private:
    // One look at the disk for what gathered, made beside the event loop.
    struct Look {
        std::set<std::string> touched;
        bool polled = false;                        // by the poll alone
        std::map<std::string, ToolTreeItem> scans;  // by existing folder
        bool fedrixEnabled = false;
        bool listTouched = false;
        bool listRead = false;
        bool listChanged = false;
        std::string listFolder;
        int listReads = 0;
        ToolListSource source;
        std::vector<ToolListRow> shown;
        FolderLook before;
        FolderLook after;
        std::set<std::string> names;
        ToolListRefresh refresh;
    };

    void lookDone();
    void watchFolders();
    void folderTouched(const QString& path);
    void fileTouched(const QString& path);
    void poll();
    void gather();
    void watchShown();
    void readPending();
    bool shownToolStampsChanged() const;

    CTreeCtrlTool* tree_;
    CListCtrlTool* list_;
    bool fedrixEnabled_;
    QFileSystemWatcher watcher_;
    QTimer gatherTimer_;
    QTimer pollTimer_;
    bool polling_ = false;
    bool watchLimitReached_ = false;
    bool again_ = false;
    bool watchScheduled_ = false;
    bool polled_ = false;
    std::thread job_;
    Look result_;
    int listReads_ = -1;
    std::set<std::string> touched_;
    bool toolTouched_ = false;
    std::set<std::string> pendingNames_;
    std::string listFolder_;
    FolderLook listLook_;
    std::string toolPath_;
    std::string fedrixPath_;
    std::optional<platform::FileStamp> toolStamp_;
    std::optional<platform::FileStamp> fedrixStamp_;
    std::size_t listFilesRead_ = 0;
    std::function<void(const std::set<std::string>&)> foldersChanged_;
};
