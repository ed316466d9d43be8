// A library changed by other programs: the decision before a write over a loaded tool, and the
// list brought up to date in place.

#include <gtest/gtest.h>

#include <filesystem>

#include "app/folder_look.h"
#include "app/loaded_tool_bytes.h"
#include "app/tool_list_refresh.h"
#include "support/test_support.h"

namespace {

using testsupport::TempDir;

// Before the question `file` gets `bytes` (nullptr removes it); the answers come in turn, and
// while the first question is open `t.wkz` gets `during` (when given; "" rewrites it during
// every question).
struct DecisionCase {
    const char* file;
    const char* bytes;
    std::vector<ConflictAnswer> answers;
    const char* during;
    WriteDecision expected;
    DiskState first_state;  // of the first question, when one is asked
};

TEST(LoadedToolBytesTest, AsksWhileTheDiskDiffersFromWhatWasLoaded) {
    using enum ConflictAnswer;
    const DecisionCase cases[] = {
        {"t.wkz", "mine", {}, nullptr, WriteDecision::Write, DiskState::Unchanged},
        {"t.wkz", "theirs", {Overwrite}, nullptr, WriteDecision::Write, DiskState::Changed},
        {"t.wkz", "theirs", {KeepTheirs}, nullptr, WriteDecision::Reload, DiskState::Changed},
        {"t.wkz", nullptr, {Cancel}, nullptr, WriteDecision::Back, DiskState::Removed},
        {"t.ncs", "added", {Overwrite}, nullptr, WriteDecision::Write, DiskState::Changed},
        {"t.wkz",
         "theirs",
         {Overwrite, KeepTheirs},
         "third",
         WriteDecision::Reload,
         DiskState::Changed},
        {"t.wkz", "theirs", {KeepTheirs}, "mine", WriteDecision::Write, DiskState::Changed},
        // rewritten during every question: back to the window after a few
        {"t.wkz",
         "theirs",
         {Overwrite, Overwrite, Overwrite, Overwrite, Overwrite},
         "",
         WriteDecision::Back,
         DiskState::Changed},
    };
    for (const DecisionCase& row : cases) {
        TempDir dir;
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
            return row.answers.at(asked.size() - 1);
        });
        SCOPED_TRACE(std::string(row.file) + (row.bytes ? row.bytes : "removed"));
        EXPECT_EQ(decision, row.expected);
        ASSERT_EQ(asked.size(), row.answers.size());
        if (!asked.empty()) {
            EXPECT_EQ(asked[0].state, row.first_state);
            EXPECT_EQ(asked[0].path, dir.file(row.file));
        }
        EXPECT_TRUE(loaded.IsToolPath(dir.path() + "/./T.WKZ"));
    }
}

ToolListRow row(const std::string& name, const char* comment = "") {
    ToolListRow made;
    made.path = "/lib/" + name;
    made.columns[kColumnName] = name;
    made.columns[kColumnComment] = comment;
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
    struct Case {
        std::vector<ToolListRow> current;
        std::vector<ToolListRow> fresh;
        ToolListOrder order;
        const char* expected;
        std::size_t changes;
    };
    const Case cases[] = {
        {{row("a"), row("c"), row("e")},
         {row("b"), row("c", "!"), row("d"), row("f")},
         {},
         "b c! d f ",
         1},
        {{row("e"), row("c"), row("a")},
         {row("a"), row("b"), row("c"), row("d")},
         descending,
         "d c b a ",
         0},
        {{row("a"), row("b")}, {}, {}, "", 0},
    };
    for (const Case& c : cases) {
        const ToolListEdit edit = PlanToolListEdit(c.current, c.fresh, c.order);
        std::vector<ToolListRow> rows = c.current;
        ApplyToolListEdit(edit, rows);
        EXPECT_EQ(names(rows), c.expected);
        EXPECT_EQ(edit.changes.size(), c.changes);
    }
}

TEST(ToolListRefreshTest, ReadsOnlyNewAndChangedTools) {
    TempDir dir;
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
