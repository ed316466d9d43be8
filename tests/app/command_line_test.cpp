#include "app/command_line.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "app_fixture.h"

namespace {

TEST(CutBaseCmdLine, ParsesTokensAndReportsUnknownToolpaths) {
    const std::string huge(10000, '7');
    const struct {
        std::vector<std::string> arguments;
        std::string output_file;
        std::int32_t toolpath_number;
        std::vector<std::string> reported;  // texts of CUTBASE_TPNUM_UNKNOWN
    } cases[] = {
        {{}, "cutter.out", 0, {}},
        {{"-tpnum", "7", "-o", "out.txt"}, "out.txt", 7, {}},
        {{"/o", "out.txt", "/tpnum", "7"}, "out.txt", 7, {}},
        {{"-o", "/tmp/change.out", "-tpnum", "12"}, "/tmp/change.out", 12, {}},
        {{"-TPNUM", "7", "/O"}, "cutter.out", 0, {"tpnum 7", "tpnum /O"}},
        {{"-tpnum", "3", "word"}, "cutter.out", 3, {}},
        {{"-tpnum", "-4"}, "cutter.out", 0, {}},  // "-4" is a flag
        {{"-tpnum", " -4"}, "cutter.out", -4, {}},
        {{"-tpnum", "0", "-tpnum", "abc", "-tpnum", ""},
         "cutter.out",
         0,
         {"tpnum 0", "tpnum abc", "tpnum "}},
        {{"-tpnum", " +15xyz"}, "cutter.out", 15, {}},
        {{"bare", "-tpnum", "5", "late"}, "cutter.out", 5, {"tpnum bare"}},
        {{"-o", "a", "b", "-", "c"}, "a", 0, {"tpnum b", "tpnum c"}},
        {{"-o", "-tpnum", "9", "-o"}, "cutter.out", 9, {}},
        // Clamped beyond 32 bits: digits must never wrap round to toolpath 0.
        {{"-tpnum", "4294967296"}, "cutter.out", 2147483647, {}},
        {{"-tpnum", " -99999999999"}, "cutter.out", -2147483647 - 1, {}},
        {{"-o", "/" + huge, "-tpnum", huge}, "/" + huge, 2147483647, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.arguments).substr(0, 80));
        apptest::Installation install;
        CutBaseCmdLine command_line;
        ParseCommandLine(command_line, c.arguments);
        EXPECT_EQ(command_line.OutputFile(), c.output_file);
        EXPECT_EQ(command_line.ToolpathNumber(), c.toolpath_number);
        std::vector<std::string> reported;
        for (const auto& raised : install.presenter.messages) {
            EXPECT_EQ(raised.id, "CUTTERBASE/CUTBASE_TPNUM_UNKNOWN");
            reported.push_back(raised.text);
        }
        EXPECT_EQ(reported, c.reported);
    }
}

}  // namespace
