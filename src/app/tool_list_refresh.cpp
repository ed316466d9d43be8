#include "app/tool_list_refresh.h"

#include <algorithm>
#include <unordered_map>

#include "app/path_parts.h"

namespace {

std::size_t fresh_count(const ToolListEdit& edit) {
    std::size_t count = 0;
    for (const ToolListEdit::Range& insertion : edit.insertions) {
        count += insertion.rows.size();
    }
    return count;
}

bool sameContents(const ToolListRow& a, const ToolListRow& b) {
    return a.kind == b.kind && a.image == b.image && a.shape == b.shape && a.columns == b.columns;
}

}  // namespace

ToolListRefresh RefreshToolListRows(const ToolListSource& source,
                                    const std::vector<ToolListRow>& shown,
                                    const std::set<std::string>& changed_names,
                                    std::size_t max_reads) {
    std::unordered_map<std::string, const ToolListRow*> known;
    for (const ToolListRow& row : shown) {
        if (row.kind == ToolListRowKind::Tool) {
            known.emplace(row.path, &row);
        }
    }
    ToolListRefresh refresh;
    refresh.rows = ReadToolListRows(source, {}, [&](ToolListRow& row) {
        const std::string name = row.columns[kColumnName];
        const auto found = known.find(row.path);
        const bool changed = changed_names.count(FileNamePart(row.path, true)) != 0;
        if (found == known.end() || changed) {
            if (refresh.tools_read < max_reads) {
                ++refresh.tools_read;
                ReadToolRowValues(row, source.diameter_mode);
                return;
            }
            refresh.pending.insert(FileNamePart(row.path, true));
        }
        if (found != known.end()) {
            row.shape = found->second->shape;
            row.columns = found->second->columns;
            row.columns[kColumnName] = name;
        }
    });
    return refresh;
}

ToolListEdit PlanToolListEdit(const std::vector<ToolListRow>& current,
                              const std::vector<ToolListRow>& fresh, const ToolListOrder& order) {
    std::unordered_map<std::string, std::size_t> fresh_index;
    for (std::size_t i = 0; i < fresh.size(); ++i) {
        fresh_index.emplace(fresh[i].path, i);
    }
    ToolListEdit edit;
    std::vector<bool> taken(fresh.size(), false);
    std::vector<const ToolListRow*> kept;
    for (std::size_t i = current.size(); i-- > 0;) {
        const auto found = fresh_index.find(current[i].path);
        if (found == fresh_index.end() || taken[found->second]) {
            if (!edit.removals.empty() && edit.removals.back().first == static_cast<int>(i) + 1) {
                --edit.removals.back().first;
                ++edit.removals.back().count;
            } else {
                edit.removals.push_back({static_cast<int>(i), {}, 1});
            }
            continue;
        }
        taken[found->second] = true;
        kept.push_back(&fresh[found->second]);
    }
    std::reverse(kept.begin(), kept.end());
    for (std::size_t i = 0, k = 0; i < current.size(); ++i) {
        const auto found = fresh_index.find(current[i].path);
        if (k < kept.size() && found != fresh_index.end() && &fresh[found->second] == kept[k]) {
            if (!sameContents(current[i], *kept[k])) {
                edit.changes.push_back({static_cast<int>(k), {*kept[k]}, 1});
            }
            ++k;
        }
    }
    // The final order: the kept rows as they stand, the new rows placed among them.
    std::vector<std::pair<const ToolListRow*, bool>> final_rows;  // row, new
    final_rows.reserve(fresh.size());
    if (order) {
        std::vector<const ToolListRow*> added;
        for (std::size_t i = 0; i < fresh.size(); ++i) {
            if (!taken[i]) {
                added.push_back(&fresh[i]);
            }
        }
        std::stable_sort(
            added.begin(), added.end(),
            [&order](const ToolListRow* a, const ToolListRow* b) { return order(*a, *b); });
        std::size_t k = 0;
        for (const ToolListRow* row : added) {
            while (k < kept.size() && !order(*row, *kept[k])) {
                final_rows.emplace_back(kept[k++], false);
            }
            final_rows.emplace_back(row, true);
        }
        for (; k < kept.size(); ++k) {
            final_rows.emplace_back(kept[k], false);
        }
    } else {
        // The folder's order: each new row before the kept rows that follow it there.
        std::size_t k = 0;
        for (std::size_t i = 0; i < fresh.size(); ++i) {
            if (!taken[i]) {
                final_rows.emplace_back(&fresh[i], true);
                continue;
            }
            while (k < kept.size() && fresh_index.at(kept[k]->path) <= i) {
                final_rows.emplace_back(kept[k++], false);
            }
        }
        for (; k < kept.size(); ++k) {
            final_rows.emplace_back(kept[k], false);
        }
    }
    for (std::size_t i = 0; i < final_rows.size(); ++i) {
        if (!final_rows[i].second) {
            continue;
        }
        if (!edit.insertions.empty() &&
            edit.insertions.back().first + edit.insertions.back().count == static_cast<int>(i)) {
            edit.insertions.back().rows.push_back(*final_rows[i].first);
            ++edit.insertions.back().count;
        } else {
            edit.insertions.push_back({static_cast<int>(i), {*final_rows[i].first}, 1});
        }
    }
    return edit;
}

void ApplyToolListEdit(const ToolListEdit& edit, std::vector<ToolListRow>& rows) {
    // One pass over the rows, however many ranges: thousands of new tools cost no more.
    std::vector<bool> gone(rows.size(), false);
    for (const ToolListEdit::Range& removal : edit.removals) {
        std::fill_n(gone.begin() + removal.first, removal.count, true);
    }
    std::vector<ToolListRow> kept;
    kept.reserve(rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (!gone[i]) {
            kept.push_back(std::move(rows[i]));
        }
    }
    for (const ToolListEdit::Range& change : edit.changes) {
        kept[static_cast<std::size_t>(change.first)] = change.rows.front();
    }
    std::vector<ToolListRow> result;
    result.reserve(kept.size() + fresh_count(edit));
    std::size_t next = 0;
    for (const ToolListEdit::Range& insertion : edit.insertions) {
        while (result.size() < static_cast<std::size_t>(insertion.first) && next < kept.size()) {
            result.push_back(std::move(kept[next++]));
        }
        result.insert(result.end(), insertion.rows.begin(), insertion.rows.end());
    }
    while (next < kept.size()) {
        result.push_back(std::move(kept[next++]));
    }
    rows = std::move(result);
}
