#include <gtest/gtest.h>

#include "runtime/report.h"

namespace {

struct ReportSwitches : ::testing::Test {
    void TearDown() override {
        set_verbose_reporting(false);
        set_quiet_reporting(false);
    }
};

TEST_F(ReportSwitches, SettersReturnThePreviousSetting) {
    EXPECT_FALSE(set_verbose_reporting(true));
    EXPECT_TRUE(set_verbose_reporting(false));
    EXPECT_FALSE(set_quiet_reporting(true));
    EXPECT_TRUE(set_quiet_reporting(true));
}

TEST_F(ReportSwitches, TraceOnlyWhenVerboseAndWithALineBreak) {
    testing::internal::CaptureStdout();
    report_trace("hidden");
    set_verbose_reporting(true);
    report_trace("shown");
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "shown\n");
}

TEST_F(ReportSwitches, WarningGoesToStderrUnlessQuietAndToStdoutWhenVerbose) {
    testing::internal::CaptureStderr();
    report_warning("w1\n");
    set_quiet_reporting(true);
    report_warning("w2\n");
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "w1\n");
    set_verbose_reporting(true);
    testing::internal::CaptureStdout();
    report_warning("w3\n");
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "w3\n");
}

TEST(ReportFatal, PrintsTheTextAndExitsWithMinusOne) {
    EXPECT_EXIT(report_fatal("broken\n"), ::testing::ExitedWithCode(255), "broken");
}

TEST(ReportFormat, FormatsLongTextsWhole) {
    std::string long_name(1000, 'x');
    EXPECT_EQ(format_text("'%s' %d", long_name.c_str(), 7), "'" + long_name + "' 7");
}

}  // namespace
