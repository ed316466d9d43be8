#include <gtest/gtest.h>

#include "runtime/report.h"

namespace {

TEST(Report, TracesOnlyWhenVerboseAndWarningsFollowTheSwitches) {
    testing::internal::CaptureStdout();
    report_trace("hidden");
    EXPECT_FALSE(set_verbose_reporting(true));
    report_trace("shown");
    report_warning("w3\n");  // verbose: to stdout
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "shown\nw3\n");
    EXPECT_TRUE(set_verbose_reporting(false));
    testing::internal::CaptureStderr();
    report_warning("w1\n");
    EXPECT_FALSE(set_quiet_reporting(true));
    report_warning("w2\n");
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "w1\n");
    set_quiet_reporting(false);
    std::string long_name(1000, 'x');
    EXPECT_EQ(format_text("'%s' %d", long_name.c_str(), 7), "'" + long_name + "' 7");
    EXPECT_EXIT(report_fatal("broken\n"), ::testing::ExitedWithCode(255), "broken");
}

}  // namespace
