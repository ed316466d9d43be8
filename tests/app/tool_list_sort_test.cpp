#include "app/tool_list_sort.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

namespace {

// A folder is "NAME/"; a tool "NAME=VALUE" puts VALUE into every column but 0.
std::vector<ToolListRow> rows(const std::vector<std::string>& row_texts) {
    std::vector<ToolListRow> result;
    for (const std::string& row_text : row_texts) {
        ToolListRow& row = result.emplace_back();
        const bool folder = row_text.back() == '/';
        const std::size_t end = std::min(row_text.find(folder ? '/' : '='), row_text.size());
        row.columns.fill(row_text.substr(std::min(end + 1, row_text.size())));
        row.columns[kColumnName] = row_text.substr(0, end);
        if (folder) {
            row.kind = ToolListRowKind::Folder;
            row.image = kImageFolder;
        }
    }
    return result;
}

std::string names(const std::vector<ToolListRow>& sorted) {
    std::string text;
    for (const ToolListRow& row : sorted) {
        text += row.columns[kColumnName] + (row.IsFolder() ? "/ " : " ");
    }
    return text;
}

TEST(ToolListSort, ClicksAlternateEachColumnsDirectionAndFoldersFollowIt) {
    const std::vector<std::string> start = {"c=3", "Up/", "a=1.0004", "B=12", "down/", "d=1.0001"};
    // clicks, rows afterwards
    const std::pair<std::vector<int>, std::string> cases[] = {
        {{0}, "d c B a Up/ down/ "},
        {{0, 0}, "down/ Up/ a B c d "},
        {{0, 0, 0}, "d c B a Up/ down/ "},
        // Column 2 compares thousandths: 1.0004 and 1.0001 are equal and keep their order.
        {{2}, "B c a d Up/ down/ "},
        {{2, 2}, "down/ Up/ a d c B "},
        {{0, 2}, "B c d a Up/ down/ "},
        // Back to column 0 after column 2: column 0 still remembers its own direction.
        {{0, 0, 2, 0}, "down/ Up/ a B c d "},
        // Column 1 compares integers: 1.0004 and 1.0001 are both 1.
        {{1, 1}, "down/ Up/ a d c B "},
        {{10, 10}, "down/ Up/ d a B c "},
    };
    for (const auto& [clicks, expected] : cases) {
        std::vector<ToolListRow> list = rows(start);
        ToolListSort sort;
        for (const int column : clicks) {
            sort.HeaderClick(column, list);
        }
        EXPECT_EQ(names(list), expected) << clicks.size() << " clicks, last " << clicks.back();
        EXPECT_EQ(sort.sort_column(), clicks.back());
    }
}

TEST(ToolListSort, NumbersOfAnySizeCompareWithoutOverflow) {
    // column, row A, row B, A compared with B ascending
    const std::tuple<int, const char*, const char*, int> cases[] = {
        {1, "low=-2147483648", "high=2147483647", -1},
        {1, "over=99999999999", "high=2147483647", 0},
        {1, "seven=7", "twelve=12", -1},
        {1, "none=", "text=x7", 0},
        {2, "low=-1e300", "high=1e300", -1},
        {2, "over=1e999", "high=1e300", 1},
        {2, "float=3.4e38", "high=1e300", -1},
        {2, "nine=9", "ten=10", -1},
        {2, "small=0.0004", "none=", 0},
        {2, "half=0.0005", "thousandth=0.001", 0},
        {2, "half=-0.0005", "thousandth=-0.001", 0},
        {9, "lead=  2.5mm", "three=3", -1},
        {0, "B=", "b=", 0},
        {0, "a=", "B=", -1},
        {10, "z=Zeta", "a=alpha", 1},
        {2, "folder/", "a=-1", -1},
        {7, "folder/", "Folder/", 0},
    };
    for (const auto& [column, a, b, expected] : cases) {
        const auto pair = rows({a, b});
        EXPECT_EQ(CompareToolListRows(pair[0], pair[1], column, false), expected)
            << column << " " << a << " " << b;
        EXPECT_EQ(CompareToolListRows(pair[1], pair[0], column, false), -expected);
        EXPECT_EQ(CompareToolListRows(pair[0], pair[1], column, true), -expected);
    }
}

}  // namespace
