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
    EXPECT_EQ(format_tool_file({}), "");
}

TEST(ToolFile, LineRules) {
    // line, parsed, label, name, value
    const std::tuple<const char*, bool, const char*, const char*, const char*> cases[] = {
        // the line ends right after "=" or right after the name
        {"Comment:       &TP_COMMENT=", true, "Comment", "TP_COMMENT", ""},
        {"Comment:       &TP_COMMENT", true, "Comment", "TP_COMMENT", ""},
        // only the separator that ends the name is consumed
        {"X:       &TP_COMMENT==a", true, "X", "TP_COMMENT", "=a"},
        // leading separators are skipped, leading blanks of the value kept
        {"::X:  &TP_CDESC=  lead", true, "X", "TP_CDESC", "  lead"},
        // token 2 is whatever stands between label and name
        {"X:&TP_BRAD=5", true, "X", "5", ""},
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

TEST(ToolFile, SkipsCommentsAndTrimsLineEnds) {
    const char bytes[] =
        "**********\r\n"
        "R:       &TP_BRAD=5.000 **\r\n"
        "C:       &TP_COMMENT=a ** b  \t \n"
        "\r\n"
        "   \n"
        "L:       &TP_CRAD=1.000";  // no line end at all
    auto entries = parse_tool_file(bytes);
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].value, "a ** b");
    EXPECT_EQ(entries[1].name, "TP_CRAD");
}

TEST(ToolFile, LabelsAndValuesThatWouldSplitDifferentlyAreMadeSafe) {
    auto back =
        parse_tool_file(format_tool_file({{"Ratio: a&b=c\r\nd", "TP_COMMENT", "line1\nline2"},
                                          {"", "TP_BRAD", "5.000"},
                                          {":&=", "TP_CRAD", "1.000"}}));
    ASSERT_EQ(back.size(), 3u);
    EXPECT_EQ(back[0].label, "Ratio  a b c  d");
    EXPECT_EQ(back[0].value, "line1 line2");
    EXPECT_EQ(back[1].value, "5.000");
    EXPECT_EQ(back[2].name, "TP_CRAD");
}

TEST(ToolFile, LongLinesNulBytesAndBinaryInput) {
    std::string value(300, 'v');
    auto entries = parse_tool_file("Comment:       &TP_COMMENT=" + value + "x=y&z\r\n");
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].value, value + "x=y&z");
    std::string garbage;
    for (int i = 0; i < 4096; ++i) {
        garbage += static_cast<char>((i * 131) & 0xFF);
    }
    parse_tool_file(garbage);
    entries = parse_tool_file(std::string("N:       &TP_COMMENT=a\0b\r\n", 26));
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].value, std::string("a\0b", 3));
}

TEST(ToolFile, WriteIsAtomicAndFailsOnAMissingDirectory) {
    testsupport::TempDir dir;
    std::string path = dir.write("t.wkz", "old");
    ASSERT_TRUE(write_tool_file(path, {{"R", "TP_BRAD", "5.000"}}));
    EXPECT_EQ(testsupport::read_file(path), "R                        :       &TP_BRAD=5.000\r\n");
    EXPECT_FALSE(write_tool_file(dir.file("missing/t.wkz"), {}));
    EXPECT_FALSE(write_tool_file("", {}));
    EXPECT_FALSE(read_tool_file(dir.file("none.wkz")).has_value());
}

TEST(ChangeFile, LevelPlaceholderAndEntries) {
    ParameterChangeFile change;
    EXPECT_EQ(change.Bytes(1), "!EDIT_LEVEL=1 ");
    change.AddReal("TP_BRAD", 5.0f);
    change.AddInteger("TP_CPPNUM", -3);
    change.AddText("TP_COMMENT", "a=b & c");
    change.AddText("TP_INDEX82", ".\\sub\\R&D.wkz");
    EXPECT_EQ(change.Bytes(4),
              "!EDIT_LEVEL=4 &TP_BRAD=5.000 &TP_CPPNUM=-3 &TP_COMMENT=a=b \\& c "
              "&TP_INDEX82=.\\sub\\R\\&D.wkz ");
    testsupport::TempDir dir;
    EXPECT_FALSE(change.Write(dir.file("no/such/dir/cutter.out"), 2));
}

}  // namespace
