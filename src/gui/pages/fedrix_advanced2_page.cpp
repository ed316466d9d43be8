#include "gui/pages/fedrix_advanced2_page.h"

#include "gui/pages/page_rows.h"

namespace {

using D = FedrixAdvanced2Data;
using namespace page_rows;

constexpr QSize kTemplateSize{256, 154};

constexpr int kEntangGroup = 1067;
constexpr int kAirCutGroup = 1070;
constexpr int kRetractGroup = 1072;
constexpr int kSpindleGroup = 1074;
constexpr int kEntangAngleLabel = 1068;
constexpr int kEntangFactorLabel = 1069;
constexpr int kAirCutFeedLabel = 1071;
constexpr int kStockDistanceLabel = 1073;
constexpr int kToothFeedLabel = 1075;
constexpr int kTeethLabel = 1076;

constexpr int kAirCutFeed = 1036;
constexpr int kStockDistance = 1038;
constexpr int kToothFeed = 1040;
constexpr int kTeeth = 1041;

// In the order the page exchanges them. Each group shows its box on its first line and its
// fields on the next.
const PageControl<D> kAdvanced2Page[] = {
    Group<D>(kEntangGroup, "IDC_FEDRIX_ENTANG_GB", "Entangulation", 0, 0),
    Group<D>(kAirCutGroup, "IDC_FEDRIX_AIRCUT_GB", "Empty-Cut Optimization", 1, 0),
    Group<D>(kRetractGroup, "IDC_FEDRIX_RETRACT_GB", "Optimization of Path Connections", 2, 0),
    Group<D>(kSpindleGroup, "IDC_FEDRIX_SPINDLE_GB", "Adaptation of Spindle Speed", 3, 0),

    Label<D>(kEntangAngleLabel, "IDC_FEDRIX_ENTANG_ANGLE_LB", "Angle:", {kEntangGroup, 0, 0}),
    Label<D>(kEntangFactorLabel, "IDC_FEDRIX_ENTANG_FACTOR_LB", "Factor:", {kEntangGroup, 0, 4}),
    Label<D>(kAirCutFeedLabel, "IDC_FEDRIX_AIRCUT_FEEDRATE_LB", "Feedrate:", {kAirCutGroup, 1, 0}),
    Label<D>(kStockDistanceLabel, "IDC_FEDRIX_RETRACT_STOCKDIST_LB",
             "Distance to Surface:", {kRetractGroup, 1, 0}),
    Label<D>(kToothFeedLabel, "IDC_FEDRIX_SPINDLE_FEEDRATE_LB",
             "Feedrate per Tooth:", {kSpindleGroup, 1, 0}),
    Label<D>(kTeethLabel, "IDC_FEDRIX_SPINDLE_TEETH_LB", "Number of Teeth:", {kSpindleGroup, 1, 4}),

    Edit<D>(1032, {kEntangGroup, 0, 1}, &D::entangStartAngle, kEntangAngleLabel),
    Edit<D>(1033, {kEntangGroup, 0, 2}, &D::entangEndAngle, kEntangAngleLabel),
    Edit<D>(1034, {kEntangGroup, 0, 5}, &D::entangFactor, kEntangFactorLabel),
    Edit<D>(kAirCutFeed, {kAirCutGroup, 1, 1}, &D::airCutFeedRate, kAirCutFeedLabel),
    Check<D>(1035, "IDC_FEDRIX_AIRCUT_OPTIMIZE", "Optimize Empty Cuts", {kAirCutGroup, 0, 0, 6},
             &D::airCutOptimize, Click::Rule, 0, false),
    Check<D>(1037, "IDC_FEDRIX_RETRACT_OPTIMIZE", "Optimize Path Connections:",
             {kRetractGroup, 0, 0, 6}, &D::retractOptimize, Click::Rule, 0, false),
    Edit<D>(kStockDistance, {kRetractGroup, 1, 1}, &D::stockDistance, kStockDistanceLabel),
    Edit<D>(kToothFeed, {kSpindleGroup, 1, 1}, &D::feedPerTooth, kToothFeedLabel),
    Edit<D>(kTeeth, {kSpindleGroup, 1, 5}, &D::numberOfTeeth, kTeethLabel),
    Check<D>(1039, "IDC_FEDRIX_SPINDLE_OPTIMIZE", "Adapt Spindle Speed", {kSpindleGroup, 0, 0, 6},
             &D::spindleOptimize, Click::Rule, 0, false),

    Degrees<D>(1077, {kEntangGroup, 0, 3}),
    Units<D>("mm/min", {kAirCutGroup, 1, 2, 2}),
    Millimetres<D>({kRetractGroup, 1, 2}),
    Millimetres<D>({kSpindleGroup, 1, 2}),
};

}  // namespace

CPageFedrixAdvanced2::CPageFedrixAdvanced2(FieldHost& host, QWidget* parent)
    : FedrixTablePage(host, kAdvanced2Page, kFedrixAdvanced2DialogId, "IDD_PAGE_FEDRIX_ADVANCED2",
                      "Advanced 2", "PAGEFEDRIXADVANCED2", kTemplateSize, parent) {
    ApplyCaptions();
}

void CPageFedrixAdvanced2::EnableControls() {
    const D& d = data_;
    EnableControl(this, kAirCutFeed, d.airCutOptimize);
    EnableControl(this, kStockDistance, d.retractOptimize);
    EnableControl(this, kToothFeed, d.spindleOptimize);
    EnableControl(this, kTeeth, d.spindleOptimize);
}
