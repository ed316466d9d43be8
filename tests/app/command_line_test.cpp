#include "app/command_line.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "app_fixture.h"

namespace {

using apptest::Installation;

struct CommandLineCase {
    std::vector<std::string> arguments;
    std::string output_file;
    std::int32_t toolpath_number;
    std::vector<std::string> reported;  // tokens raised with CUTBASE_TPNUM_UNKNOWN
};

const std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
const std::int32_t kMin = std::numeric_limits<std::int32_t>::min();

TEST(CutBaseCmdLine, ParsesTokensAndReportsUnknownToolpaths) {
    const CommandLineCase cases[] = {
        {{}, "cutter.out", 0, {}},
        {{"-tpnum", "7", "-o", "out.txt"}, "out.txt", 7, {}},
        {{"/o", "out.txt", "/tpnum", "7"}, "out.txt", 7, {}},
        {{"-o", "/tmp/change.out", "-tpnum", "12"}, "/tmp/change.out", 12, {}},
        // Flags compare exactly: an unknown flag is followed by a bare parameter.
        {{"-TPNUM", "7"}, "cutter.out", 0, {"7"}},
        {{"/O", "x"}, "cutter.out", 0, {"/O", "x"}},
        {{"-tpnum", "3", "word"}, "cutter.out", 3, {}},
        // "-4" is a flag, not a number.
        {{"-tpnum", "-4"}, "cutter.out", 0, {}},
        {{"-tpnum", " -4"}, "cutter.out", -4, {}},
        {{"-tpnum", "0"}, "cutter.out", 0, {"0"}},
        {{"-tpnum", "abc"}, "cutter.out", 0, {"abc"}},
        {{"-tpnum", ""}, "cutter.out", 0, {""}},
        {{"-tpnum", " +15xyz"}, "cutter.out", 15, {}},
        {{"bare", "-tpnum", "5", "late"}, "cutter.out", 5, {"bare"}},
        {{"/tmp/x", "-tpnum", "5"}, "cutter.out", 5, {"/tmp/x"}},
        {{"-o", "a", "b"}, "a", 0, {"b"}},
        {{"-o"}, "cutter.out", 0, {}},
        {{"-o", "-tpnum", "9"}, "cutter.out", 9, {}},
        {{"-", "x"}, "cutter.out", 0, {"x"}},
        {{"-tpnum", "2", "-tpnum", "0"}, "cutter.out", 0, {"0"}},
        // Beyond 32 bits the number is clamped, so digits never wrap round to 0.
        {{"-tpnum", "99999999999"}, "cutter.out", kMax, {}},
        {{"-tpnum", "4294967296"}, "cutter.out", kMax, {}},
        {{"-tpnum", " -99999999999"}, "cutter.out", kMin, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.arguments));
        Installation install;
        CutBaseCmdLine command_line;
        ParseCommandLine(command_line, c.arguments);
        EXPECT_EQ(command_line.output_file(), c.output_file);
        EXPECT_EQ(command_line.toolpath_number(), c.toolpath_number);
        std::vector<std::string> reported;
        for (const auto& raised : install.presenter.messages) {
            EXPECT_EQ(raised.section, "CUTTERBASE");
            EXPECT_EQ(raised.key, "CUTBASE_TPNUM_UNKNOWN");
            EXPECT_EQ(raised.buttons, kButtonsOk);
            reported.push_back(raised.text.substr(std::string("tpnum ").size()));
        }
        EXPECT_EQ(reported, c.reported);
    }
}

TEST(CutBaseCmdLine, FlagsOnlyChangeTheState) {
    Installation install;
    CutBaseCmdLine command_line;
    command_line.ParseParam("o", true, false);
    EXPECT_EQ(command_line.parse_state(), CutBaseCmdLine::kStateOutputFile);
    command_line.ParseParam("tpnum", true, false);
    EXPECT_EQ(command_line.parse_state(), CutBaseCmdLine::kStateToolpathNumber);
    command_line.ParseParam("x", true, false);
    EXPECT_EQ(command_line.parse_state(), CutBaseCmdLine::kStateIdle);
    command_line.ParseParam("o", true, false);
    command_line.ParseParam("out", false, true);
    EXPECT_EQ(command_line.parse_state(), CutBaseCmdLine::kStateIdle);
    EXPECT_EQ(command_line.output_file(), "out");
    EXPECT_TRUE(install.presenter.messages.empty());
}

TEST(CutBaseCmdLine, ReportNamesItsOrigin) {
    Installation install;
    GetCatalogue()->SetDetail(1);
    CutBaseCmdLine command_line;
    ParseCommandLine(command_line, {"-tpnum", "zero"});
    ASSERT_EQ(install.presenter.messages.size(), 1u);
    EXPECT_THAT(install.presenter.messages[0].text,
                testing::HasSubstr(apptest::origin_text("CutBaseCmdLine", 57)));
}

TEST(CutBaseCmdLine, LongTokensAreKeptWhole) {
    Installation install;
    const std::string path = "/" + std::string(10000, 'p');
    const std::string digits(10000, '7');
    const std::string word(10000, 'w');
    CutBaseCmdLine command_line;
    ParseCommandLine(command_line, {"-o", path, "-tpnum", digits, "-tpnum", word});
    EXPECT_EQ(command_line.output_file(), path);
    EXPECT_EQ(command_line.toolpath_number(), 0);
    ASSERT_EQ(install.presenter.messages.size(), 1u);
    EXPECT_EQ(install.presenter.messages[0].text, "tpnum " + word);
}

}  // namespace
