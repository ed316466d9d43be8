#pragma once
// The variables of the tool page and the rules of its cutter and Z-step groups, apart from the
// widgets that show them.

#include <string>

enum CutterType { kCutterBall = 0, kCutterFlat = 1, kCutterBullnose = 2 };
enum ZStepType { kZStepNone = 0, kZStepFixed = 1, kZStepVariable = 2 };

struct ToolPageData {
    float displayRadius = 0.0f;  // the size field: body radius, or diameter in diameter mode
    float cornerRadius = 0.0f;
    std::string comment;
    bool commentCheck = false;
    float zStep = 0.0f;
    float stepover = 0.0f;
    bool stepoverCheck = false;
    float stock = 0.0f;
    bool stockCheck = false;
    float tolerance = 0.0f;
    bool toleranceCheck = false;
    int toolNumber = 0;
    bool toolNumberCheck = false;
    bool stepoverAuto = false;
    bool zStepCheck = false;
    int zStepType = -1;
    bool zStepAuto = false;
    float approachFeed = 0.0f;
    float cuttingFeed = 0.0f;
    float rapidFeed = 0.0f;
    float spindleSpeed = 0.0f;
    bool approachFeedCheck = false;
    bool cuttingFeedCheck = false;
    bool rapidFeedCheck = false;
    bool spindleCheck = false;
    bool descriptionCheck = false;
    std::string description;
    bool cutterCheck = false;
    int cutterType = -1;
    float bodyRadius = 0.0f;    // always a radius
    float diameter = 0.0f;      // twice bodyRadius after each exchange
    bool diameterForm = false;  // the tool gives its size as TP_CDIAM
    bool pageChanged = false;
};

// After every exchange from the controls: the radius behind the size field, a ball's corner
// radius, the diameter.
void AfterToolExchange(ToolPageData& data, bool diameterMode);
// On load only: the size field from the tool's size, and the type from the radii.
void DeriveCutterType(ToolPageData& data, bool diameterMode);
// Ball takes the body radius as corner radius, flat 0, bullnose keeps its own.
void ApplyCutterType(ToolPageData& data);
// The type of a non-empty text; no Z-step and variable carry no Z-step value.
void ApplyZStepType(ToolPageData& data, const std::string& text);
