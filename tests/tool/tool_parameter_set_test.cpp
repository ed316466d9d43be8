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

TEST_F(ToolSetTest, LoadAndSaveRoundTripByteForByte) {
    ToolParameterSet tool = Load(kTool);
    ASSERT_EQ(tool.parameters().size(), 8u);
    std::string copy = home.file("lib/copy.wkz");
    ASSERT_TRUE(tool.Save(copy));
    EXPECT_EQ(read_file(copy), kTool);
    EXPECT_EQ(tool.path(), copy);
    // Failures leave an empty set, or the previous file and path.
    ToolParameterSet missing;
    missing.Load(home.file("missing.wkz"));
    EXPECT_FALSE(missing.loaded());
    EXPECT_TRUE(missing.parameters().empty());
    EXPECT_FALSE(missing.Save(""));
    EXPECT_FALSE(tool.Save(home.mkdir("lib/target.wkz")));  // a directory cannot be replaced
    EXPECT_EQ(tool.path(), copy);
}

TEST_F(ToolSetTest, IndexOperations) {
    ToolParameterSet tool = Load(kTool);
    ParameterValue value;
    ASSERT_TRUE(tool.GetByIndex(kTpBrad, value));
    EXPECT_FLOAT_EQ(value.real, 5.0f);
    value.real = 6.5f;
    tool.SetValueByIndex(kTpBrad, value);
    tool.SetValueByIndex(kTpCdiam, value);  // absent: nothing happens
    EXPECT_EQ(tool.FindByName("TP_CDIAM"), -1);
    value.text = "3";
    tool.SetByIndex(kTpLitype, value);  // present: replaced in place, label kept
    EXPECT_EQ(tool.FindByName("TP_LITYPE"), 5);
    EXPECT_EQ(tool.parameters()[5].label, "Lead-In");
    EXPECT_EQ(tool.parameters()[5].text, "3");
    value.real = 1.0f;
    tool.SetByIndex(kTpTol, value);  // absent: appended with an empty label
    EXPECT_EQ(tool.FindByName("TP_TOL"), 8);
    EXPECT_EQ(tool.parameters()[8].label, "");
    ASSERT_TRUE(tool.RemoveByIndex(kTpComment));
    EXPECT_FALSE(tool.RemoveByIndex(kTpComment));
    EXPECT_EQ(tool.parameters()[0].name, "TP_BRAD");
    EXPECT_FLOAT_EQ(tool.parameters()[0].real, 6.5f);

    // Repeated names are kept; the first is found and set.
    tool = Load("A:       &TP_BRAD=1\r\nB:       &TP_BRAD=2\r\nC:       &tp_brad=3\r\n");
    ASSERT_EQ(tool.parameters().size(), 3u);
    float real = 0;
    EXPECT_TRUE(tool.GetReal("TP_BRAD", real));
    EXPECT_FLOAT_EQ(real, 1.0f);
    value.real = 9.0f;
    tool.SetByIndex(kTpBrad, value);
    EXPECT_FLOAT_EQ(tool.parameters()[0].real, 9.0f);
    EXPECT_FLOAT_EQ(tool.parameters()[1].real, 2.0f);
    EXPECT_FALSE(tool.parameters()[2].applied);

    ToolParameterSet none;  // a parameter of no kind is never written
    value.text = "201";
    none.SetByIndex(kTpType, value);
    std::string path = home.file("none.wkz");
    ASSERT_TRUE(none.Save(path));
    EXPECT_EQ(read_file(path), "");
}

// Consistency with the toolpath, one row per parameter kind and outcome.
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
        {"X:       &MY_NOTE=1", nullptr, true, ""},
        {"X:       &TP_INDEX82=.\\x", nullptr, true, ""},
    };
    for (const auto& [line, value, consistent, report] : cases) {
        ToolParameterSet tool = Load(line);
        const ToolParameter& p = tool.parameters()[0];
        toolpath = FakeToolpath{};
        if (value && p.kind == ParameterKind::Text) {
            toolpath.texts[p.name] = value;
        } else if (value && p.kind == ParameterKind::Real) {
            toolpath.reals[p.name] = std::stof(value);
        } else if (value) {
            toolpath.integers[p.name] = std::stoi(value);
        }
        EXPECT_EQ(tool.IsConsistent(toolpath, false), consistent) << line;
        EXPECT_EQ(tool.InconsistencyReport(toolpath), report) << line;
    }
}

TEST_F(ToolSetTest, AutoFlagBitsAreReportedByLabelWhenDefinitionsExist) {
    ToolParameterSet tool = Load("A:       &TP_AUTOFLAGS=9\r\n");
    toolpath.integers["TP_AUTOFLAGS"] = 1;
    EXPECT_FALSE(tool.IsConsistent(toolpath, false));
    EXPECT_EQ(tool.InconsistencyReport(toolpath), "A\t\t1\t\t\t9\n");
    home.write("texte/kvxvars.ang", "[kvxvars]\r\nTP_AUTOSTEPOVER=Auto stepover\r\n");
    EXPECT_EQ(tool.InconsistencyReport(toolpath), "TP_AUTOZSTEP\t0\t\t\t1\n");
    toolpath.integers["TP_AUTOFLAGS"] = 8;
    EXPECT_EQ(tool.InconsistencyReport(toolpath), "Auto stepover\t0\t\t\t1\n");
}

TEST_F(ToolSetTest, LabelsComeFromTheDefinitionsFileOfTheLanguage) {
    home.write("texte/kvxvars.fra",
               "[kvxvars]\r\nTP_BRAD=Rayon du corps\r\nTP_CRAD=\r\nTP_TOL=Tolerance\r\n");
    env.set("KVXLANG", "fra");
    ToolParameterSet tool = Load(
        "Body Radius:       &TP_BRAD=5\r\n"
        "Corner Radius:       &TP_CRAD=1\r\n");
    EXPECT_EQ(tool.parameters()[0].label, "Rayon du corps");
    EXPECT_EQ(tool.parameters()[1].label, "Corner Radius");  // an empty value replaces nothing
    ParameterValue value;
    tool.SetByIndex(kTpTol, value);
    EXPECT_EQ(tool.parameters()[2].label, "Tolerance");
    // A changed file gives the tools loaded afterwards its labels; those loaded before keep
    // theirs. Another language is another file.
    home.write("texte/kvxvars.fra", "[kvxvars]\r\nTP_BRAD=Rayon\r\n");
    EXPECT_EQ(Load("B:       &TP_BRAD=5\r\n").parameters()[0].label, "Rayon");
    EXPECT_EQ(tool.parameters()[0].label, "Rayon du corps");
    env.set("KVXLANG", "ang");
    EXPECT_EQ(Load("B:       &TP_BRAD=5\r\n").parameters()[0].label, "B");
}

using ChangeFileTest = ToolSetTest;

TEST_F(ChangeFileTest, OnlyDifferingParametersAndTheHighestLevel) {
    ToolParameterSet tool = Load(
        "C:       &TP_COMMENT=a&b\r\n"
        "F:       &TP_FRCUT=1200\r\n"
        "R:       &TP_BRAD=5\r\n"
        "X:       &MY_NOTE=never sent\r\n");
    toolpath.reals["TP_BRAD"] = 5.0f;
    toolpath.texts["TP_INDEX82"] = ".\\SUB/T1.WKZ";
    ASSERT_TRUE(tool.WriteChangeFile(toolpath, out, lib, lib + "/sub/t1.wkz"));
    EXPECT_EQ(read_file(out), "!EDIT_LEVEL=3 &TP_COMMENT=a\\&b &TP_FRCUT=1200.000 ");

    toolpath.reals.clear();
    ASSERT_TRUE(tool.WriteChangeFile(toolpath, out, lib, lib + "/sub/t1.wkz"));
    EXPECT_EQ(read_file(out), "!EDIT_LEVEL=4 &TP_COMMENT=a\\&b &TP_FRCUT=1200.000 &TP_BRAD=5.000 ");
}

// A damaged tool file: a NUL inside a text, a real just below zero.
TEST_F(ChangeFileTest, DamagedValuesReachTheChangeFileAsTheToolHoldsThem) {
    ToolParameterSet tool =
        Load(std::string("C:       &TP_COMMENT=ab\0cd\r\n"
                         "S:       &TP_STOCK=-0.0004\r\n",
                         56));
    toolpath.reals["TP_STOCK"] = 1.0f;
    ASSERT_TRUE(tool.WriteChangeFile(toolpath, out, lib, lib + "/t.wkz"));
    EXPECT_EQ(read_file(out), "!EDIT_LEVEL=4 &TP_COMMENT=ab &TP_STOCK=0.000 &TP_INDEX82=.\\t.wkz ");
    ASSERT_TRUE(tool.Save(home.file("lib/copy.wkz")));
    EXPECT_EQ(read_file(home.file("lib/copy.wkz")),
              "C                        :       &TP_COMMENT=ab\r\n"
              "S                        :       &TP_STOCK=0.000\r\n");
}

TEST_F(ChangeFileTest, ToolReference) {
    ToolParameterSet tool;
    // file, the toolpath's reference (nullptr: the read fails), the change file
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
