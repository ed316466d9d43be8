#include "gui/pages/tool_page_data.h"

#include <cmath>

#include "gui/pages/type_text.h"

namespace {
constexpr int kZStepTypes = 3;
}  // namespace

void AfterToolExchange(ToolPageData& data, bool diameterMode) {
    data.bodyRadius = diameterMode ? data.displayRadius / 2.0f : data.displayRadius;
    if (data.cutterType == kCutterBall) {
        data.cornerRadius = data.bodyRadius;
    }
    data.diameter = data.bodyRadius * 2.0f;
}

void DeriveCutterType(ToolPageData& data, bool diameterMode) {
    if (data.diameterForm) {
        data.bodyRadius = data.diameter / 2.0f;
    }
    data.displayRadius = diameterMode ? data.bodyRadius * 2.0f : data.bodyRadius;
    if (data.cornerRadius == 0.0f) {
        data.cutterType = kCutterFlat;
    } else if (std::fabs(data.cornerRadius - data.bodyRadius) < 0.001f) {
        data.cutterType = kCutterBall;
    } else {
        data.cutterType = kCutterBullnose;
    }
}

void ApplyCutterType(ToolPageData& data) {
    if (data.cutterType == kCutterBall) {
        data.cornerRadius = data.bodyRadius;
    } else if (data.cutterType == kCutterFlat) {
        data.cornerRadius = 0.0f;
    }
}

void ApplyZStepType(ToolPageData& data, const std::string& text) {
    if (!text.empty()) {
        data.zStepType = TypeIndex(text, kZStepTypes);
    } else if (data.zStepType < 0 || data.zStepType >= kZStepTypes) {
        data.zStepType = kZStepNone;
    }
    if (data.zStepType == kZStepNone || data.zStepType == kZStepVariable) {
        data.zStep = 0.0f;
    }
}
