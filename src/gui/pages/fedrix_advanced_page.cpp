#include "gui/pages/fedrix_advanced_page.h"

#include "gui/pages/page_rows.h"

namespace {

using D = FedrixAdvancedData;
using namespace page_rows;

constexpr QSize kTemplateSize{256, 154};
constexpr Range kAsymmetryRange{1.0, 10.0};

constexpr int kPlungeGroup = 1055;
constexpr int kDragGroup = 1060;
constexpr int kAsymmetryGroup = 1064;
constexpr int kClimbGroup = 1066;
constexpr int kPlungeAngleLabel = 1056;
constexpr int kPlungeFactorLabel = 1057;
constexpr int kRampAngleLabel = 1058;
constexpr int kRampFeedLabel = 1059;
constexpr int kDragAngleLabel = 1061;
constexpr int kDragFactorLabel = 1062;
constexpr int kAsymmetryLabel = 1063;
constexpr int kClimbLabel = 1065;

// In the order the page exchanges them: the first refused field is the one reported.
const PageControl<D> kAdvancedPage[] = {
    Group<D>(kPlungeGroup, "IDC_FEDRIX_PLUNGE_GB", "Plunge Cutting", 0, 0, 2),
    Group<D>(kDragGroup, "IDC_FEDRIX_DRAG_GB", "Drag Cutting", 1, 0, 1, 2),
    Group<D>(kAsymmetryGroup, "IDC_FEDRIX_UNSYMMETRY_GB", "Asymmetry", 1, 1),
    Group<D>(kClimbGroup, "IDC_FEDRIX_CLIMB_FACTOR_GB", "Down Milling", 2, 1),

    // Each way of plunging with its fields on the line below it.
    Radio<D>(1030, "IDC_FEDRIX_PLUNGE_CONT_ADAPT", "Continous Adaptation of Feedrate",
             {kPlungeGroup, 0, 0, 7}, &D::plungeMode, kPlungeContinuous, Click::Rule),
    Radio<D>(1032, "IDC_FEDRIX_PLUNGE_PREDEF_FEEDRATE", "Predefined Feedrate",
             {kPlungeGroup, 2, 0, 7}, &D::plungeMode, kPlungePredefined, Click::Rule),
    Label<D>(kPlungeAngleLabel, "IDC_FEDRIX_PLUNGE_ANGLE_LB", "Angle:", {kPlungeGroup, 1, 0}),
    Label<D>(kPlungeFactorLabel, "IDC_FEDRIX_PLUNGE_FACTOR_LB", "Factor:", {kPlungeGroup, 1, 4}),
    Label<D>(kRampFeedLabel, "IDC_FEDRIX_RAMP_FEEDRATE_LB", "Feedrate:", {kPlungeGroup, 3, 0}),
    Label<D>(kRampAngleLabel, "IDC_FEDRIX_RAMP_ANGLE_LB", "Start Angle:", {kPlungeGroup, 3, 4}),
    Label<D>(kDragAngleLabel, "IDC_FEDRIX_DRAG_ANGLE_LB", "Angle:", {kDragGroup, 0, 0}),
    Label<D>(kDragFactorLabel, "IDC_FEDRIX_DRAG_FACTOR_LB", "Factor:", {kDragGroup, 1, 0}),
    Label<D>(kAsymmetryLabel, "IDC_FEDRIX_UNSYMMETRY_LB", "Factor:", {kAsymmetryGroup, 0, 0}),
    Label<D>(kClimbLabel, "IDC_FEDRIX_CLIMB_FACTOR_LB", "Factor:", {kClimbGroup, 0, 0}),

    Edit<D>(1025, {kPlungeGroup, 3, 1}, &D::rampFeedRate, kRampFeedLabel),
    Edit<D>(1026, {kPlungeGroup, 3, 5}, &D::plungeRampAngle, kRampAngleLabel),
    Edit<D>(1033, {kDragGroup, 0, 1}, &D::dragStartAngle, kDragAngleLabel),
    Edit<D>(1031, {kPlungeGroup, 1, 5}, &D::plungeFactor, kPlungeFactorLabel),
    Edit<D>(1028, {kPlungeGroup, 1, 2}, &D::plungeEndAngle, kPlungeAngleLabel),
    Edit<D>(1027, {kPlungeGroup, 1, 1}, &D::plungeStartAngle, kPlungeAngleLabel),
    Edit<D>(1039, {kAsymmetryGroup, 0, 1}, &D::asymmetryFactor, kAsymmetryLabel, kAsymmetryRange),
    Edit<D>(1035, {kDragGroup, 1, 1}, &D::dragFactor, kDragFactorLabel),
    Edit<D>(1034, {kDragGroup, 0, 2}, &D::dragEndAngle, kDragAngleLabel),
    Edit<D>(1038, {kClimbGroup, 0, 1}, &D::climbFactor, kClimbLabel),

    Degrees<D>(1067, {kPlungeGroup, 1, 3}),
    Units<D>("mm/min", {kPlungeGroup, 3, 2, 2}),
    Degrees<D>(1071, {kPlungeGroup, 3, 6}),
    Degrees<D>(1072, {kDragGroup, 0, 3}),
};

constexpr int kContinuousControls[] = {1027, 1028, 1031};
constexpr int kPredefinedControls[] = {1025, 1026};

}  // namespace

CPageFedrixAdvanced::CPageFedrixAdvanced(FieldHost& host, QWidget* parent)
    : FedrixTablePage(host, kAdvancedPage, kFedrixAdvancedDialogId, "IDD_PAGE_FEDRIX_ADVANCED",
                      "Advanced 1", "PAGEFEDRIXADVANCED", kTemplateSize, parent) {
    ApplyCaptions();
}

void CPageFedrixAdvanced::EnableControls() {
    const bool continuous = data_.plungeMode == kPlungeContinuous;
    for (int id : kContinuousControls) {
        EnableControl(this, id, continuous);
    }
    for (int id : kPredefinedControls) {
        EnableControl(this, id, !continuous);
    }
}
