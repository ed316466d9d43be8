#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "support/test_support.h"
#include "toolfiles/change_file.h"
#include "toolfiles/tool_file.h"

namespace {

// Golden bytes written by hand from the file layout: label padded to 25, a colon, seven blanks,
// an ampersand, the name, "=", the value, CR LF.
const char kGoldenTool[] =
    "Toolpath Comment         :       &TP_COMMENT=roughing a=b & c\r\n"
    "Body Radius              :       &TP_BRAD=5.000\r\n"
    "Tool Number              :       &TP_CPPNUM=12\r\n"
    "A label of thirty chars xx:       &TP_CRAD=0.500\r\n"
    "Exactly twenty-five chars:       &TP_TOL=0.010\r\n";

// The golden bytes both ways; labels and values that would split differently are made safe.
TEST(ToolFile, WritesTheLayoutByteForByte) {
    std::vector<ToolFileEntry> entries = {
        {"Toolpath Comment", "TP_COMMENT", "roughing a=b & c"},
        {"Body Radius", "TP_BRAD", "5.000"},
        {"Tool Number", "TP_CPPNUM", "12"},
        {"A label of thirty chars xx", "TP_CRAD", "0.500"},
        {"Exactly twenty-five chars", "TP_TOL", "0.010"},
    };
    EXPECT_EQ(format_tool_file(entries), kGoldenTool);
    EXPECT_EQ(format_tool_file(parse_tool_file(kGoldenTool)), kGoldenTool);
    auto back = parse_tool_file(format_tool_file(
        {{"Ratio: a&b=c\r\nd", "TP_COMMENT", "line1\nline2"}, {":&=", "TP_CRAD", "1.000"}}));
    ASSERT_EQ(back.size(), 2u);
    EXPECT_EQ(back[0].label + "|" + back[0].value, "Ratio  a b c  d|line1 line2");
    EXPECT_EQ(back[1].name, "TP_CRAD");
}

TEST(ToolFile, LineRules) {
    // line, parsed, label, name, value
    const std::tuple<const char*, bool, const char*, const char*, const char*> cases[] = {
        {"Comment:       &TP_COMMENT=", true, "Comment", "TP_COMMENT", ""},  // ends after "="
        {"Comment:       &TP_COMMENT", true, "Comment", "TP_COMMENT", ""},   // or after the name
        {"X:       &TP_COMMENT==a", true, "X", "TP_COMMENT", "=a"},   // one separator ends the name
        {"::X:  &TP_CDESC=  lead", true, "X", "TP_CDESC", "  lead"},  // the value's blanks kept
        {"X:&TP_BRAD=5", true, "X", "5", ""},  // token 2 is what stands between label and name
        {"no separators at all", false, "", "", ""},
        {"Label:       ", false, "", "", ""},
    };
    for (const auto& [line, parsed, label, name, value] : cases) {
        const auto entry = parse_tool_file_line(line);
        ASSERT_EQ(entry.has_value(), parsed) << line;
        if (parsed) {
            EXPECT_EQ(entry->label + "|" + entry->name + "|" + entry->value,
                      std::string(label) + "|" + name + "|" + value);
        }
    }
}

// Labels (with a blank inside and up to ten at their end) and names of every length up to past
// two wide steps of the scan, each on a line followed by another and on the last line: no token
// reaches into the next line or past the end, and only the label's trailing blanks are cut.
TEST(ToolFile, TokensOfAnyLengthEndAtTheirSeparator) {
    for (std::size_t length = 1; length <= 40; ++length) {
        std::string label(length, 'L');
        label[length / 2] = ' ';
        const std::string expected = label.substr(0, label.find_last_not_of(' ') + 1);
        for (std::size_t name = 1; name <= 36; name += 5) {
            const std::string line =
                label + std::string(length % 11, ' ') + ": &" + std::string(name, 'N');
            for (const std::string& bytes :
                 {line + "=v\nX: &NEXT=w", "A: &B=c\r\n" + line + " \t"}) {
                const auto entries = parse_tool_file(bytes);
                ASSERT_EQ(entries.size(), 2u) << bytes;
                const ToolFileEntry& entry = bytes.front() == 'A' ? entries[1] : entries[0];
                EXPECT_EQ(entry.label + "|" + entry.name + "|" + entry.value,
                          expected + "|" + std::string(name, 'N') + "|" +
                              (bytes.front() == 'A' ? "" : "v"))
                    << bytes;
            }
        }
    }
}

// Lines ending in "**" are comments; long lines and NUL bytes stay whole.
TEST(ToolFile, SkipsCommentsAndKeepsLongLines) {
    const std::string value(300, 'v');
    const std::string bytes =
        "**********\r\nR:       &TP_BRAD=5.000 **\r\n"
        "C:       &TP_COMMENT=a ** b  \t \n\r\n   \n"
        "N:       &TP_CDESC=" +
        value + std::string("x=y&z\0b\r\n", 10) + "L:       &TP_CRAD=1.000";  // no line end at all
    auto entries = parse_tool_file(bytes);
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[0].value, "a ** b");
    EXPECT_EQ(entries[1].value, value + std::string("x=y&z\0b", 7));
    EXPECT_EQ(entries[2].name, "TP_CRAD");
    EXPECT_TRUE(ends_as_comment("D10 ** \t") && !ends_as_comment("a ** b") &&
                !ends_as_comment("*"));
}

// The change file's level, references and failed write are the tool set's tests.
TEST(ChangeFile, EntriesOfEachKind) {
    ParameterChangeFile change;
    change.AddReal("TP_BRAD", 5.0f);
    change.AddInteger("TP_CPPNUM", -3);
    change.AddText("TP_COMMENT", "a=b & c");
    EXPECT_EQ(change.Bytes(4), "!EDIT_LEVEL=4 &TP_BRAD=5.000 &TP_CPPNUM=-3 &TP_COMMENT=a=b \\& c ");
}

}  // namespace
