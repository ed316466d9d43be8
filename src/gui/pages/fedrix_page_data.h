#pragma once
// The variables of the three Fedrix pages, with their defaults, and how they are copied from and
// into a tool's Fedrix settings, apart from the widgets that show them.

#include "toolfiles/fedrix_tool_info.h"

enum PlungeMode { kPlungeContinuous = 0, kPlungePredefined = 1 };

struct FedrixOptimizeData {
    double maxDepth = 3.5;
    double startDepth = 0.8;
    int minFeedRate = 250;
    int maxFeedRate = 0;
    bool optimizeFeedRates = true;
    double maxCutHeight = 0.0;
    bool pageChanged = false;
};

struct FedrixAdvancedData {
    int plungeMode = -1;  // none before the first load
    int rampFeedRate = 0;
    double plungeRampAngle = 0.0;
    double dragStartAngle = 1.0;
    double plungeFactor = 1.0;
    double plungeEndAngle = 70.0;
    double plungeStartAngle = 1.0;
    double asymmetryFactor = 1.0;
    double dragFactor = 1.0;
    double dragEndAngle = 70.0;
    double climbFactor = 1.0;
    bool pageChanged = false;
};

struct FedrixAdvanced2Data {
    double entangStartAngle = 10.0;
    double entangEndAngle = 90.0;
    double entangFactor = 1.0;
    int airCutFeedRate = 0;
    bool airCutOptimize = false;
    bool retractOptimize = false;
    double stockDistance = 0.0;
    double feedPerTooth = 0.0;
    int numberOfTeeth = 0;
    bool spindleOptimize = false;
    bool pageChanged = false;
};

// Each copies the values its page edits; pageChanged is the page's own.
void CopyFromInfo(const FedrixToolInfo& info, FedrixOptimizeData& data);
void CopyIntoInfo(const FedrixOptimizeData& data, FedrixToolInfo& info);
// "Plunge Continous Adaptation" is 1 for continuous adaptation, 0 for a predefined feed rate.
void CopyFromInfo(const FedrixToolInfo& info, FedrixAdvancedData& data);
void CopyIntoInfo(const FedrixAdvancedData& data, FedrixToolInfo& info);
void CopyFromInfo(const FedrixToolInfo& info, FedrixAdvanced2Data& data);
void CopyIntoInfo(const FedrixAdvanced2Data& data, FedrixToolInfo& info);
