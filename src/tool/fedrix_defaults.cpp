#include "tool/fedrix_defaults.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// What counts as no stepover and no depth.
constexpr float kAlmostNothing = 0.0011f;

constexpr float kMaxDepthOfDepth = 0.95f;
constexpr float kStartDepthOfDepth = 0.2375f;
constexpr float kStartDepthOfStepover = 0.08f;
constexpr float kMaxDepthOfStepover = 0.4f;
constexpr float kQuarter = 0.25f;
constexpr float kMinFeedOfCuttingFeed = 0.9f;
constexpr float kMaxFeedOfCuttingFeed = 1.4f;
constexpr float kTen = 10.0f;

// A whole float cut to the 32-bit range; converting one outside it would be undefined.
std::int32_t ClampToInt32(float whole) {
    // 2^31 is a float; every float below it in magnitude converts exactly.
    constexpr float kLimit = 2147483648.0f;
    if (std::isnan(whole)) {
        return 0;
    }
    if (whole >= kLimit) {
        return std::numeric_limits<std::int32_t>::max();
    }
    if (whole < -kLimit) {
        return std::numeric_limits<std::int32_t>::min();
    }
    return static_cast<std::int32_t>(whole);
}

}  // namespace

FedrixDefaults ComputeFedrixDefaults(const FedrixDefaultInputs& in) {
    FedrixDefaults out;
    if (in.family200 && in.diameter > 0.0f && in.depth > 0.0f) {
        out.max_depth = in.depth * kMaxDepthOfDepth;
        out.start_depth = in.stepover * in.depth / in.diameter * kMaxDepthOfDepth;
    } else if (in.stepover <= kAlmostNothing) {
        out.start_depth = in.depth * kStartDepthOfDepth;
        out.max_depth = in.depth * kMaxDepthOfDepth;
    } else {
        out.start_depth = in.stepover * kStartDepthOfStepover;
        out.max_depth = in.stepover * kMaxDepthOfStepover;
    }
    if (out.max_depth <= kAlmostNothing) {
        out.max_depth = in.diameter * kQuarter;
        out.start_depth = out.max_depth * kQuarter;
    } else if (!(out.max_depth > out.start_depth)) {
        out.start_depth = out.max_depth * kQuarter;
    }
    out.min_feed_rate = RoundToTens(in.cutting_feed * kMinFeedOfCuttingFeed);
    out.max_feed_rate = RoundToTens(in.cutting_feed * kMaxFeedOfCuttingFeed);
    return out;
}

float FedrixDefaultDepth(bool variable_z_step, double level_depth, float z_step) {
    if (variable_z_step && level_depth > 0.0) {
        return static_cast<float>(
            std::min(level_depth, static_cast<double>(std::numeric_limits<float>::max())));
    }
    return z_step;
}

std::int32_t RoundToTens(float value) {
    const float tens = std::round(value / kTen);
    // The tens are clamped before they are multiplied, so the product stays in range.
    constexpr std::int32_t kMaxTens = std::numeric_limits<std::int32_t>::max() / 10;
    constexpr std::int32_t kMinTens = std::numeric_limits<std::int32_t>::min() / 10;
    const std::int32_t whole = std::clamp(ClampToInt32(tens), kMinTens, kMaxTens);
    return whole * 10;
}

std::int32_t TruncateToInt32(float value) {
    return ClampToInt32(std::trunc(value));
}
