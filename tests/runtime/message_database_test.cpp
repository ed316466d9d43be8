#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>

#include "runtime/memory.h"
#include "runtime/message_database_internal.h"
#include "runtime/message_files.h"
#include "runtime/report.h"

namespace {

using MessageDatabaseTest = MessageTest;

std::int32_t previous_of_slot(const MessageDatabase* db, std::uint16_t section, int slot) {
    return record_header(*db, slot_record(*db, db->sections[section], slot)).previous;
}

TEST_F(MessageDatabaseTest, BaseLoadStoresLinesAndGetValueResolvesParameters) {
    db = files.load(
        "IGNORED = before any section\n[s]\nA = 1 # comment\nHASH = x##y # and a comment\n"
        "  LEAD = kept\nplain text line\n//SLASH = yes\nDUP = first\nDUP = second\n"
        "case = lower\nSPACED \t =    v  a  \nEMPTY =\nHIGH = \xE9\xA0\nPLUS = a+b++c\n"
        "\t# only a comment\nEQ = a=b\n");
    ASSERT_EQ(find_section(db, "s"), 0);
    EXPECT_EQ(values(0, {"A", "HASH", "LEAD", "//SLASH", "DUP", "case", "CASE", "SPACED", "EMPTY",
                         "HIGH", "PLUS", "EQ", "IGNORED", "plain text line", "DU", ""}),
              "1|x#y|kept|yes|first|lower|-|v  a||\xE9\xA0|a+b+c|a=b|-|-|-|-");
    std::vector<std::string> stored = messages();
    ASSERT_EQ(stored.size(), 13u);
    EXPECT_EQ(stored[0] + "|" + stored[2] + "|" + stored[8] + "|" + stored[12],
              "A = 1|  LEAD = kept|SPACED \t =    v  a|EQ = a=b");
    EXPECT_EQ(get_message(db, 0, -1), std::nullopt);
}

TEST_F(MessageDatabaseTest, SectionsAreFoundByExactNameAndTheFirstOfTwinsWins) {
    db = files.load("[one]\nA = 1\n[Two]\nA = 2\n[one]\nA = 3\n[open\nA = 5\n");
    EXPECT_EQ(find_section(db, "one") + find_section(db, "open"), 0 + 3);
    EXPECT_EQ(find_section(db, "two"), kNoSection);
    EXPECT_EQ(create_section(db, std::string(100, 'n')), kNoSection);
    EXPECT_TRUE(find_section(nullptr, "one") == kNoSection && !get_value(nullptr, 0, "A"));
}

TEST_F(MessageDatabaseTest, OverloadsReplaceInPlaceAndExtendWithPlus) {
    db = files.load("[path]\nP = /a\nQ = keep\n[var]\nX = 1\n", nullptr, "base.cfg");
    db = files.load("[path]\n   P = +;/b\nNEW = n+1\n[extra]\nE = e\n", db, "second.cfg");
    db = files.load("[path]\nP = +;/c\nQ = ++q+\nA+B = 1\n", db, "third.cfg");
    db = files.load("[path]\nA+B = +2\n", db, "fourth.cfg");
    // A new name is appended as it is; a plus in a name is not a reference.
    EXPECT_EQ(values(0, {"P", "Q", "NEW", "A+B"}), "/a;/b;/c|+qkeep|n+1|12");
    EXPECT_EQ(values(1, {"X"}) + values(2, {"E"}), "1e");

    // The record keeps its slot; its text names the replaced record's text offset.
    std::int32_t first_p = db->record_texts[0];
    std::int32_t second_p = previous_of_slot(db, 0, 0);
    EXPECT_EQ(get_message(db, 0, 0), format_text("P = +(%08X);/c", second_p));
    EXPECT_EQ(stored_text(*db, second_p), format_text("P = +(%08X);/b", first_p));
    EXPECT_EQ(record_header(*db, second_p - 12).previous, first_p);
    EXPECT_EQ(record_header(*db, first_p - 12).previous, -1);
    EXPECT_EQ(get_message(db, 0, 1), format_text("Q = ++q+(%08X)", db->record_texts[1]));
    EXPECT_EQ(get_message(db, 0, 2), "NEW = n+1");
}

TEST_F(MessageDatabaseTest, ReferencesThatNameNoEarlierRecordBecomeKvxnull) {
    db = files.load("[s]\nA = first\nB = x\n");
    std::string a = format_text("%08X", static_cast<unsigned>(db->record_texts[0]));
    std::string a_lower = format_text("%08x", static_cast<unsigned>(db->record_texts[0]));
    db = files.load("[s]\nR1 = <+(" + a + ")>\nR2 = <+(" + a_lower + ")>\nR3 = <+(00000001)>\n" +
                        "R4 = <+(7FFFFFFF)>\nR5 = <+(FFFFFFFF)>\nR6 = <+(0000XYZW)>\nR7 = <+(" + a +
                        ">\nR8 = +\n",
                    db, "refs.cfg");
    EXPECT_EQ(
        values(0, {"R1", "R2", "R3", "R4", "R5", "R6", "R7", "R8"}),
        "<first>|<first>|<$(KVXNULL)>|<$(KVXNULL)>|<$(KVXNULL)>|<+(0000XYZW)>|<+(" + a + ">|+");
    // A record may not refer to itself or to a later one: that would never end.
    std::int32_t self = db->text->used + 12;
    ASSERT_EQ(add_definition(db, 0, format_text("SELF = <+(%08X)>", self)), 0);
    EXPECT_EQ(stored_text(*db, self).substr(0, 4), "SELF");
    EXPECT_EQ(get_value(db, 0, "SELF"), "<$(KVXNULL)>");
    std::int32_t later = db->text->used + 12 + 36;  // behind a 23-character record
    ASSERT_EQ(add_definition(db, 0, format_text("FORWARD = <+(%08X)>", later)), 0);
    ASSERT_EQ(add_definition(db, 0, "LATER = later"), 0);
    EXPECT_EQ(stored_text(*db, later), "LATER = later");
    EXPECT_EQ(get_value(db, 0, "FORWARD"), "<$(KVXNULL)>");
}

TEST_F(MessageDatabaseTest, ValuesAreBoundedAndReferenceChainsEnd) {
    db = files.load("[s]\nLONG = " + std::string(240, 'a') + "\nP = start\n");
    db = files.load("[s]\nLONG = +" + std::string(200, 'b') + "\n", db, "long.cfg");
    EXPECT_EQ(get_value(db, 0, "LONG"), std::string(240, 'a') + std::string(15, 'b'));
    for (int i = 0; i < 3000; ++i) {
        ASSERT_EQ(add_definition(db, 0, "P = +;"), 0);
    }
    EXPECT_EQ(get_value(db, 0, "P").value_or("").size(), 255u);

    // Each record refers 21 times to the previous one: unbounded, R60 would take 21^60 steps.
    ASSERT_EQ(add_definition(db, 0, "R0 ="), 0);
    for (int i = 1; i <= 60; ++i) {
        std::int32_t previous = find_parameter(*db, 0, "R" + std::to_string(i - 1)) + 12;
        std::string refs;
        for (int j = 0; j < 21; ++j) {
            refs += format_text("+(%08X)", previous);
        }
        ASSERT_EQ(add_definition(db, 0, "R" + std::to_string(i) + " = " + refs), 0);
    }
    EXPECT_LE(get_value(db, 0, "R60").value_or(std::string(300, 'x')).size(), 255u);
}

TEST_F(MessageDatabaseTest, OriginsNameFileAndLineOrTheProgram) {
    std::string base = files.write("base.cfg",
                                   "[var]\n/if CB_SURELY_UNDEFINED_NAME\nSKIPPED = 1\n"
                                   "/endif\n" +
                                       std::string(300, 'x') + "\nA = 1\nB = 2\n");
    db = load_messages(nullptr, base);
    db = load_messages(db, files.write("over.cfg", "[var]\n\nB = +3\n"));
    EXPECT_EQ(origin_description(db, 0, "A"), "from '" + base + "' line 7");
    EXPECT_EQ(origin_description(db, 0, "B"), "from '" + files.dir.file("over.cfg") + "' line 3");
    EXPECT_EQ(origin_description(db, 0, "SKIPPED"), std::nullopt);

    EXPECT_TRUE(set_storable_mode(false));
    EXPECT_EQ(add_definition(db, 0, "  C = program  ") + add_definition(db, 0, "A = +0"), 0);
    EXPECT_FALSE(set_storable_mode(true));
    EXPECT_EQ(*origin_description(db, 0, "C") + "|" + *origin_description(db, 0, "A"),
              "set by program|set by program");
    EXPECT_EQ(values(0, {"A", "C"}), "10|program");
    EXPECT_EQ(get_message(db, 0, 4), "C = program");
    EXPECT_EQ(record_header(*db, slot_record(*db, db->sections[0], 4)).flags & kRecordStorable, 0);
    testing::internal::CaptureStderr();
    EXPECT_EQ(add_definition(db, 0, "no equals sign"), -1);
    EXPECT_EQ(add_definition(db, 1, "D = 1"), -1);
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "set_parameter : The program is trying to modify a non-parameter message: [var] "
              "no equals sign\n");
    EXPECT_EQ(get_message(db, 0, 5), std::nullopt);
}

// The index compares a name with the whole name of a record, blanks around it left out, and
// keeps the first match through overloads.
TEST_F(MessageDatabaseTest, NameIndexMatchesWholeNamesAndKeepsTheFirstThroughOverloads) {
    db = files.load("[s]\n  AB = 1\nA\t= 2\nABC=3\nAB = shadowed\n= empty\n");
    EXPECT_EQ(values(0, {"AB", "A", "ABC", "B", ""}), "1|2|3|-|empty");
    db = files.load("[s]\nAB = +;x\nB = new\n", db, "over.cfg");
    EXPECT_EQ(values(0, {"AB", "A", "B"}), "1;x|2|new");
    EXPECT_EQ(get_message(db, 0, 3), "AB = shadowed");
    EXPECT_EQ(get_message(db, 0, 5), "B = new");
}

using Lines = std::vector<std::string>;

struct MessageLoading : MessageTest {
    void TearDown() override {
        MessageTest::TearDown();
        set_memory_budget(std::nullopt);
    }
    void expect_fatal(const std::function<void()>& load, const std::string& text) {
        EXPECT_EXIT(load(), ::testing::ExitedWithCode(255), ::testing::StrEq(text));
    }
};

// An else after a taken branch skips to the matching endif, nested blocks included.
TEST_F(MessageLoading, ConditionsChooseTheLinesThatAreRead) {
    files.env.set("CB_WINDOWS", "1")
        .set("CB_LANG", "all")
        .set("CB_EMPTY", "")
        .set("CB_UNDEFINED", std::nullopt);
    const std::pair<const char*, Lines> cases[] = {
        {"/if (CB_WINDOWS)\nA\n/endif\nB", {"A", "B"}},
        {"/if {CB_WINDOWS}  ) }\nA\n/endif", {"A"}},
        {"/if CB_EMPTY\nA\n/endif", {"A"}},
        {"/if CB_LANG == all\nA\n/else\nB\n/endif", {"A"}},
        {"/if CB_LANG == al\nA\n/else\nB\n/endif", {"B"}},
        {"/if CB_LANG == all x\nA\n/endif", {}},
        {"/if CB_LANG != all\nA\n/else\nB\n/endif", {"B"}},
        {"/if CB_EMPTY ==\nA\n/endif", {"A"}},
        {"/if CB_CONFIGURED == from config\nA\n/endif", {"A"}},
        {"/if CB_WINDOWS\nA\n/else\nB\n/if CB_UNDEFINED\nC\n/else\nD\n/endif\nE\n/endif\nF",
         {"A", "F"}},
        {"/if CB_UNDEFINED\nA\n  /if CB_WINDOWS\nB\n/else\nC\n/endif\n/else\nD\n/endif", {"D"}},
        {"/if CB_UNDEFINED\n/if\n/endif\n/endif\nA", {"A"}},
        {"/if CB_WINDOWS\n/else\nA\n/else\nB\n/endif", {"B"}},
        {"/if CB_WINDOWS # comment\nA\n/endif # comment\n/ifCB_WINDOWS\nB\n/endif", {"A", "B"}}};
    for (const auto& [file, expected] : cases) {
        SCOPED_TRACE(file);
        free_database(db);
        db = files.load(std::string("[s]\n") + file + "\n");
        EXPECT_EQ(messages(), expected);
    }
    std::string path =
        files.write("w.cfg", "[s]\n/if CB_UNDEFINED ?? x\nA\n/endif\n/if CB_UNDEFINED\n/endif\n");
    testing::internal::CaptureStderr();
    free_database(db);
    db = load_messages(nullptr, path);
    EXPECT_EQ(
        testing::internal::GetCapturedStderr(),
        "load_messages: file '" + path + "' line 2, unknown variable : /if CB_UNDEFINED ?? x\n");
    EXPECT_EQ(messages(), Lines{});
}

TEST_F(MessageLoading, LongLinesAreReadInPiecesOf254Characters) {
    std::string exact(254, 'e');
    db = files.load("[s]\n" + exact + "\n" + std::string(600, 'l') + "\nA = 1\n  " +
                    std::string(300, 'b') + "\n");
    std::string piece(254, 'l');
    EXPECT_EQ(messages(), (Lines{exact, piece, piece, std::string(92, 'l'), "A = 1",
                                 "  " + std::string(252, 'b'), std::string(48, 'b')}));
    EXPECT_EQ(origin_description(db, 0, "A"),
              "from '" + files.dir.file("messages.txt") + "' line 6");
}

TEST_F(MessageLoading, BytesThatAreNotTextDoNotBreakTheLoad) {
    const std::string ten_mb(10 * 1024 * 1024, 'x');
    db = files.load(std::string("[s]\r\nA = 1\0junk\r\nB = 2\n\0\0\n\x01\x7f\xff = \x80\n", 34) +
                    "[s2]\n" + ten_mb);
    EXPECT_EQ(values(0, {"A", "B", "\x7f\xff"}), "1|2|\x80");
    EXPECT_EQ(get_message(db, 1, 41282), std::string(ten_mb.size() % 254, 'x'));
    EXPECT_EQ(get_message(db, 1, 41283), std::nullopt);
    free_database(db);
    db = files.load(ten_mb);
    EXPECT_EQ(section_count(db), 0);
}

TEST_F(MessageLoading, MissingFilesAreSkippedAndUnreadableOnesAreFatal) {
    EXPECT_EQ(load_messages(nullptr, files.dir.file("missing.cfg")), nullptr);
    db = files.load("[s]\nA = 1\n");
    EXPECT_EQ(load_messages(db, files.dir.file("missing.cfg")), db);
    EXPECT_EQ(get_value(db, 0, "A"), "1");
    // Installations moved from Windows spell names in any case.
    files.write("Upper/Messages.TXT", "[s]\nU = 1\n");
    MessageDatabase* spelled = load_messages(nullptr, files.dir.file("upper/messages.txt"));
    EXPECT_EQ(get_value(spelled, 0, "U"), "1");
    free_database(spelled);

    std::string directory = files.dir.mkdir("a_directory");
    expect_fatal(
        [&] { load_messages(nullptr, directory); },
        "load_messages: file '" + directory + "', line 0 : Error opening file - Is a directory");
}

TEST_F(MessageLoading, BrokenFilesEndTheProcessWithTheirText) {
    files.env.set("CB_DEFINED", "yes").set("CB_UNDEFINED", std::nullopt);
    std::string nest;
    for (int i = 0; i < 8; ++i) {
        nest += "/if CB_DEFINED\n";
    }
    const struct {
        std::string file;
        bool overload;
        std::string text;  // behind "load_messages: file '<path>', "
        std::string warning = "";
    } cases[] = {
        {nest, false, "line 8 : too many nested conditions: /if CB_DEFINED"},
        {"[s]\n/else\n", false, "line 2 : '/else' without '/if'"},
        {"/if CB_DEFINED\n/endif\n/endif # x\n", false, "line 3 : '/endif' without '/if'"},
        {"\n /include other file\n", false, "line 2 : Unknown keyword : '/include'"},
        {"/", false, "line 1 : Unknown keyword : '/'"},
        {"/if CB_DEFINED >= x\n/endif\n", false, "line 1 : invalid condition: /if CB_DEFINED >= x"},
        {"/if CB_UNDEFINED\nA\n/if X\n/endif\n", false, "line 4 : '/if' without '/endif'"},
        {"/if CB_DEFINED\nA\n", false, "line -1 : '/if' without '/endif' at end of file."},
        {"[" + std::string(100, 's') + "]\n", false, "line 0 : Error loading file."},
        {"[s]\nA = 2\n  plain # text\n", true, "line 0 : Error loading file.",
         "load_messages: file '%s', trying to modify a non-parameter message: [s] plain\n"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        std::string path = files.write("broken.cfg", c.file);
        expect_fatal(
            [&] { load_messages(c.overload ? files.load("[s]\nA = 1\n") : nullptr, path); },
            format_text(c.warning.c_str(), path.c_str()) + "load_messages: file '" + path + "', " +
                c.text);
    }
    // The deepest nesting that is accepted, and a 99-character section name.
    db =
        files.load(nest.substr(nest.find('\n') + 1) + "[" + std::string(99, 's') + "]\nA\n" +
                   std::string(7, '\n') + "/endif\n/endif\n/endif\n/endif\n/endif\n/endif\n/endif");
    EXPECT_EQ(messages(), Lines{"A"});
}

TEST_F(MessageLoading, ExhaustedStorageFailsTheLoad) {
    std::string lines = "[s]\n";
    for (int i = 0; i < 2000; ++i) {
        lines += "NAME" + std::to_string(i) + " = a value long enough to fill the store\n";
    }
    std::string path = files.write("big.cfg", lines);
    EXPECT_EXIT(
        {
            set_memory_budget(memory_counters().permanent_bytes + 16 * 1024);
            load_messages(nullptr, path);
        },
        ::testing::ExitedWithCode(255),
        ::testing::AllOf(
            ::testing::StartsWith("Dynamic storage: no more memory, could not expand from "),
            ::testing::EndsWith(" bytes\nload_messages: file '" + path +
                                "', line 0 : Error loading file.")));
}

}  // namespace
