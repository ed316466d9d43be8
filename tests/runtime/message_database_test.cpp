#include <gtest/gtest.h>

#include <cstring>

#include "runtime/message_database_internal.h"
#include "runtime/message_files.h"
#include "runtime/report.h"

namespace {

std::string stored_record(const MessageDatabase* db, std::uint16_t section, int index) {
    return get_message(db, section, index).value_or("<none>");
}

RecordHeader header_of_slot(const MessageDatabase* db, std::uint16_t section, int index) {
    return record_header(*db, slot_record(*db, db->sections[section], index));
}

std::int32_t text_offset_of_slot(const MessageDatabase* db, std::uint16_t section, int index) {
    return slot_record(*db, db->sections[section], index) +
           static_cast<std::int32_t>(sizeof(RecordHeader));
}

struct MessageDatabaseTest : ::testing::Test {
    MessageFiles files;
    MessageDatabase* db = nullptr;
    void TearDown() override { free_database(db); }
};

TEST_F(MessageDatabaseTest, BaseLoadStoresLinesAndGetValueResolvesParameters) {
    db = files.load(
        "IGNORED = before any section\n"
        "[s]\n"
        "A = 1 # comment\n"
        "HASH = x##y # and a comment\n"
        "  LEAD = kept\n"
        "plain text line\n"
        "//SLASH = yes\n"
        "DUP = first\n"
        "DUP = second\n"
        "case = lower\n"
        "SPACED \t =    v  a  \n"
        "EMPTY =\n"
        "HIGH = \xE9\xA0\n"
        "PLUS = a+b++c\n"
        "\t# only a comment\n"
        "EQ = a=b\n");
    ASSERT_NE(db, nullptr);
    std::uint16_t s = find_section(db, "s");
    ASSERT_EQ(s, 0);

    const std::pair<const char*, std::optional<std::string>> values[] = {
        {"A", "1"},       {"HASH", "x#y"},         {"LEAD", "kept"},  {"//SLASH", "yes"},
        {"DUP", "first"}, {"case", "lower"},       {"CASE", {}},      {"SPACED", "v  a"},
        {"EMPTY", ""},    {"HIGH", "\xE9\xA0"},    {"PLUS", "a+b+c"}, {"EQ", "a=b"},
        {"IGNORED", {}},  {"plain text line", {}}, {"DU", {}},        {"", {}},
    };
    for (const auto& [name, expected] : values) {
        EXPECT_EQ(get_value(db, s, name), expected) << name;
    }
    const char* stored[] = {"A = 1",           "HASH = x#y",      "  LEAD = kept",
                            "plain text line", "//SLASH = yes",   "DUP = first",
                            "DUP = second",    "case = lower",    "SPACED \t =    v  a",
                            "EMPTY =",         "HIGH = \xE9\xA0", "PLUS = a+b++c",
                            "EQ = a=b"};
    for (int i = 0; i < 13; ++i) {
        EXPECT_EQ(stored_record(db, s, i), stored[i]) << i;
    }
    EXPECT_EQ(get_message(db, s, 13), std::nullopt);
    EXPECT_EQ(get_message(db, s, -1), std::nullopt);
}

TEST_F(MessageDatabaseTest, SectionsAreFoundByExactNameAndTheFirstOfTwinsWins) {
    db = files.load("[one]\nA = 1\n[Two]\nA = 2\n[one]\nA = 3\n[]\nA = 4\n[open\nA = 5\n");
    EXPECT_EQ(section_count(db), 5);
    EXPECT_EQ(find_section(db, "one"), 0);
    EXPECT_EQ(find_section(db, "Two"), 1);
    EXPECT_EQ(find_section(db, "two"), kNoSection);
    EXPECT_EQ(find_section(db, ""), 3);
    EXPECT_EQ(find_section(db, "open"), 4);
    EXPECT_EQ(get_value(db, 0, "A"), "1");
    EXPECT_EQ(get_value(db, 2, "A"), "3");
    EXPECT_EQ(get_value(db, 5, "A"), std::nullopt);

    EXPECT_EQ(create_section(db, std::string(99, 'n')), 5);
    EXPECT_EQ(create_section(db, std::string(100, 'n')), kNoSection);
    EXPECT_EQ(find_section(db, std::string(99, 'n')), 5);

    EXPECT_EQ(find_section(nullptr, "one"), kNoSection);
    EXPECT_EQ(create_section(nullptr, "one"), kNoSection);
    EXPECT_EQ(section_count(nullptr), 0);
    EXPECT_EQ(get_value(nullptr, 0, "A"), std::nullopt);
    EXPECT_EQ(add_definition(nullptr, 0, "A = 1"), -1);
    free_database(nullptr);
}

TEST_F(MessageDatabaseTest, OverloadsReplaceInPlaceAndExtendWithPlus) {
    db = files.load("[path]\nP = /a\nQ = keep\n[var]\nX = 1\n", nullptr, "base.cfg");
    db = files.load("[path]\n   P = +;/b\nNEW = n+1\n[extra]\nE = e\n", db, "second.cfg");
    db = files.load("[path]\nP = +;/c\nQ = ++q+\nA+B = 1\n", db, "third.cfg");
    db = files.load("[path]\nA+B = +2\n", db, "fourth.cfg");
    std::uint16_t path = find_section(db, "path");

    EXPECT_EQ(get_value(db, path, "P"), "/a;/b;/c");
    EXPECT_EQ(get_value(db, path, "Q"), "+qkeep");
    EXPECT_EQ(get_value(db, path, "NEW"), "n+1") << "a new name is appended as it is";
    EXPECT_EQ(get_value(db, path, "A+B"), "12") << "a plus in the name is not a reference";
    EXPECT_EQ(get_value(db, find_section(db, "extra"), "E"), "e");
    EXPECT_EQ(get_value(db, find_section(db, "var"), "X"), "1");

    // The record keeps its slot; its text names the replaced record's text offset.
    std::int32_t first_p = db->record_texts[0];
    std::int32_t latest_p = text_offset_of_slot(db, path, 0);
    std::int32_t second_p = header_of_slot(db, path, 0).previous;
    EXPECT_EQ(stored_text(*db, first_p), "P = /a");
    EXPECT_EQ(stored_text(*db, second_p), format_text("P = +(%08X);/b", first_p));
    EXPECT_EQ(stored_text(*db, latest_p), format_text("P = +(%08X);/c", second_p));
    EXPECT_EQ(record_header(*db, second_p - 12).previous, first_p);
    EXPECT_EQ(record_header(*db, first_p - 12).previous, -1);
    EXPECT_EQ(stored_record(db, path, 1), format_text("Q = ++q+(%08X)", db->record_texts[1]));
    EXPECT_EQ(header_of_slot(db, path, 1).previous, db->record_texts[1]);
    EXPECT_EQ(stored_record(db, path, 2), "NEW = n+1");
    EXPECT_EQ(get_message(db, path, 4), std::nullopt);
}

TEST_F(MessageDatabaseTest, ReferencesThatNameNoEarlierRecordBecomeKvxnull) {
    db = files.load("[s]\nA = first\nB = x\n");
    std::string a = format_text("%08X", static_cast<unsigned>(db->record_texts[0]));
    std::string a_lower = a;
    for (char& c : a_lower) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    db = files.load("[s]\nR1 = <+(" + a + ")>\n" + "R2 = <+(" + a_lower + ")>\n" +
                        "R3 = <+(00000001)>\nR4 = <+(7FFFFFFF)>\nR5 = <+(FFFFFFFF)>\n" +
                        "R6 = <+(0000" + "XYZW)>\nR7 = <+(" + a + ">\nR8 = +\n",
                    db, "refs.cfg");
    std::uint16_t s = 0;
    EXPECT_EQ(get_value(db, s, "R1"), "<first>");
    EXPECT_EQ(get_value(db, s, "R2"), "<first>");
    EXPECT_EQ(get_value(db, s, "R3"), "<$(KVXNULL)>");
    EXPECT_EQ(get_value(db, s, "R4"), "<$(KVXNULL)>");
    EXPECT_EQ(get_value(db, s, "R5"), "<$(KVXNULL)>");
    EXPECT_EQ(get_value(db, s, "R6"), "<+(0000XYZW)>");
    EXPECT_EQ(get_value(db, s, "R7"), "<+(" + a + ">");
    EXPECT_EQ(get_value(db, s, "R8"), "+");

    // A record may not refer to itself or to a later one: that would never end.
    auto next_text = [&] {
        return db->text->used + static_cast<std::int32_t>(sizeof(RecordHeader));
    };
    std::int32_t self = next_text();
    ASSERT_EQ(add_definition(db, s, format_text("SELF = <+(%08X)>", self)), 0);
    EXPECT_EQ(stored_text(*db, self).substr(0, 4), "SELF");
    EXPECT_EQ(get_value(db, s, "SELF"), "<$(KVXNULL)>");
    std::string forward = "FORWARD = <+(00000000)>";
    std::int32_t later =
        next_text() + static_cast<std::int32_t>((12 + forward.size() + 1 + 3) / 4 * 4);
    ASSERT_EQ(add_definition(db, s, format_text("FORWARD = <+(%08X)>", later)), 0);
    ASSERT_EQ(add_definition(db, s, "LATER = later"), 0);
    EXPECT_EQ(stored_text(*db, later), "LATER = later");
    EXPECT_EQ(get_value(db, s, "FORWARD"), "<$(KVXNULL)>");
}

TEST_F(MessageDatabaseTest, ValuesAreBoundedAndReferenceChainsEnd) {
    db = files.load("[s]\nLONG = " + std::string(240, 'a') + "\nP = start\n");
    db = files.load("[s]\nLONG = +" + std::string(200, 'b') + "\n", db, "long.cfg");
    std::optional<std::string> value = get_value(db, 0, "LONG");
    ASSERT_TRUE(value);
    EXPECT_EQ(*value, std::string(240, 'a') + std::string(15, 'b'));

    for (int i = 0; i < 3000; ++i) {
        ASSERT_EQ(add_definition(db, 0, "P = +;"), 0);
    }
    value = get_value(db, 0, "P");
    ASSERT_TRUE(value);
    EXPECT_EQ(value->size(), 255u);

    // Every record refers 21 times to the previous one, whose value is empty in the end:
    // unbounded, resolving the last one would take 21^60 steps.
    ASSERT_EQ(add_definition(db, 0, "R0 ="), 0);
    for (int i = 1; i <= 60; ++i) {
        std::int32_t previous = find_parameter(*db, 0, "R" + std::to_string(i - 1)) + 12;
        std::string refs;
        for (int j = 0; j < 21; ++j) {
            refs += format_text("+(%08X)", previous);
        }
        ASSERT_EQ(add_definition(db, 0, "R" + std::to_string(i) + " = " + refs), 0);
    }
    value = get_value(db, 0, "R60");
    ASSERT_TRUE(value);
    EXPECT_LE(value->size(), 255u);
}

TEST_F(MessageDatabaseTest, OriginsNameFileAndLineOrTheProgram) {
    std::string base = files.write("base.cfg",
                                   "[var]\n"
                                   "/if CB_SURELY_UNDEFINED_NAME\n"
                                   "SKIPPED = 1\n"
                                   "/endif\n" +
                                       std::string(300, 'x') + "\nA = 1\nB = 2\n");
    db = load_messages(nullptr, base);
    db = load_messages(db, files.write("over.cfg", "[var]\n\nB = +3\n"));
    EXPECT_EQ(origin_description(db, 0, "A"), "from '" + base + "' line 7");
    EXPECT_EQ(origin_description(db, 0, "B"), "from '" + files.dir().file("over.cfg") + "' line 3");
    EXPECT_EQ(origin_description(db, 0, "SKIPPED"), std::nullopt);

    EXPECT_EQ(header_of_slot(db, 0, 2).flags & kRecordStorable, kRecordStorable);
    bool previous = set_storable_mode(false);
    EXPECT_TRUE(previous);
    EXPECT_EQ(add_definition(db, 0, "  C = program  "), 0);
    EXPECT_EQ(add_definition(db, 0, "A = +0"), 0);
    EXPECT_TRUE(set_storable_mode(true) == false);
    EXPECT_EQ(origin_description(db, 0, "C"), "set by program");
    EXPECT_EQ(origin_description(db, 0, "A"), "set by program");
    EXPECT_EQ(get_value(db, 0, "A"), "10");
    EXPECT_EQ(stored_record(db, 0, 4), "C = program");
    EXPECT_EQ(header_of_slot(db, 0, 4).flags & kRecordStorable, 0);
    EXPECT_EQ(header_of_slot(db, 0, 4).line, 0);
    EXPECT_EQ(header_of_slot(db, 0, 4).origin, kOriginProgram);
}

TEST_F(MessageDatabaseTest, AddDefinitionRefusesPlainTextAndUnknownSections) {
    db = files.load("[var]\nA = 1\n");
    testing::internal::CaptureStderr();
    EXPECT_EQ(add_definition(db, 0, "no equals sign"), -1);
    EXPECT_EQ(add_definition(db, 1, "B = 1"), -1);
    EXPECT_EQ(add_definition(db, kNoSection, "B = 1"), -1);
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "set_parameter : The program is trying to modify a non-parameter message: [var] "
              "no equals sign\n");
    EXPECT_EQ(get_message(db, 0, 1), std::nullopt);
}

TEST_F(MessageDatabaseTest, NameIndexKeepsTheFirstMatchThroughOverloads) {
    std::string lines = "[big]\n";
    for (int i = 0; i < 5000; ++i) {
        lines += "NAME" + std::to_string(i) + " = v" + std::to_string(i) + "\n";
    }
    lines += "NAME17 = shadowed\n";
    db = files.load(lines);
    EXPECT_EQ(get_value(db, 0, "NAME0"), "v0");
    EXPECT_EQ(get_value(db, 0, "NAME4999"), "v4999");
    EXPECT_EQ(get_value(db, 0, "NAME17"), "v17");
    EXPECT_EQ(get_value(db, 0, "NAME5000"), std::nullopt);

    db = files.load("[big]\nNAME17 = +!\nNAME2500 = new\nNAME5000 = added\n", db, "over.cfg");
    EXPECT_EQ(get_value(db, 0, "NAME17"), "v17!");
    EXPECT_EQ(get_value(db, 0, "NAME2500"), "new");
    EXPECT_EQ(get_value(db, 0, "NAME5000"), "added");
    EXPECT_EQ(stored_record(db, 0, 5000), "NAME17 = shadowed");
    EXPECT_EQ(stored_record(db, 0, 5001), "NAME5000 = added");
}

TEST_F(MessageDatabaseTest, TracesResolvedAndBrokenReferencesWhenVerbose) {
    std::string base = files.write("base.cfg", "[s]\nP = /a\nBAD = +(00000001)\n");
    db = load_messages(nullptr, base);
    db = files.load("[s]\nP = +;/b\n", db, "over.cfg");
    set_verbose_reporting(true);
    testing::internal::CaptureStdout();
    get_value(db, 0, "P");
    get_value(db, 0, "BAD");
    std::string traced = testing::internal::GetCapturedStdout();
    set_verbose_reporting(false);
    EXPECT_EQ(traced, format_text("   %08X -> /a from '%s' line 2\n",
                                  static_cast<unsigned>(db->record_texts[0]), base.c_str()) +
                          "ref=[00000001]\n\n");
}

}  // namespace
