// The tree, the list and the list's model brought up to date in place when the library changed
// on disk, so that nothing the user sees jumps: selection, expansion, scroll position and sort
// order stay with their items.

#include <QLineEdit>
#include <QSignalBlocker>
#include <unordered_map>
#include <unordered_set>

#include "app/tool_list_refresh.h"
#include "app/tool_tree.h"
#include "gui/main/list_ctrl_tool.h"
#include "gui/main/tool_list_model.h"
#include "gui/main/tree_ctrl_tool.h"

void CTreeCtrlTool::updateFolder(QTreeWidgetItem* folder, const ToolTreeItem& scanned) {
    if (folder == nullptr || !itemHasChildren(folder)) {
        return;
    }
    // The window hears of selections the user makes, never of those an update makes.
    const QSignalBlocker quiet(selectionModel());
    std::unordered_map<std::string, const ToolTreeItem*> wanted;
    for (const ToolTreeItem& child : scanned.children) {
        wanted.emplace(child.path, &child);
    }
    std::unordered_set<std::string> present;
    for (int i = folder->childCount(); i-- > 0;) {
        QTreeWidgetItem* item = folder->child(i);
        const auto found = wanted.find(itemPath(item));
        // A tool that became a folder (or the reverse) is another item.
        if (found == wanted.end() || found->second->HasChildren() != itemHasChildren(item) ||
            !present.insert(found->first).second) {
            delete folder->takeChild(i);
        }
    }
    int index = 0;
    std::size_t next = 0;
    while (next < scanned.children.size()) {
        const ToolTreeItem& child = scanned.children[next];
        QTreeWidgetItem* item = index < folder->childCount() ? folder->child(index) : nullptr;
        if (item != nullptr && itemPath(item) == child.path) {
            if (child.HasChildren()) {
                updateFolder(item, child);
            } else if (itemImage(item) != child.image) {
                showImage(item, child.image);
            }
            ++index;
            ++next;
            continue;
        }
        if (item != nullptr && present.count(itemPath(item)) != 0 &&
            present.count(child.path) != 0) {
            // Out of the scan's order: taken out here, made afresh where it belongs.
            present.erase(itemPath(item));
            delete folder->takeChild(index);
            continue;
        }
        // The new items up to the next one already shown, made detached and inserted at once.
        ToolTreeItem added;
        while (next < scanned.children.size() && present.count(scanned.children[next].path) == 0) {
            added.children.push_back(scanned.children[next++]);
        }
        if (added.children.empty()) {
            present.erase(child.path);
            continue;
        }
        QTreeWidgetItem holder;
        insertChildren(&holder, added);
        const QList<QTreeWidgetItem*> made = holder.takeChildren();
        folder->insertChildren(index, made);
        index += static_cast<int>(made.size());
    }
    while (folder->childCount() > index) {
        delete folder->takeChild(index);
    }
}

void ToolListModel::applyEdit(const ToolListEdit& edit) {
    // A few ranges are announced one by one; many (a script wrote thousands of tools) as one
    // change of the layout, the selection and current row following their rows by path.
    constexpr std::size_t kRangesAnnounced = 16;
    if (edit.removals.size() + edit.insertions.size() > kRangesAnnounced) {
        emit layoutAboutToBeChanged();
        const QModelIndexList before = persistentIndexList();
        std::vector<std::string> paths;
        for (const QModelIndex& index : before) {
            paths.push_back(rows_[static_cast<std::size_t>(index.row())].path);
        }
        ApplyToolListEdit(edit, rows_);
        std::unordered_map<std::string, int> rowOf;
        for (std::size_t i = 0; i < rows_.size(); ++i) {
            rowOf.emplace(rows_[i].path, static_cast<int>(i));
        }
        QModelIndexList after;
        for (qsizetype i = 0; i < before.size(); ++i) {
            const auto found = rowOf.find(paths[static_cast<std::size_t>(i)]);
            after.append(found == rowOf.end() ? QModelIndex()
                                              : index(found->second, before[i].column()));
        }
        changePersistentIndexList(before, after);
        emit layoutChanged();
        return;
    }
    for (const ToolListEdit::Range& removal : edit.removals) {
        beginRemoveRows({}, removal.first, removal.first + removal.count - 1);
        rows_.erase(rows_.begin() + removal.first, rows_.begin() + removal.first + removal.count);
        endRemoveRows();
    }
    for (const ToolListEdit::Range& change : edit.changes) {
        rows_[static_cast<std::size_t>(change.first)] = change.rows.front();
        emit dataChanged(index(change.first, 0), index(change.first, kToolListColumnCount - 1));
    }
    for (const ToolListEdit::Range& insertion : edit.insertions) {
        beginInsertRows({}, insertion.first, insertion.first + insertion.count - 1);
        rows_.insert(rows_.begin() + insertion.first, insertion.rows.begin(), insertion.rows.end());
        endInsertRows();
    }
}

void CListCtrlTool::refreshInPlace(const ToolListRefresh& refresh) {
    ToolListOrder order;
    if (model_->sorted()) {
        const ToolListSort& sort = model_->sortState();
        order = [&sort](const ToolListRow& a, const ToolListRow& b) { return sort.Before(a, b); };
    }
    const ToolListEdit edit = PlanToolListEdit(model_->rows(), refresh.rows, order);
    if (!edit.Empty()) {
        const QSignalBlocker quiet(selectionModel());
        model_->applyEdit(edit);
        if (rowIndexEdit_ != nullptr && !model_->rows().empty()) {
            rowIndexEdit_->setText(QString::number(model_->rows().size() - 1));
        }
    }
}

std::size_t CListCtrlTool::readPendingValues(std::set<std::string>& pending, std::size_t maxReads) {
    std::size_t read = 0;
    const auto& rows = model_->rows();
    for (std::size_t i = 0; i < rows.size() && read < maxReads && !pending.empty(); ++i) {
        const auto name = pending.find(rows[i].columns[kColumnName]);
        if (rows[i].kind != ToolListRowKind::Tool || name == pending.end()) {
            continue;
        }
        pending.erase(name);
        ToolListRow row = rows[i];
        row.columns.fill(std::string());
        row.columns[kColumnName] = rows[i].columns[kColumnName];
        ReadToolRowValues(row, diameterMode_);
        ++read;
        ToolListEdit edit;
        edit.changes.push_back({static_cast<int>(i), {std::move(row)}, 1});
        model_->applyEdit(edit);
    }
    // Names the list no longer shows wait for nothing.
    if (read < maxReads) {
        pending.clear();
    }
    return read;
}
