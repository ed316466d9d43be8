#pragma once
// The order of the tool list's rows after clicks on its column headers. Rows keep the folder's
// order until a header is clicked; each column remembers its own direction.

#include <array>
#include <vector>

#include "app/tool_list_rows.h"

// Compares two rows by one column: folders before everything else; columns 0 and 10 as text
// ignoring case, column 1 as integers, columns 2 to 9 as numbers rounded to thousandths (so
// 1.0004 equals 1.0001), other columns as equal. With `descending` the rows are exchanged
// first, which reverses the folder rule too. Negative, zero or positive. Texts that are not
// numbers count as 0; any number, however large, compares without overflow.
int CompareToolListRows(const ToolListRow& a, const ToolListRow& b, int column, bool descending);

class ToolListSort {
public:
    // A click on a column header: the second click in a row on the same column reverses its
    // direction; a column clicked first sorts descending (folders last). By a column outside
    // the table only the folder rule orders, folders first.
    void Click(int column);
    // Whether `a` goes before `b` in the order of the last click.
    bool Before(const ToolListRow& a, const ToolListRow& b) const;
    // Click, then sorts `rows`, keeping the order of rows that compare equal.
    void HeaderClick(int column, std::vector<ToolListRow>& rows);

    int sort_column() const { return sort_column_; }  // -1 before the first click
    bool descending(int column) const;

private:
    int sort_column_ = -1;
    std::array<bool, kToolListColumnCount> descending_{true, true, true, true, true, true,
                                                       true, true, true, true, true};
};
