#pragma once
// "Default" of the Fedrix Optimization page: proposals for the depths of cut and the feed-rate
// range, from the tool's size, stepover, depth of one cut and cutting feed rate and from the
// toolpath's type. Computed in 32-bit floats throughout, so every installation proposes the same
// numbers.

#include <cstdint>

struct FedrixDefaultInputs {
    float diameter = 0.0f;  // twice the body radius
    float stepover = 0.0f;
    float depth = 0.0f;         // see FedrixDefaultDepth
    float cutting_feed = 0.0f;  // mm/min
    bool family200 = false;     // IsFamily200Type of the toolpath's type number
};

struct FedrixDefaults {
    float start_depth = 0.0f;
    float max_depth = 0.0f;
    std::int32_t min_feed_rate = 0;
    std::int32_t max_feed_rate = 0;
};

// Family 200 toolpaths with a size and a depth scale the start depth by stepover over diameter;
// others take fractions of the depth (no stepover) or of the stepover. A maximum depth of
// (almost) nothing becomes a quarter of the diameter; a start depth not below the maximum a
// quarter of it. Feed rates are 90 and 140 percent of the cutting feed in whole tens.
FedrixDefaults ComputeFedrixDefaults(const FedrixDefaultInputs& inputs);

// The depth of one cut: with a variable Z-step the deepest level of the level file when it is
// positive (`level_depth`, see LevelFileDepth), else the Z-step value.
float FedrixDefaultDepth(bool variable_z_step, double level_depth, float z_step);

// Whole tens, rounded half away from zero; clamped to the 32-bit range, a NaN gives 0.
std::int32_t RoundToTens(float value);
// Cut toward zero; clamped to the 32-bit range, a NaN gives 0.
std::int32_t TruncateToInt32(float value);
