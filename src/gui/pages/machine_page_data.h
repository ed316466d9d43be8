#pragma once
// The variables of the security page and the rules of its lead-in group, apart from the widgets
// that show them.

#include <string>

enum LeadInType { kLeadInVertical = 0, kLeadInRamp = 1, kLeadInRadial = 2 };

struct MachinePageData {
    bool approachCheck = false;
    bool retractCheck = false;
    float approach = 0.0f;
    float retract = 0.0f;
    bool leadInCheck = false;
    int leadInType = -1;
    float rampAngle = 0.0f;  // degrees
    float radialRadius = 0.0f;
    bool radialApproach = false;
    bool autoMinWidth = false;
    bool pageChanged = false;
};

// A vertical lead-in goes up to 90 degrees, a ramp or radial one stays below (89.999); negative
// angles become 0. Applied whenever the page's values are read from the controls.
void ClampRampAngle(MachinePageData& data);
// The lead-in rule with the texts of TP_LITYPE and TP_STEPTYPE (empty ones change nothing):
// vertical means 90 degrees and no radius, ramp no radius, radial keeps both.
void ApplyLeadIn(MachinePageData& data, const std::string& leadInText, const std::string& stepText);
// TP_STEPTYPE of the radial approach box.
std::string StepTypeText(bool radialApproach);
