#include <gtest/gtest.h>

#include <algorithm>

#include "workzone/workzone_fixture.h"

namespace {

using testsupport::run_cli;

using ToolpathCommand = WorkzoneTest;

TEST_F(ToolpathCommand, NamedVariablesAndToolParameters) {
    write_toolpath(0, sample_items());
    auto result = run_cli({"toolpath", "TP_CDIAM", "TP_LITYPE.short", "TP_RADS", "TP_NOPE",
                           "TP_CPPNUM", "TP_FRCUT", "<user-start>", "TP_TYPE"});
    EXPECT_EQ(result.exit_code, 0);
    EXPECT_EQ(result.out,
              "TP_CDIAM\tdist\t0\t10.00000\n"
              "TP_LITYPE.short\tchar\t0\tRad\n"
              "TP_RADS\tdist\t0\t5.00000;2.00000\n"
              "TP_NOPE\tnone\t0\t\n"
              "TP_CPPNUM\tint\t0\t7\n"
              "TP_FRCUT\treal\t0\t1200.00000\n"
              "<user-start>\tchar\t1\t?\?<user-start>(char)?\?\n"
              "TP_TYPE\tchar\t0\tPencil three\n");

    // Without names: one line per tool parameter in index order, as a tool file writes them.
    write_toolpath(12, sample_items());
    result = run_cli({"toolpath", "--tp", "+12"});
    EXPECT_EQ(result.exit_code, 0);
    EXPECT_EQ(result.out.substr(0, 68),
              "1\tTP_COMMENT\troughing\n2\tTP_CDESC\tbull nose D10 R2\n3\tTP_CDIAM\t10.000\n");
    EXPECT_NE(result.out.find("\n18\tTP_LITYPE\t3\n19\tTP_LIRAMP\t5.000\n"), std::string::npos);
    EXPECT_NE(result.out.find("\n23\tTP_TYPE\tPencil three\n24\tTP_INDEX82\t.\\bull\\d10r2.wkz\n"),
              std::string::npos);
    EXPECT_EQ(std::count(result.out.begin(), result.out.end(), '\n'), 24);
}

TEST_F(ToolpathCommand, BadToolpathNumbersAreUsageErrors) {
    for (const char* number : {"", "x", "12x", "2147483648", "-"}) {
        const auto bad = run_cli({"toolpath", "--tp", number});
        EXPECT_EQ(bad.exit_code, 2) << number;
        EXPECT_EQ(bad.out, "");
        EXPECT_EQ(bad.err, "usage: cutterbase-cli toolpath [--tp N] [NAME[.SUFFIX]...]\n");
    }
    EXPECT_EQ(run_cli({"toolpath", "--tp"}).exit_code, 2);
}

}  // namespace
