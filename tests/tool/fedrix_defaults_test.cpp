#include "tool/fedrix_defaults.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <tuple>

#include "support/test_support.h"
#include "tool/level_file_depth.h"

namespace {

// what; diameter, stepover, depth, cutting feed, family 200; start depth, maximum depth, minimum
// feed, maximum feed
const std::tuple<const char*, FedrixDefaultInputs, FedrixDefaults> kDefaultsCases[] = {
    {"stepover fractions", {10, 2, 1, 1000, false}, {0.16f, 0.8f, 900, 1400}},
    {"family 200: stepover by diameter", {10, 2, 1, 1000, true}, {0.19f, 0.95f, 900, 1400}},
    {"nothing to go by: diameter / 4", {10, 0, 0, 1000, false}, {0.625f, 2.5f, 900, 1400}},
    {"feeds in whole tens", {10, 2, 1, 1234, false}, {0.16f, 0.8f, 1110, 1730}},
    {"no stepover: depth fractions", {12, 0.001f, 4, 800, false}, {0.95f, 3.8f, 720, 1120}},
    {"negative stepover is none", {12, -3, 2, 800, false}, {0.475f, 1.9f, 720, 1120}},
    {"family 200 without a size", {0, 2, 1, 1000, true}, {0.16f, 0.8f, 900, 1400}},
    {"family 200 without a depth", {8, 0, 0, 1000, true}, {0.5f, 2.0f, 900, 1400}},
    // A start at or beyond the maximum becomes a quarter of it.
    {"start beyond the maximum", {10, 20, 1, 1000, true}, {0.2375f, 0.95f, 900, 1400}},
    {"start equal to the maximum", {10, 10, 1, 1000, true}, {0.2375f, 0.95f, 900, 1400}},
    {"tiny maximum stays", {6, 0.003f, 0, 1000, false}, {0.00024f, 0.0012f, 900, 1400}},
};

TEST(FedrixDefaults, EachRuleInRangeAndTheDepthFromTheLevelFile) {
    for (const auto& [what, in, expected] : kDefaultsCases) {
        SCOPED_TRACE(what);
        const FedrixDefaults out = ComputeFedrixDefaults(in);
        EXPECT_FLOAT_EQ(out.start_depth, expected.start_depth);
        EXPECT_FLOAT_EQ(out.max_depth, expected.max_depth);
        EXPECT_EQ(out.min_feed_rate, expected.min_feed_rate);
        EXPECT_EQ(out.max_feed_rate, expected.max_feed_rate);
    }
    // Rounding and truncation stay in range: value, rounded to tens, truncated; 2147483520 is
    // the largest float below 2^31.
    const std::tuple<float, std::int32_t, std::int32_t> cases[] = {
        {-3.7f, 0, -3},
        {-5.0f, -10, -5},
        {14.99f, 10, 14},
        {2147483520.0f, 2147483520, 2147483520},
        {2147483648.0f, 2147483640, INT32_MAX},
        {-2147483648.0f, -2147483640, INT32_MIN},
        {-1e20f, -2147483640, INT32_MIN},
        {std::numeric_limits<float>::quiet_NaN(), 0, 0},
        {std::numeric_limits<float>::infinity(), 2147483640, INT32_MAX}};
    for (const auto& [value, tens, truncated] : cases) {
        EXPECT_EQ(RoundToTens(value), tens) << value;
        EXPECT_EQ(TruncateToInt32(value), truncated) << value;
    }
    // The depth from the levels only for a variable Z-step.
    EXPECT_FLOAT_EQ(FedrixDefaultDepth(true, 2.5, 1.0f), 2.5f);
    EXPECT_FLOAT_EQ(FedrixDefaultDepth(true, 0.0, 1.0f), 1.0f);
    EXPECT_FLOAT_EQ(FedrixDefaultDepth(true, -4.0, 1.0f), 1.0f);
    EXPECT_FLOAT_EQ(FedrixDefaultDepth(false, 2.5, 1.0f), 1.0f);
    EXPECT_FLOAT_EQ(FedrixDefaultDepth(true, 1e300, 1.0f), std::numeric_limits<float>::max());

    // The level file's depth: the largest third number of its points.
    const std::pair<const char*, double> texts[] = {
        {"", 0.0},
        {"0 0 -1\n0 0 -5\n", 0.0},
        {"1.5 2 3.5\n4 5 2.25\n", 3.5},
        {"1 2 3\r\n\t4  5\t6\r\n", 6.0},
        {"0 0 0.1\n", static_cast<double>(0.1f)},
        {"1 2 3 4 5 7.125", 7.125},      // white space, not lines, parts the numbers
        {"1 2 3\n4 5\n", 3.0},           // an incomplete point ends the reading
        {"1 2 3\nx y z\n7 8 9\n", 3.0},  // so does text
        {"0 0 1e39\n0 0 2\n", 2.0},      // beyond the float range: no value
    };
    for (const auto& [text, depth] : texts) {
        EXPECT_EQ(LevelDepthOfText(text), depth) << text;
    }
    testsupport::TempDir zone;
    // Toolpath 0 reads outil0.niv, never the current toolpath's outil.niv.
    zone.write("outil.niv", "0 0 9\n");
    EXPECT_EQ(LevelFileDepth(FedrixLevelFilePath(zone.path(), 0)), 0.0);
    zone.write("outil0.niv", "10 20 -2\n10 20 4.5\n");
    EXPECT_EQ(LevelFileDepth(FedrixLevelFilePath(zone.path(), 0)), 4.5);
}

}  // namespace
