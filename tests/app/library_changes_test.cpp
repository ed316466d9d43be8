// A library changed by other programs: the decision before a write over a loaded tool, and the
// list brought up to date in place.

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <sstream>
#include <tuple>

#include "app/folder_look.h"
#include "app/loaded_tool_bytes.h"
#include "app/tool_list_refresh.h"
#include "support/test_support.h"

namespace {

TEST(LoadedToolBytesTest, AsksWhileTheDiskDiffersFromWhatWasLoaded) {
    using enum WriteDecision;
    using enum DiskState;
    // Before the question `file` gets `bytes` (nullptr: removed); the answers (Overwrite, Keep
    // theirs, Cancel) come in turn; during the first question `t.wkz` gets `during` ("": every
    // question).
    const struct {
        const char *file, *bytes, *answers, *during;
        WriteDecision expected;
        DiskState first_state;  // of the first question, when one is asked
    } cases[] = {
        {"t.wkz", "mine", "", nullptr, Write, Unchanged},
        {"t.wkz", "theirs", "O", nullptr, Write, Changed},
        {"t.wkz", "theirs", "K", nullptr, Reload, Changed},
        {"t.wkz", nullptr, "C", nullptr, Back, Removed},
        {"t.ncs", "added", "O", nullptr, Write, Changed},
        {"t.wkz", "theirs", "OK", "third", Reload, Changed},
        {"t.wkz", "theirs", "K", "mine", Write, Changed},
        {"t.wkz", "theirs", "OOOOO", "", Back, Changed},  // back to the window after a few
    };
    for (const auto& row : cases) {
        testsupport::TempDir dir;
        dir.write("t.wkz", "mine");
        LoadedToolBytes loaded;
        loaded.Capture(dir.file("t.wkz"), dir.file("t.ncs"));
        row.bytes ? (void)dir.write(row.file, row.bytes)
                  : (void)std::filesystem::remove(dir.file(row.file));
        std::vector<DiskDifference> asked;
        const WriteDecision decision = DecideBeforeWrite(loaded, [&](const DiskDifference& d) {
            asked.push_back(d);
            if (row.during != nullptr && (asked.size() == 1 || *row.during == '\0')) {
                dir.write("t.wkz", *row.during != '\0' ? row.during : std::to_string(asked.size()));
            }
            const char answer = std::string(row.answers).at(asked.size() - 1);
            return answer == 'O'   ? ConflictAnswer::Overwrite
                   : answer == 'K' ? ConflictAnswer::KeepTheirs
                                   : ConflictAnswer::Cancel;
        });
        SCOPED_TRACE(std::string(row.file) + (row.bytes ? row.bytes : "removed"));
        EXPECT_EQ(decision, row.expected);
        ASSERT_EQ(asked.size(), std::strlen(row.answers));
        if (!asked.empty()) {
            EXPECT_EQ(asked[0].state, row.first_state);
            EXPECT_EQ(asked[0].path, dir.file(row.file));
        }
        EXPECT_TRUE(loaded.IsToolPath(dir.path() + "/./T.WKZ"));
    }
}

// Rows named by the blank-separated words; a name ending in '!' has the comment "!".
std::vector<ToolListRow> rows(const std::string& words) {
    std::vector<ToolListRow> made;
    std::istringstream in(words);
    for (std::string name; in >> name;) {
        ToolListRow& row = made.emplace_back();
        row.path = "/lib/" + name.substr(0, name.find('!'));
        row.columns[kColumnName] = name.substr(0, name.find('!'));
        row.columns[kColumnComment] = name.ends_with('!') ? "!" : "";
    }
    return made;
}

std::string names(const std::vector<ToolListRow>& rows) {
    std::string text;
    for (const ToolListRow& r : rows) {
        text += r.columns[kColumnName] + r.columns[kColumnComment] + " ";
    }
    return text;
}

TEST(ToolListRefreshTest, EditScriptKeepsOrderAndPlacesNewRows) {
    const auto descending = [](const ToolListRow& a, const ToolListRow& b) {
        return a.columns[kColumnName] > b.columns[kColumnName];
    };
    // rows shown, rows read, order, rows afterwards, changes planned
    const std::tuple<const char*, const char*, ToolListOrder, const char*, std::size_t> cases[] = {
        {"a c e", "b c! d f", {}, "b c! d f ", 1},
        {"e c a", "a b c d", descending, "d c b a ", 0},
        {"a b", "", {}, "", 0},
    };
    for (const auto& [current, fresh, order, expected, changes] : cases) {
        std::vector<ToolListRow> list = rows(current);
        const ToolListEdit edit = PlanToolListEdit(list, rows(fresh), order);
        ApplyToolListEdit(edit, list);
        EXPECT_EQ(names(list), expected);
        EXPECT_EQ(edit.changes.size(), changes);
    }
}

TEST(ToolListRefreshTest, ReadsOnlyNewAndChangedTools) {
    testsupport::TempDir dir;
    for (const char* name : {"a.wkz", "b.wkz", "c.wkz"}) {
        dir.write(name, "Comment :  &TP_COMMENT=old\r\n");
    }
    const ToolListSource source{dir.path(), dir.path(), false, false};
    const std::vector<ToolListRow> shown = ReadToolListRows(source);
    const FolderLook before = LookAtFolder(dir.path());
    dir.write("b.wkz", "Comment :  &TP_COMMENT=new one\r\n");
    std::filesystem::remove(dir.file("c.wkz"));
    dir.write("d.wkz", "");
    const FolderChanges changes = CompareLooks(before, LookAtFolder(dir.path()));
    EXPECT_EQ(changes.changed, std::vector<std::string>{"b.wkz"});
    EXPECT_EQ(changes.removed, std::vector<std::string>{"c.wkz"});
    EXPECT_EQ(changes.added, std::vector<std::string>{"d.wkz"});
    const ToolListRefresh refresh = RefreshToolListRows(source, shown, {"b.wkz", "d.wkz"});
    EXPECT_EQ(refresh.tools_read, 2u);
    EXPECT_EQ(names(refresh.rows), "a.wkzold b.wkznew one d.wkz ");
}

}  // namespace
