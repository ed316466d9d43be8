#include "app/tool_list_sort.h"

#include <algorithm>
#include <cmath>

#include "platform/ascii_case.h"
#include "platform/number_text.h"

namespace {

int compare_text(const std::string& a, const std::string& b) {
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        const auto ca = static_cast<unsigned char>(platform::ascii_upper(a[i]));
        const auto cb = static_cast<unsigned char>(platform::ascii_upper(b[i]));
        if (ca != cb) {
            return ca < cb ? -1 : 1;
        }
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

template <typename T>
int sign_of_difference(T a, T b) {
    return a < b ? -1 : (b < a ? 1 : 0);
}

// The number of thousandths, rounded half away from zero; kept as a double, since a damaged
// file's value can lie far outside every integer type.
double thousandths(const std::string& text) {
    return std::round(platform::parse_leading_double(text).value * 1000.0);
}

}  // namespace

int CompareToolListRows(const ToolListRow& a, const ToolListRow& b, int column, bool descending) {
    const ToolListRow& first = descending ? b : a;
    const ToolListRow& second = descending ? a : b;
    if (first.IsFolder() != second.IsFolder()) {
        return first.IsFolder() ? -1 : 1;
    }
    if (first.IsFolder()) {
        return compare_text(first.columns[kColumnName], second.columns[kColumnName]);
    }
    if (column < 0 || column >= kToolListColumnCount) {
        return 0;
    }
    const std::string& x = first.columns[static_cast<std::size_t>(column)];
    const std::string& y = second.columns[static_cast<std::size_t>(column)];
    if (column == kColumnName || column == kColumnComment) {
        return compare_text(x, y);
    }
    if (column == kColumnNumber) {
        return sign_of_difference(platform::parse_leading_int(x), platform::parse_leading_int(y));
    }
    return sign_of_difference(thousandths(x), thousandths(y));
}

bool ToolListSort::descending(int column) const {
    return column >= 0 && column < kToolListColumnCount &&
           descending_[static_cast<std::size_t>(column)];
}

void ToolListSort::Click(int column) {
    if (column == sort_column_ && column >= 0 && column < kToolListColumnCount) {
        descending_[static_cast<std::size_t>(column)] =
            !descending_[static_cast<std::size_t>(column)];
    }
    sort_column_ = column;
}

bool ToolListSort::Before(const ToolListRow& a, const ToolListRow& b) const {
    return CompareToolListRows(a, b, sort_column_, descending(sort_column_)) < 0;
}

void ToolListSort::HeaderClick(int column, std::vector<ToolListRow>& rows) {
    Click(column);
    std::stable_sort(rows.begin(), rows.end(),
                     [this](const ToolListRow& a, const ToolListRow& b) { return Before(a, b); });
}
