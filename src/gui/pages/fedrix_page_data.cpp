#include "gui/pages/fedrix_page_data.h"

void CopyFromInfo(const FedrixToolInfo& info, FedrixOptimizeData& data) {
    data.maxDepth = info.max_depth;
    data.startDepth = info.start_depth;
    data.minFeedRate = info.min_feed_rate;
    data.maxFeedRate = info.max_feed_rate;
    data.optimizeFeedRates = info.optimize_feed_rates;
    data.maxCutHeight = info.max_cut_height;
}

void CopyIntoInfo(const FedrixOptimizeData& data, FedrixToolInfo& info) {
    info.max_depth = data.maxDepth;
    info.start_depth = data.startDepth;
    info.min_feed_rate = data.minFeedRate;
    info.max_feed_rate = data.maxFeedRate;
    info.optimize_feed_rates = data.optimizeFeedRates;
    info.max_cut_height = data.maxCutHeight;
}

void CopyFromInfo(const FedrixToolInfo& info, FedrixAdvancedData& data) {
    data.plungeMode =
        info.plunge_continuous_adaptation != 0 ? kPlungeContinuous : kPlungePredefined;
    data.rampFeedRate = info.ramp_feed_rate;
    data.plungeRampAngle = info.ramp_angle;
    data.dragStartAngle = info.drag_start_angle;
    data.plungeFactor = info.plunge_factor;
    data.plungeEndAngle = info.plunge_end_angle;
    data.plungeStartAngle = info.plunge_start_angle;
    data.asymmetryFactor = info.unsymmetry_factor;
    data.dragFactor = info.drag_factor;
    data.dragEndAngle = info.drag_end_angle;
    data.climbFactor = info.climb_factor;
}

void CopyIntoInfo(const FedrixAdvancedData& data, FedrixToolInfo& info) {
    info.plunge_continuous_adaptation = data.plungeMode == kPlungeContinuous ? 1 : 0;
    info.ramp_feed_rate = data.rampFeedRate;
    info.ramp_angle = data.plungeRampAngle;
    info.drag_start_angle = data.dragStartAngle;
    info.plunge_factor = data.plungeFactor;
    info.plunge_end_angle = data.plungeEndAngle;
    info.plunge_start_angle = data.plungeStartAngle;
    info.unsymmetry_factor = data.asymmetryFactor;
    info.drag_factor = data.dragFactor;
    info.drag_end_angle = data.dragEndAngle;
    info.climb_factor = data.climbFactor;
}

void CopyFromInfo(const FedrixToolInfo& info, FedrixAdvanced2Data& data) {
    data.entangStartAngle = info.entangulation_start_angle;
    data.entangEndAngle = info.entangulation_end_angle;
    data.entangFactor = info.entangulation_factor;
    data.airCutFeedRate = info.air_cut_feed_rate;
    data.airCutOptimize = info.air_cut_optimization;
    data.retractOptimize = info.retraction_optimization;
    data.stockDistance = info.stock_distance;
    data.feedPerTooth = info.feed_rate_per_tooth;
    data.numberOfTeeth = info.number_of_teeth;
    data.spindleOptimize = info.spindle_speed_optimization;
}

void CopyIntoInfo(const FedrixAdvanced2Data& data, FedrixToolInfo& info) {
    info.entangulation_start_angle = data.entangStartAngle;
    info.entangulation_end_angle = data.entangEndAngle;
    info.entangulation_factor = data.entangFactor;
    info.air_cut_feed_rate = data.airCutFeedRate;
    info.air_cut_optimization = data.airCutOptimize;
    info.retraction_optimization = data.retractOptimize;
    info.stock_distance = data.stockDistance;
    info.feed_rate_per_tooth = data.feedPerTooth;
    info.number_of_teeth = data.numberOfTeeth;
    info.spindle_speed_optimization = data.spindleOptimize;
}
