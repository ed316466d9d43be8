#pragma once
// The tool list brought up to date in place when its folder changed on disk: only the tool files
// that are new or changed are read, and the list receives a short script of removals, changed
// rows and insertions, so its selection, scroll position and sort order stay.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "app/tool_list_rows.h"

struct ToolListRefresh {
    std::vector<ToolListRow> rows;  // in the folder's order
    std::size_t tools_read = 0;     // tool files read for their values
    std::set<std::string> pending;  // names left unread by the limit, for the next pass
};

// The folder's rows again; a tool row whose name is not in `changed_names` and that `shown`
// holds (same path) takes its values from there instead of its file. At most `max_reads` files
// are read, so that a script writing thousands of tools never stalls the window: the others
// keep the values shown (a new one has none yet) and are named in `pending`.
ToolListRefresh RefreshToolListRows(const ToolListSource& source,
                                    const std::vector<ToolListRow>& shown,
                                    const std::set<std::string>& changed_names,
                                    std::size_t max_reads = SIZE_MAX);

// Whether `a` goes before `b` in the list's present order; empty: the folder's order.
using ToolListOrder = std::function<bool(const ToolListRow& a, const ToolListRow& b)>;

struct ToolListEdit {
    struct Range {
        int first = 0;
        std::vector<ToolListRow> rows;  // empty for a removal of `count` rows
        int count = 0;
    };
    std::vector<Range> removals;    // applied first, from the last rows up
    std::vector<Range> changes;     // one row each, at its index after the removals
    std::vector<Range> insertions;  // then in this order, at their final index
    bool Empty() const { return removals.empty() && changes.empty() && insertions.empty(); }
};

// The script that turns `current` (as the list shows it) into the rows of `fresh`: rows whose
// path is gone are removed, rows whose contents differ are changed, new rows are inserted where
// `order` puts them (among the kept rows; in the folder's order without one).
ToolListEdit PlanToolListEdit(const std::vector<ToolListRow>& current,
                              const std::vector<ToolListRow>& fresh, const ToolListOrder& order);

// Applies the script to plain rows, as the list's model does.
void ApplyToolListEdit(const ToolListEdit& edit, std::vector<ToolListRow>& rows);
