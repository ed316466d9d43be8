// The main window in a shared library: it follows the library on disk, keeps the bytes of the
// tool it loaded, and never writes over or deletes a file that changed since without asking.

#include "app/path_parts.h"
#include "app/shared_library_messages.h"
#include "gui/framework/installation_text.h"
#include "gui/main/cutter_base_dlg.h"
#include "gui/main/library_watcher.h"
#include "gui/main/tool_search.h"
#include "gui/main/tree_ctrl_tool.h"
#include "platform/ascii_case.h"
#include "platform/filesystem.h"
#include "toolfiles/fedrix_tool_info.h"

void CCutterBaseDlg::followLibrary() {
    if (list_ == nullptr) {
        return;
    }
    if (watcher_ == nullptr) {
        watcher_ = new LibraryWatcher(tree_, list_, fedrixEnabled_, this);
        connect(watcher_, &LibraryWatcher::shownToolChanged, this,
                &CCutterBaseDlg::shownToolChangedOnDisk);
        connect(watcher_, &LibraryWatcher::selectedItemRemoved, this,
                &CCutterBaseDlg::selectedItemRemoved);
        // The search index follows the library as well (unchanged files are reused).
        watcher_->setFoldersChangedHook([this](const std::set<std::string>&) {
            if (search_ != nullptr) {
                search_->libraryChanged();
            }
        });
    }
    watcher_->watchTree();
}

void CCutterBaseDlg::captureLoaded(const std::string& path) {
    // Read before the tool is parsed: a change in between makes the save ask needlessly, never
    // write over unseen bytes.
    loaded_.Capture(path, fedrixEnabled_ ? FedrixFilePath(path) : std::string());
}

void CCutterBaseDlg::followShown(const std::string& requested, const std::string& shown,
                                 bool isTool) {
    if (!isTool || shown != requested) {
        loaded_.Forget();
    }
    if (watcher_ != nullptr) {
        watcher_->follow(isTool ? shown : std::string(),
                         isTool && fedrixEnabled_ ? FedrixFilePath(shown) : std::string());
    }
}

std::optional<CCutterBaseDlg::SaveOutcome> CCutterBaseDlg::guardOverwrite(
    const std::string& target) {
    if (!loaded_.IsToolPath(target)) {
        return std::nullopt;
    }
    switch (DecideBeforeWrite(loaded_, AskSaveOverChange)) {
        case WriteDecision::Write:
            return std::nullopt;
        case WriteDecision::Reload:
            reloadShown();
            return SaveOutcome::Reloaded;
        case WriteDecision::Back:
            break;
    }
    return SaveOutcome::Failed;
}

bool CCutterBaseDlg::mayDelete(const std::string& path) {
    if (!loaded_.IsToolPath(path)) {
        return true;
    }
    const DiskDifference difference = loaded_.Compare();
    // A file gone already is named as gone by the delete itself.
    if (difference.state != DiskState::Changed) {
        return true;
    }
    switch (AskDeleteChanged(difference.path)) {
        case ConflictAnswer::Overwrite:
            return true;
        case ConflictAnswer::KeepTheirs:
            reloadShown();
            return false;
        case ConflictAnswer::Cancel:
            break;
    }
    return false;
}

void CCutterBaseDlg::reloadShown() {
    // The edits are dropped first: the tree's selection moving to the folder must not offer them
    // for saving.
    SetToolModified(false);
    SetFedrixModified(false);
    const std::string path = shownPath_;
    // A tool removed meanwhile leaves its folder shown.
    ShowTool(platform::exists(path) ? path : DirectoryPart(path), true, false);
}

void CCutterBaseDlg::shownToolChangedOnDisk() {
    if (!shownIsTool_ || IsToolModified() || IsFedrixModified()) {
        // Edits are kept: the save meets the changed file and asks.
        return;
    }
    if (loaded_.Compare().state == DiskState::Unchanged) {
        return;
    }
    const std::string path = shownPath_;
    if (!platform::is_regular_file(path)) {
        selectedItemRemoved(path);
        return;
    }
    ShowTool(path, false, false);
    if (shownIsTool_ && shownPath_ == path) {
        toolSettingsText_ += QLatin1Char(' ') + fromInstallationText(ReloadedNote());
        exchangeToControls();
    }
}

void CCutterBaseDlg::selectedItemRemoved(const std::string& path) {
    if (shownIsTool_ && (IsToolModified() || IsFedrixModified()) &&
        platform::ascii_equal_ignoring_case(path, shownPath_)) {
        // The edits stay on the pages; the save asks whether to write the file again.
        return;
    }
    std::string parent = path;
    while (true) {
        const std::string up = DirectoryPart(parent);
        if (up.empty() || up == parent) {
            return;
        }
        parent = up;
        QTreeWidgetItem* item = tree_->itemToSelect(parent);
        if (item != nullptr &&
            (item == tree_->rootItem() ||
             platform::ascii_equal_ignoring_case(CTreeCtrlTool::itemPath(item), parent))) {
            SelectPath(CTreeCtrlTool::itemPath(item));
            return;
        }
    }
}
