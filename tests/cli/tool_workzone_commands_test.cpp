#include <gtest/gtest.h>

#include <cstdio>
#include <tuple>

#include "cli/tool_library_fixture.h"
#include "platform/filesystem.h"

namespace {

using testsupport::read_file;
using testsupport::run_cli;
using CommandArguments = std::vector<std::string>;

using ToolAgainstWorkzone = ToolLibraryTest;

TEST_F(ToolAgainstWorkzone, CheckReportsTheDifferencesApplyWritesTheChangeFile) {
    EXPECT_EQ(run_cli({"check", tool("bull/d10r2.wkz", "2.000")}).exit_code, 0);
    auto differing = run_cli({"check", tool("bull/d10r2.wkz", "2.500")});
    EXPECT_EQ(differing.exit_code, 1) << differing.err;
    EXPECT_EQ(differing.out, "Corner Radius\t\t2.000\t\t\t2.500\n");
    EXPECT_EQ(run_cli({"check", library.file("none.wkz")}).exit_code, 2);

    // Another tool of the library: its reference is sent along.
    tool("flat/R&D.wkz", "2.000");
    auto result = run_cli({"apply", library.file("flat/R&D.wkz")}, zone_.path());
    EXPECT_EQ(result.exit_code, 0) << result.err;
    EXPECT_EQ(read_file(zone_.file("cutter.out")), "!EDIT_LEVEL=2 &TP_INDEX82=.\\flat\\R\\&D.wkz ");
}

TEST_F(ToolAgainstWorkzone, AnUnreadableToolpathFailsEveryCommandThatComparesWithIt) {
    const std::string tool_file = tool("bull/d10r2.wkz", "2.500");
    std::string utf16("\xFF\xFE", 2);
    for (char c : std::string("       1.00000   :   1\r\n")) {
        utf16 += c;
        utf16 += '\0';
    }
    // The files of the current toolpath, and the one that cannot be read.
    const std::tuple<std::optional<std::string>, std::optional<std::string>, const char*> cases[] =
        {
            {std::nullopt, "", "outil.par"},
            {"garbage\nmore\n", "", "outil.par"},
            {utf16, "", "outil.par"},
            {read_file(zone_.file("outil.par")), std::nullopt, "outil.mul"},
        };
    for (const auto& [parameters, view, failed] : cases) {
        std::remove(zone_.file("outil.par").c_str());
        std::remove(zone_.file("outil.mul").c_str());
        if (parameters) {
            zone_.write("outil.par", *parameters);
        }
        if (view) {
            zone_.write("outil.mul", *view);
        }
        const std::string message =
            "cutterbase-cli: cannot read the toolpath '" + zone_.file(failed) + "' (status 7)\n";
        for (const CommandArguments& arguments :
             {CommandArguments{"toolpath"},
              {"toolpath", "UNIT", "TP_CDIAM"},
              {"check", tool_file},
              {"apply", tool_file, "-o", zone_.file("cutter.out")}}) {
            const auto result = run_cli(arguments);
            EXPECT_EQ(result.exit_code, 2) << arguments[0] << " " << failed;
            EXPECT_EQ(result.out, "") << arguments[0];
            EXPECT_EQ(result.err, message) << arguments[0];
        }
        EXPECT_FALSE(platform::exists(zone_.file("cutter.out")));
    }
    // A name that does not read the toolpath needs none.
    EXPECT_EQ(run_cli({"toolpath", "UNIT"}).out, "UNIT\tchar\t0\tmm\n");
}

TEST_F(ToolAgainstWorkzone, TrailingBlanksOfTheWorkzoneNameTheSameWorkzone) {
    env_.set("KVXZONE", zone_.path() + "/  ");
    auto result = run_cli({"toolpath"});
    EXPECT_EQ(result.exit_code, 0) << result.err;
    EXPECT_EQ(result.out.substr(0, 22), "1\tTP_COMMENT\troughing\n");
    result = run_cli({"toolpath", "TP_COMMENT"});
    EXPECT_EQ(result.out, "TP_COMMENT\tchar\t0\troughing\n");
    EXPECT_EQ(run_cli({"check", tool("bull/d10r2.wkz", "2.000")}).exit_code, 0);
    result = run_cli({"apply", tool("bull/d10r2.wkz", "2.500"), "-o", zone_.file("cutter.out")});
    EXPECT_EQ(result.exit_code, 0) << result.err;
    EXPECT_EQ(read_file(zone_.file("cutter.out")), "!EDIT_LEVEL=4 &TP_CRAD=2.500 ");
    EXPECT_EQ(run_cli({"expand", "--path", "$KVXZONE/workzone.num"}).out,
              "0\t" + zone_.path() + "/workzone.num\n");
}

TEST_F(ToolAgainstWorkzone, TabsAndLineBreaksInFieldsAreEscapedInEveryListing) {
    ParameterItems items = sample_items();
    items.set_text(61, "rough\tpass\\1");
    write_toolpath(0, items);
    env_.set("CB_FIELD", "a\tb\nc\rd\\e");
    const std::string tool_file =
        library.write("t.wkz", "Com\tment      :       &TP_COMMENT=x\ry\tz\r\n");
    const std::pair<CommandArguments, std::string> cases[] = {
        {{"env", "CB_FIELD"}, "CB_FIELD\ta\\tb\\nc\\rd\\e\n"},
        {{"expand", "x\ty\\z"}, "0\tx\\ty\\z\n"},
        {{"toolpath", "TP_COMMENT"}, "TP_COMMENT\tchar\t0\trough\\tpass\\1\n"},
        {{"show", tool_file}, "Com\\tment\tTP_COMMENT\tText\t1\tx\\ry\\tz\n"},
        {{"check", tool_file}, "Com\\tment\t\trough\\tpass\\1\t\t\tx\\ry\\tz\n"},
    };
    for (const auto& [arguments, expected] : cases) {
        EXPECT_EQ(run_cli(arguments).out, expected) << arguments[0];
    }
    const std::string listing = run_cli({"toolpath"}).out;
    EXPECT_EQ(listing.substr(0, listing.find('\n') + 1), "1\tTP_COMMENT\trough\\tpass\\1\n");
    EXPECT_EQ(run_cli({"startup", "-o", "o\tx\n"}).out.substr(0, 19), "output_file\to\\tx\\n\n");
}

TEST_F(ToolAgainstWorkzone, ApplyRefusesAToolPathHoldingALineBreak) {
    const std::pair<const char*, const char*> names[] = {
        {"bull/d10\nr2.wkz", "bull/d10\\nr2.wkz"},
        {"bull\r/d10r2.wkz", "bull\\r/d10r2.wkz"},
    };
    for (const auto& [name, shown] : names) {
        const auto result = run_cli({"apply", tool(name, "2.500"), "-o", zone_.file("cutter.out")});
        EXPECT_EQ(result.exit_code, 1);
        EXPECT_EQ(result.err, "cutterbase-cli: the tool path holds a line break: '" +
                                  library.file(shown) + "'\n");
        EXPECT_FALSE(platform::exists(zone_.file("cutter.out")));
    }
}

}  // namespace
