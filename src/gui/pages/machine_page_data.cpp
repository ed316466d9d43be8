#include "gui/pages/machine_page_data.h"

#include "gui/pages/type_text.h"

namespace {
constexpr int kLeadInTypes = 3;
constexpr float kVerticalAngle = 90.0f;
constexpr float kSlopedAngleLimit = 89.999f;
}  // namespace

void ClampRampAngle(MachinePageData& data) {
    const float limit = data.leadInType == kLeadInVertical ? kVerticalAngle : kSlopedAngleLimit;
    if (data.rampAngle < 0.0f) {
        data.rampAngle = 0.0f;
    } else if (data.rampAngle >= limit) {
        data.rampAngle = limit;
    }
}

void ApplyLeadIn(MachinePageData& data, const std::string& leadInText,
                 const std::string& stepText) {
    if (!leadInText.empty()) {
        data.leadInType = TypeIndex(leadInText, kLeadInTypes);
    } else if (data.leadInType < 0 || data.leadInType >= kLeadInTypes) {
        data.leadInType = kLeadInVertical;
    }
    if (!stepText.empty()) {
        data.radialApproach = stepText == "2";
    }
    if (data.leadInType == kLeadInVertical) {
        data.rampAngle = kVerticalAngle;
        data.radialRadius = 0.0f;
    } else if (data.leadInType == kLeadInRamp) {
        data.radialRadius = 0.0f;
    }
}

std::string StepTypeText(bool radialApproach) {
    return radialApproach ? "2" : "1";
}
