#include <gtest/gtest.h>

#include <tuple>

#include "support/test_support.h"
#include "tool/fake_toolpath.h"
#include "tool/tool_parameter_set.h"

namespace {

using testsupport::read_file;

// No variable definitions file: labels stay as the tool file has them.
struct ToolSetTest : ::testing::Test {
    testsupport::TempDir home;
    testsupport::ScopedEnv env;
    FakeToolpath toolpath;
    std::string out = home.file("cutter.out");
    std::string lib = home.file("lib");
    void SetUp() override { env.set("KVXHOME", home.path()).set("KVXLANG", "ang"); }
    ToolParameterSet Load(const std::string& bytes) {
        ToolParameterSet tool;
        tool.Load(home.write("lib/tool.wkz", bytes));
        return tool;
    }
};

const char kTool[] =
    "Comment                  :       &TP_COMMENT=rough & ready\r\n"
    "Body Radius              :       &TP_BRAD=5.000\r\n"
    "Corner Radius            :       &TP_CRAD=2.000\r\n"
    "Tool Number              :       &TP_CPPNUM=12\r\n"
    "Auto                     :       &TP_AUTOFLAGS=17\r\n"
    "Lead-In                  :       &TP_LITYPE=2\r\n"
    "Extra                    :       &MY_NOTE=kept as it is\r\n"
    "Type                     :       &TP_TYPE=201\r\n";

// "LABEL:NAME=VALUE" of each parameter, "~" after one the program does not apply.
std::string listing(const ToolParameterSet& tool) {
    std::string text;
    for (const ToolParameter& p : tool.parameters()) {
        text +=
            p.label.str() + ":" + p.name + "=" + FormatParameterValue(p) + (p.applied ? " " : "~ ");
    }
    return text;
}

TEST_F(ToolSetTest, LoadSaveAndIndexOperations) {
    ToolParameterSet tool = Load(kTool);
    std::string copy = home.file("lib/copy.wkz");
    ASSERT_TRUE(tool.Save(copy));
    EXPECT_EQ(read_file(copy), kTool);
    // Failures leave an empty set, or the previous file and path.
    ToolParameterSet missing;
    missing.Load(home.file("missing.wkz"));
    EXPECT_TRUE(!missing.loaded() && missing.parameters().empty());
    EXPECT_FALSE(missing.Save(""));
    EXPECT_FALSE(tool.Save(home.mkdir("lib/target.wkz")));  // a directory cannot be replaced
    EXPECT_EQ(tool.path(), copy);

    ParameterValue value;
    value.real = 6.5f;
    tool.SetValueByIndex(kTpBrad, value);
    tool.SetValueByIndex(kTpCdiam, value);  // absent: nothing happens
    value.text = "3";
    tool.SetByIndex(kTpLitype, value);  // present: replaced in place, label kept
    value.real = 1.0f;
    tool.SetByIndex(kTpTol, value);  // absent: appended with an empty label
    ASSERT_TRUE(tool.RemoveByIndex(kTpComment));
    EXPECT_FALSE(tool.RemoveByIndex(kTpComment));
    EXPECT_EQ(listing(tool),
              "Body Radius:TP_BRAD=6.500 Corner Radius:TP_CRAD=2.000 Tool Number:TP_CPPNUM=12 "
              "Auto:TP_AUTOFLAGS=17 Lead-In:TP_LITYPE=3 Extra:MY_NOTE=kept as it is~ "
              "Type:TP_TYPE=201~ :TP_TOL=1.000 ");

    // Repeated names are kept; the first is found and set.
    tool = Load("A:       &TP_BRAD=1\r\nB:       &TP_BRAD=2\r\nC:       &tp_brad=3\r\n");
    ASSERT_TRUE(tool.GetByIndex(kTpBrad, value) && value.real == 1.0f);
    value.real = 9.0f;
    tool.SetByIndex(kTpBrad, value);
    EXPECT_EQ(listing(tool), "A:TP_BRAD=9.000 B:TP_BRAD=2.000 C:tp_brad=3~ ");

    ToolParameterSet none;  // a parameter of no kind is never written
    value.text = "201";
    none.SetByIndex(kTpType, value);
    ASSERT_TRUE(none.Save(out));
    EXPECT_EQ(read_file(out), "");
}

TEST_F(ToolSetTest, ConsistencyTable) {
    // tool file line, the toolpath's value (nullptr: it cannot read it), consistent, report
    const std::tuple<const char*, const char*, bool, const char*> cases[] = {
        {"C:       &TP_COMMENT=abc", "abc", true, ""},
        {"C:       &TP_COMMENT=abc", "ABC", false, "C\t\tABC\t\t\tabc\n"},
        {"C:       &TP_COMMENT=abc", nullptr, false, "C\t\t\t\t\tabc\n"},
        {"R:       &TP_CRAD=2.0004", "2", true, ""},
        {"R:       &TP_CRAD=2.001", "2", false, "R\t\t2.000\t\t\t2.001\n"},
        {"R:       &TP_CRAD=2.001", nullptr, false, "R\t\t0.000\t\t\t2.001\n"},
        {"N:       &TP_CPPNUM=7", "7", true, ""},
        {"N:       &TP_CPPNUM=7", "8", false, "N\t\t8\t\t\t7\n"},
        {"N:       &TP_CPPNUM=7", nullptr, false, "N\t\t0\t\t\t7\n"},
        {"A:       &TP_AUTOFLAGS=17", "1", true, ""},
        {"A:       &TP_AUTOFLAGS=9", "1", false, "A\t\t1\t\t\t9\n"},
        {"X:       &MY_NOTE=1", nullptr, true, ""},
        {"X:       &TP_INDEX82=.\\x", nullptr, true, ""},
    };
    for (const auto& [line, value, consistent, report] : cases) {
        ToolParameterSet tool = Load(line);
        const ToolParameter& p = tool.parameters()[0];
        toolpath = FakeToolpath{};
        if (value) {  // the kind of the name decides which one is read
            toolpath.texts[p.name] = value;
            toolpath.reals[p.name] = std::strtof(value, nullptr);
            toolpath.integers[p.name] = std::atoi(value);
        }
        EXPECT_EQ(tool.IsConsistent(toolpath, false), consistent) << line;
        EXPECT_EQ(tool.InconsistencyReport(toolpath), report) << line;
    }
}

TEST_F(ToolSetTest, LabelsFromTheDefinitionsFileAlsoForTheAutoFlagBits) {
    ToolParameterSet tool = Load("A:       &TP_AUTOFLAGS=9\r\n");
    toolpath.integers["TP_AUTOFLAGS"] = 1;
    home.write("texte/kvxvars.ang", "[kvxvars]\r\nTP_AUTOSTEPOVER=Auto stepover\r\n");
    EXPECT_EQ(tool.InconsistencyReport(toolpath), "TP_AUTOZSTEP\t0\t\t\t1\n");
    toolpath.integers["TP_AUTOFLAGS"] = 8;
    EXPECT_EQ(tool.InconsistencyReport(toolpath), "Auto stepover\t0\t\t\t1\n");
    home.write("texte/kvxvars.fra",
               "[kvxvars]\r\nTP_BRAD=Rayon du corps\r\nTP_CRAD=\r\nTP_TOL=Tolerance\r\n");
    env.set("KVXLANG", "fra");
    tool = Load("Body Radius:       &TP_BRAD=5\r\nCorner Radius:       &TP_CRAD=1\r\n");
    // Loading keeps the file's labels; the definitions' are taken when labels are reloaded,
    // written or reported, and a parameter added takes its label at once.
    EXPECT_EQ(listing(tool), "Body Radius:TP_BRAD=5.000 Corner Radius:TP_CRAD=1.000 ");
    ParameterValue value;
    tool.SetByIndex(kTpTol, value);
    tool.ReloadLabels();
    // An empty value replaces nothing.
    EXPECT_EQ(listing(tool),
              "Rayon du corps:TP_BRAD=5.000 Corner Radius:TP_CRAD=1.000 "
              "Tolerance:TP_TOL=0.000 ");
    // A changed file is what the next save or report finds.
    home.write("texte/kvxvars.fra", "[kvxvars]\r\nTP_BRAD=Rayon\r\n");
    toolpath.reals["TP_BRAD"] = 4.0f;
    toolpath.reals["TP_CRAD"] = 1.0f;
    toolpath.reals["TP_TOL"] = 0.0f;
    EXPECT_EQ(tool.InconsistencyReport(toolpath), "Rayon\t\t4.000\t\t\t5.000\n");
    ASSERT_TRUE(tool.Save(out));
    EXPECT_EQ(read_file(out).substr(0, 26), "Rayon                    :");
    env.set("KVXLANG", "ang");
    tool.ReloadLabels();
    EXPECT_EQ(tool.parameters()[0].label, "Rayon");  // no definitions: labels stay
}

TEST_F(ToolSetTest, ChangeFileHoldsOnlyDifferingParametersTheHighestLevelAndTheReference) {
    ToolParameterSet tool = Load(
        "C:       &TP_COMMENT=a&b\r\nF:       &TP_FRCUT=1200\r\n"
        "R:       &TP_BRAD=5\r\nX:       &MY_NOTE=never sent\r\n");
    toolpath.reals["TP_BRAD"] = 5.0f;
    toolpath.texts["TP_INDEX82"] = ".\\SUB/T1.WKZ";
    ASSERT_TRUE(tool.WriteChangeFile(toolpath, out, lib, lib + "/sub/t1.wkz"));
    EXPECT_EQ(read_file(out), "!EDIT_LEVEL=3 &TP_COMMENT=a\\&b &TP_FRCUT=1200.000 ");
    // A damaged tool file; the level stays the highest, not the last parameter's.
    toolpath = FakeToolpath{};
    tool =
        Load(std::string("S:       &TP_STOCK=-0.0004\r\n"
                         "C:       &TP_COMMENT=ab\0cd\r\n",
                         56));
    toolpath.reals["TP_STOCK"] = 1.0f;
    ASSERT_TRUE(tool.WriteChangeFile(toolpath, out, lib, lib + "/t.wkz"));
    EXPECT_EQ(read_file(out), "!EDIT_LEVEL=4 &TP_STOCK=0.000 &TP_COMMENT=ab &TP_INDEX82=.\\t.wkz ");

    // Without parameters: file, the toolpath's reference (nullptr: the read fails), change file.
    tool = ToolParameterSet();
    const std::tuple<std::string, const char*, const char*> cases[] = {
        {lib + "/R&D/t.wkz", nullptr, "!EDIT_LEVEL=2 &TP_INDEX82=.\\R\\&D\\t.wkz "},
        {lib + "/t.wkz", ".\\T.wkz", "!EDIT_LEVEL=1 "},
        {lib + "/t.wkz", ".\\other.wkz", "!EDIT_LEVEL=2 &TP_INDEX82=.\\t.wkz "},
        {"/elsewhere/t.wkz", "", "!EDIT_LEVEL=1 "},
        {"/elsewhere/t.wkz", nullptr, "!EDIT_LEVEL=2 &TP_INDEX82= "},
    };
    for (const auto& [file, reference, written] : cases) {
        toolpath.texts.clear();
        if (reference) {
            toolpath.texts["TP_INDEX82"] = reference;
        }
        ASSERT_TRUE(tool.WriteChangeFile(toolpath, out, lib, file));
        EXPECT_EQ(read_file(out), written) << file;
    }
    EXPECT_FALSE(tool.WriteChangeFile(toolpath, home.file("missing/cutter.out"), "", ""));
}

}  // namespace
