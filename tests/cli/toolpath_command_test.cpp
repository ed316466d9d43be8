#include <gtest/gtest.h>

#include "workzone/workzone_fixture.h"

namespace {

using testsupport::run_cli;

class ToolpathCommand : public WorkzoneTest {
protected:
    void SetUp() override {
        WorkzoneTest::SetUp();
        write_toolpath(0, sample_items());
        ParameterItems numbered = sample_items();
        numbered.set_number(4, 3.0f);
        numbered.set_number(28, 201.0f);
        numbered.set_text(61, "numbered");
        write_toolpath(12, numbered);
    }
};

TEST_F(ToolpathCommand, NamedVariablesWithTypeStatusAndValues) {
    const auto result =
        run_cli({"toolpath", "TP_CDIAM", "TP_LITYPE", "TP_LITYPE.int", "TP_LITYPE.short", "TP_RADS",
                 "UNIT", "TP_NOPE", "TP_CPPNUM", "TP_FRCUT", "<user-start>", "TP_NUM", "TP_TYPE"});
    EXPECT_EQ(result.exit_code, 0);
    EXPECT_EQ(result.out,
              "TP_CDIAM\tdist\t0\t10.00000\n"
              "TP_LITYPE\tchar\t0\tRadial\n"
              "TP_LITYPE.int\tchar\t0\t3\n"
              "TP_LITYPE.short\tchar\t0\tRad\n"
              "TP_RADS\tdist\t0\t5.00000;2.00000\n"
              "UNIT\tchar\t0\tmm\n"
              "TP_NOPE\tnone\t0\t\n"
              "TP_CPPNUM\tint\t0\t7\n"
              "TP_FRCUT\treal\t0\t1200.00000\n"
              "<user-start>\tchar\t1\t?\?<user-start>(char)?\?\n"
              "TP_NUM\tint\t0\t0\n"
              "TP_TYPE\tchar\t0\tPencil three\n");
}

TEST_F(ToolpathCommand, ToolParametersOfToolpathZero) {
    const auto result = run_cli({"toolpath"});
    EXPECT_EQ(result.exit_code, 0);
    EXPECT_EQ(result.out,
              "1\tTP_COMMENT\troughing\n"
              "2\tTP_CDESC\tbull nose D10 R2\n"
              "3\tTP_CDIAM\t10.000\n"
              "4\tTP_BRAD\t5.000\n"
              "5\tTP_CRAD\t2.000\n"
              "6\tTP_TOL\t0.010\n"
              "7\tTP_STOCK\t0.200\n"
              "8\tTP_STEP\t3.250\n"
              "9\tTP_DZSTEP\t0.500\n"
              "10\tTP_ZSTEPTYPE\t2\n"
              "11\tTP_APPROACH\t2.000\n"
              "12\tTP_RETRACT\t25.000\n"
              "13\tTP_FRRAPID\t5000.000\n"
              "14\tTP_FRAPPROACH\t600.000\n"
              "15\tTP_FRCUT\t1200.000\n"
              "16\tTP_SPINDLE\t8000.000\n"
              "17\tTP_CPPNUM\t7\n"
              "18\tTP_LITYPE\t3\n"
              "19\tTP_LIRAMP\t5.000\n"
              "20\tTP_LIRAD\t4.000\n"
              "21\tTP_STEPTYPE\t2\n"
              "22\tTP_AUTOFLAGS\t9\n"
              "23\tTP_TYPE\tPencil three\n"
              "24\tTP_INDEX82\t.\\bull\\d10r2.wkz\n");
}

TEST_F(ToolpathCommand, OtherToolpathNumbers) {
    auto result = run_cli({"toolpath", "--tp", "12", "TP_COMMENT", "TP_CDIAM", "TP_NUM"});
    EXPECT_EQ(result.exit_code, 0);
    EXPECT_EQ(result.out,
              "TP_COMMENT\tchar\t0\tnumbered\n"
              "TP_CDIAM\tdist\t0\t6.00000\n"
              "TP_NUM\tint\t0\t12\n");
    result = run_cli({"toolpath", "--tp", "+12"});
    EXPECT_EQ(result.exit_code, 0);
    EXPECT_NE(result.out.find("1\tTP_COMMENT\tnumbered\n"), std::string::npos);
    EXPECT_NE(result.out.find("23\tTP_TYPE\tTP_TYPE-201\n"), std::string::npos);
}

TEST_F(ToolpathCommand, MissingToolpathsAndWorkzonesReadDefaults) {
    env_.set("KVXZONE", zone_.path() + "/" + std::string(650, 'z'));
    const auto result = run_cli({"toolpath", "--tp", "-2147483648", "TP_NUM", "TP_CDIAM"});
    EXPECT_EQ(result.exit_code, 0);
    EXPECT_EQ(result.out, "TP_NUM\tint\t0\t-2147483648\nTP_CDIAM\tdist\t0\t0.00000\n");
    const auto all = run_cli({"toolpath", "--tp", "2147483647"});
    EXPECT_EQ(all.exit_code, 0);
    EXPECT_NE(all.out.find("3\tTP_CDIAM\t0.000\n"), std::string::npos);
}

TEST_F(ToolpathCommand, BadToolpathNumbersAreUsageErrors) {
    const std::vector<std::vector<std::string>> cases = {
        {"toolpath", "--tp"},        {"toolpath", "--tp", ""},           {"toolpath", "--tp", "x"},
        {"toolpath", "--tp", "12x"}, {"toolpath", "--tp", "2147483648"}, {"toolpath", "--tp", "-"},
    };
    for (const auto& arguments : cases) {
        const auto result = run_cli(arguments);
        EXPECT_EQ(result.exit_code, 2) << arguments.back();
        EXPECT_EQ(result.out, "");
        EXPECT_EQ(result.err, "usage: cutterbase-cli toolpath [--tp N] [NAME[.SUFFIX]...]\n");
    }
}

}  // namespace
