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

// The question is answered by `answers` in turn; `during` runs while it is open.
struct DecisionCase {
    const char* name;
    std::function<void(TempDir&)> before;
    std::vector<ConflictAnswer> answers;
    std::function<void(TempDir&)> during;
    WriteDecision expected;
    int questions;
    DiskState first_state;
    const char* first_file;
};

TEST(LoadedToolBytesTest, AsksWhileTheDiskDiffersFromWhatWasLoaded) {
    const auto write = [](const char* file, const char* bytes) {
        return [=](TempDir& dir) { dir.write(file, bytes); };
    };
    const auto remove = [](const char* file) {
        return [=](TempDir& dir) { std::filesystem::remove(dir.file(file)); };
    };
    const DecisionCase cases[] = {
        {"unchanged", {}, {}, {}, WriteDecision::Write, 0, DiskState::Unchanged, ""},
        {"same bytes again",
         write("t.wkz", "mine"),
         {},
         {},
         WriteDecision::Write,
         0,
         DiskState::Unchanged,
         ""},
        {"overwrite",
         write("t.wkz", "theirs"),
         {ConflictAnswer::Overwrite},
         {},
         WriteDecision::Write,
         1,
         DiskState::Changed,
         "t.wkz"},
        {"keep theirs",
         write("t.wkz", "theirs"),
         {ConflictAnswer::KeepTheirs},
         {},
         WriteDecision::Reload,
         1,
         DiskState::Changed,
         "t.wkz"},
        {"cancel",
         remove("t.wkz"),
         {ConflictAnswer::Cancel},
         {},
         WriteDecision::Back,
         1,
         DiskState::Removed,
         "t.wkz"},
        {"fedrix file added",
         write("t.ncs", "x"),
         {ConflictAnswer::Overwrite},
         {},
         WriteDecision::Write,
         1,
         DiskState::Changed,
         "t.ncs"},
        {"changed again while asked",
         write("t.wkz", "theirs"),
         {ConflictAnswer::Overwrite, ConflictAnswer::KeepTheirs},
         write("t.wkz", "third"),
         WriteDecision::Reload,
         2,
         DiskState::Changed,
         "t.wkz"},
        {"changed back while asked",
         write("t.wkz", "theirs"),
         {ConflictAnswer::KeepTheirs},
         write("t.wkz", "mine"),
         WriteDecision::Write,
         1,
         DiskState::Changed,
         "t.wkz"},
    };
    for (const DecisionCase& row : cases) {
        SCOPED_TRACE(row.name);
        TempDir dir;
        dir.write("t.wkz", "mine");
        LoadedToolBytes loaded;
        loaded.Capture(dir.file("t.wkz"), dir.file("t.ncs"));
        if (row.before) {
            row.before(dir);
        }
        std::vector<DiskDifference> asked;
        const WriteDecision decision = DecideBeforeWrite(loaded, [&](const DiskDifference& d) {
            asked.push_back(d);
            if (row.during && asked.size() == 1) {
                row.during(dir);
            }
            return row.answers.at(asked.size() - 1);
        });
        EXPECT_EQ(decision, row.expected);
        ASSERT_EQ(asked.size(), static_cast<std::size_t>(row.questions));
        if (!asked.empty()) {
            EXPECT_EQ(asked[0].state, row.first_state);
            EXPECT_EQ(asked[0].path, dir.file(row.first_file));
        }
    }
    // A file rewritten during every question does not keep the window asking.
    TempDir dir;
    dir.write("t.wkz", "mine");
    LoadedToolBytes loaded;
    loaded.Capture(dir.file("t.wkz"), "");
    dir.write("t.wkz", "theirs");
    int round = 0;
    EXPECT_EQ(DecideBeforeWrite(loaded,
                                [&](const DiskDifference&) {
                                    dir.write("t.wkz", std::to_string(++round));
                                    return ConflictAnswer::Overwrite;
                                }),
              WriteDecision::Back);
    EXPECT_TRUE(loaded.IsToolPath(dir.path() + "/./T.WKZ"));
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
