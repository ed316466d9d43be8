#pragma once
// The variables of the three Fedrix pages, with their defaults, and how they are copied from and
// into a tool's Fedrix settings, apart from the widgets that show them.

#include "toolfiles/fedrix_tool_info.h"

enum PlungeMode { kPlungeContinuous = 0, kPlungePredefined = 1 };

struct FedrixOptimizeData {
    float maxDepth = 3.5f;
    float startDepth = 0.8f;
    int minFeedRate = 250;
    int maxFeedRate = 0;
    bool optimizeFeedRates = true;
    float maxCutHeight = 0.0f;
    bool pageChanged = false;
};

struct FedrixAdvancedData {
    int plungeMode = -1;  // none before the first load
    int rampFeedRate = 0;
    float plungeRampAngle = 0.0f;
    float dragStartAngle = 1.0f;
    float plungeFactor = 1.0f;
    float plungeEndAngle = 70.0f;
    float plungeStartAngle = 1.0f;
    float asymmetryFactor = 1.0f;
    float dragFactor = 1.0f;
    float dragEndAngle = 70.0f;
    float climbFactor = 1.0f;
    bool pageChanged = false;
};

struct FedrixAdvanced2Data {
    float entangStartAngle = 10.0f;
    float entangEndAngle = 90.0f;
    float entangFactor = 1.0f;
    int airCutFeedRate = 0;
    bool airCutOptimize = false;
    bool retractOptimize = false;
    float stockDistance = 0.0f;
    float feedPerTooth = 0.0f;
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
