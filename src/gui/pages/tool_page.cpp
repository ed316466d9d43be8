#include "gui/pages/tool_page.h"

#include <QLabel>
#include <limits>

#include "gui/framework/accessible_names.h"
#include "gui/pages/page_rows.h"
#include "gui/pages/type_text.h"

namespace {

using D = ToolPageData;
using namespace page_rows;

constexpr int kCutterGroup = 1044;
constexpr int kTolerancesGroup = 1045;
constexpr int kZStepGroup = 1046;
constexpr int kMachineGroup = 1047;
constexpr Range kFeedRange{0.0, 100000.0};
// No cutter has a negative size; the size is also kept doubled (the diameter), which must stay
// a float.
constexpr Range kSizeRange{0.0, std::numeric_limits<float>::max() / 2};
// A bull nose's corner radius is at most its body radius (CheckRead).
constexpr Range kCornerRange{0.0, std::numeric_limits<float>::max()};

// Set All ticks the checks in this order.
const PageControl<D> kToolPage[] = {
    Group<D>(kCutterGroup, "IDC_TP_CUTTER_GB", "Cutter", 0, 0),
    Group<D>(kTolerancesGroup, "IDC_TP_TOLERANCES_GB", "Tolerances", 0, 1),
    Group<D>(kZStepGroup, "IDC_TP_ZSTEP_GB", "Z-Step", 1, 0),
    Group<D>(kMachineGroup, "IDC_TP_NCMACHINE_GB", "NC Machine Parameters", 1, 1),

    Check<D>(1020, "IDC_TP_COMMENT_CHECK", "Toolpath Comment:", {kTopOfPage, 0, 0},
             &D::commentCheck, Click::Field, kTpComment),
    Edit<D>(1011, {kTopOfPage, 0, 1}, &D::comment, 1020),
    Check<D>(1024, "IDC_TP_CDESC_CHECK", "Description:", {kTopOfPage, 1, 0}, &D::descriptionCheck,
             Click::Field, kTpCdesc),
    Edit<D>(1026, {kTopOfPage, 1, 1}, &D::description, 1024),

    Check<D>(1027, "IDC_TP_CPPNUM_CHECK", "Tool Number:", {kMachineGroup, 4, 0},
             &D::toolNumberCheck, Click::Field, kTpCppnum),
    Edit<D>(1028, {kMachineGroup, 4, 1}, &D::toolNumber, 1027),

    Check<D>(1077, "IDC_TP_TYPE_CHECK", "Cutter Type", {kCutterGroup, 0, 0, 3}, &D::cutterCheck,
             Click::Cutter),
    Radio<D>(1078, "IDC_TP_TYPEBALL", "Ball", {kCutterGroup, 1, 0, 3}, &D::cutterType, kCutterBall,
             Click::Cutter),
    Radio<D>(1079, "IDC_TP_TYPEFLAT", "Flat", {kCutterGroup, 1, 0, 3}, &D::cutterType, kCutterFlat,
             Click::Cutter),
    Radio<D>(1080, "IDC_TP_TYPEBULLNOSE", "Bullnose", {kCutterGroup, 1, 0, 3}, &D::cutterType,
             kCutterBullnose, Click::Cutter),
    Label<D>(1082, "IDC_TP_BRAD_LB", "Body Radius:", {kCutterGroup, 2, 0}),
    Edit<D>(1007, {kCutterGroup, 2, 1}, &D::displayRadius, 1082, kSizeRange),
    Millimetres<D>({kCutterGroup, 2, 2}),
    Label<D>(1083, "IDC_TP_CRAD_LB", "Corner Radius:", {kCutterGroup, 3, 0}),
    Edit<D>(1008, {kCutterGroup, 3, 1}, &D::cornerRadius, 1083, kCornerRange),
    Millimetres<D>({kCutterGroup, 3, 2}),

    Check<D>(1021, "IDC_TP_STOCK_CHECK", "Stock allowance:", {kTolerancesGroup, 0, 0},
             &D::stockCheck, Click::Field, kTpStock),
    Edit<D>(1013, {kTolerancesGroup, 0, 1}, &D::stock, 1021),
    Millimetres<D>({kTolerancesGroup, 0, 2}),
    Check<D>(1022, "IDC_TP_TOL_CHECK", "Tolerance:", {kTolerancesGroup, 1, 0}, &D::toleranceCheck,
             Click::Field, kTpTol),
    Edit<D>(1012, {kTolerancesGroup, 1, 1}, &D::tolerance, 1022),
    Millimetres<D>({kTolerancesGroup, 1, 2}),
    Check<D>(1023, "IDC_TP_STEP_CHECK", "Stepover", {kTolerancesGroup, 2, 0}, &D::stepoverCheck,
             Click::Stepover, kTpStep),
    Edit<D>(1014, {kTolerancesGroup, 2, 1}, &D::stepover, 1023),
    Millimetres<D>({kTolerancesGroup, 2, 2}),
    Check<D>(1042, "IDC_TP_STEP_AUTO", "Auto", {kTolerancesGroup, 3, 1, 2}, &D::stepoverAuto,
             Click::Stepover, 0, false),

    Check<D>(1025, "IDC_TP_DZSTEPTYPE_CHECK", "Z-Step Type:", {kZStepGroup, 0, 0, 3},
             &D::zStepCheck, Click::ZStep, kTpZsteptype),
    // The value and its Auto box beside the type they belong to; "No Z-Step" has the row alone.
    Radio<D>(1030, "IDC_TP_DZSTEPTYPE_NO", "No Z-Step", {kZStepGroup, 1, 0, 3}, &D::zStepType,
             kZStepNone, Click::ZStep),
    Radio<D>(1031, "IDC_TP_DZSTEPTYPE_FIXED", "Fixed", {kZStepGroup, 2, 0}, &D::zStepType,
             kZStepFixed, Click::ZStep),
    Radio<D>(1032, "IDC_TP_DZSTEPTYPE_VARIABLE", "Variable", {kZStepGroup, 3, 0}, &D::zStepType,
             kZStepVariable, Click::ZStep),
    Edit<D>(1015, {kZStepGroup, 2, 1}, &D::zStep, 1025),
    Millimetres<D>({kZStepGroup, 2, 2}),
    Check<D>(1043, "IDC_TP_DZSTEP_AUTO", "Auto", {kZStepGroup, 3, 1, 2}, &D::zStepAuto,
             Click::ZStep, 0, false),

    Check<D>(1037, "IDC_TP_FRAPPROACH_CHECK", "Approach Feedrate:", {kMachineGroup, 0, 0},
             &D::approachFeedCheck, Click::Field, kTpFrapproach),
    Edit<D>(1016, {kMachineGroup, 0, 1}, &D::approachFeed, 1037, kFeedRange),
    Check<D>(1038, "IDC_TP_FRCUT_CHECK", "Cutting Feedrate:", {kMachineGroup, 1, 0},
             &D::cuttingFeedCheck, Click::Field, kTpFrcut),
    Edit<D>(1009, {kMachineGroup, 1, 1}, &D::cuttingFeed, 1038, kFeedRange),
    Check<D>(1036, "IDC_TP_FRRAPID_CHECK", "Rapid Feedrate:", {kMachineGroup, 2, 0},
             &D::rapidFeedCheck, Click::Field, kTpFrrapid),
    Edit<D>(1010, {kMachineGroup, 2, 1}, &D::rapidFeed, 1036, kFeedRange),
    Check<D>(1039, "IDC_TP_SPINDLE_CHECK", "Spindle Speed:", {kMachineGroup, 3, 0},
             &D::spindleCheck, Click::Field, kTpSpindle),
    Edit<D>(1017, {kMachineGroup, 3, 1}, &D::spindleSpeed, 1039, kFeedRange),
};

constexpr int kSizeLabel = 1082;
constexpr int kSizeEdit = 1007;
constexpr int kCornerEdit = 1008;
constexpr int kCutterRadios[] = {1078, 1079, 1080};
constexpr int kStepoverEdit = 1014;
constexpr int kStepoverAuto = 1042;
constexpr int kZStepEdit = 1015;
constexpr int kZStepAuto = 1043;
constexpr int kZStepRadios[] = {1030, 1031, 1032};

}  // namespace

CPageTool::CPageTool(FieldHost& host, QWidget* parent)
    : TablePage(host, kToolPage, kToolPageDialogId, "IDD_PAGE_TOOL", "Tool", "PAGETOOL", parent) {
    // The size label's key and caption follow what the size field holds.
    if (host.DiameterMode()) {
        QWidget* label = findControl(this, kSizeLabel);
        label->setObjectName(QStringLiteral("IDC_TP_DIAM_LB"));
        qobject_cast<QLabel*>(label)->setText(QStringLiteral("Diameter:"));
    }
    renewAccessibleNames(this);
    ApplyCaptions();
}

void CPageTool::Load() {
    D& d = data_;
    const int flags = host_.AutoFlags();
    d.stepoverAuto = (flags & AutoFlags::kAutoStepover) != 0;
    d.zStepAuto = (flags & AutoFlags::kAutoZStep) != 0;
    LoadFields();

    QWidget* sizeEdit = findControl(this, kSizeEdit);
    ParameterValue value;
    value.real = d.bodyRadius;
    d.cutterCheck = host_.LoadField(sizeEdit, kTpBrad, value);
    d.bodyRadius = value.real;
    if (d.cutterCheck) {
        d.diameterForm = false;
    } else {
        value.real = d.diameter;
        d.diameterForm = host_.LoadField(sizeEdit, kTpCdiam, value);
        d.diameter = value.real;
    }
    value.real = d.cornerRadius;
    d.cutterCheck = host_.LoadField(findControl(this, kCornerEdit), kTpCrad, value);
    d.cornerRadius = value.real;
    DeriveCutterType(d, host_.DiameterMode());
    ApplyCutterType(d);
    EnableCutter();

    value.real = d.stepover;
    d.stepoverCheck = host_.LoadField(findControl(this, kStepoverEdit), kTpStep, value);
    d.stepover = value.real;
    d.stepoverCheck = d.stepoverCheck || (d.stepoverAuto && host_.AutoFlagsFromTool());

    ParameterValue type;
    d.zStepCheck = host_.LoadField(nullptr, kTpZsteptype, type);
    value.real = d.zStep;
    d.zStepCheck = host_.LoadField(findControl(this, kZStepEdit), kTpDzstep, value);
    d.zStep = value.real;
    d.zStepCheck = d.zStepCheck || (d.zStepAuto && host_.AutoFlagsFromTool());
    ApplyZStepType(d, type.text);
    EnableZStep();

    EnableStepover();
    ShowControls();
    SetModify(false);
}

bool CPageTool::Commit() {
    if (!ReadControls()) {
        return false;
    }
    const D& d = data_;
    CommitFields();
    if (d.cutterCheck) {
        host_.SetFieldValue(SizeParameter(), SizeValue());
        ParameterValue corner;
        corner.real = d.cornerRadius;
        host_.SetFieldValue(kTpCrad, corner);
    }
    if (d.stepoverCheck && !d.stepoverAuto) {
        ParameterValue stepover;
        stepover.real = d.stepover;
        host_.SetFieldValue(kTpStep, stepover);
    }
    if (d.zStepCheck) {
        ParameterValue type;
        type.text = TypeText(d.zStepType);
        host_.SetFieldValue(kTpZsteptype, type);
        if (!d.zStepAuto) {
            ParameterValue step;
            step.real = d.zStep;
            host_.SetFieldValue(kTpDzstep, step);
        }
    }
    int flags = host_.AutoFlags() & ~(AutoFlags::kAutoStepover | AutoFlags::kAutoZStep);
    if (d.stepoverAuto && d.stepoverCheck) {
        flags |= AutoFlags::kAutoStepover;
    }
    if (d.zStepAuto && d.zStepCheck) {
        flags |= AutoFlags::kAutoZStep;
    }
    host_.SetAutoFlags(flags);
    return true;
}

bool CPageTool::Clicked(const PageControl<D>& row) {
    switch (row.click) {
        case Click::Field:
            return ClickField(row);
        case Click::Stepover:
            return ClickStepover(row);
        case Click::ZStep:
            return ClickZStep(row);
        case Click::Cutter:
            return ClickCutter(row);
        default:
            return false;
    }
}

bool CPageTool::CheckRead(const D& read) {
    if (read.cutterType != kCutterBullnose) {
        return true;
    }
    // The size field may hold a diameter; the corner is always a radius.
    const float bodyRadius = host_.DiameterMode() ? read.displayRadius / 2.0f : read.displayRadius;
    return checkRange(findControl<QLineEdit>(this, kCornerEdit), read.cornerRadius, 0.0,
                      bodyRadius);
}

void CPageTool::AfterRead() {
    AfterToolExchange(data_, host_.DiameterMode());
}

// "Auto" takes the stepover out of the tool: the CAM system computes it.
bool CPageTool::ClickStepover(const PageControl<D>& row) {
    if (!ReadAfterClick(row)) {
        return false;
    }
    D& d = data_;
    d.pageChanged = true;
    ParameterValue value;
    value.real = d.stepover;
    host_.StoreField(findControl(this, kStepoverEdit), kTpStep, d.stepoverCheck && !d.stepoverAuto,
                     value);
    EnableStepover();
    return true;
}

bool CPageTool::ClickZStep(const PageControl<D>& row) {
    if (!ReadAfterClick(row)) {
        return false;
    }
    D& d = data_;
    d.pageChanged = true;
    ApplyZStepType(d, std::string());
    EnableZStep();
    ShowControls();
    ParameterValue type;
    type.text = TypeText(d.zStepType);
    host_.StoreField(nullptr, kTpZsteptype, d.zStepCheck, type);
    ParameterValue step;
    step.real = d.zStep;
    host_.StoreField(nullptr, kTpDzstep, d.zStepCheck && !d.zStepAuto, step);
    return true;
}

bool CPageTool::ClickCutter(const PageControl<D>& row) {
    if (!ReadAfterClick(row)) {
        return false;
    }
    D& d = data_;
    d.pageChanged = true;
    ApplyCutterType(d);
    EnableCutter();
    ShowControls();
    host_.StoreField(nullptr, SizeParameter(), d.cutterCheck, SizeValue());
    ParameterValue corner;
    corner.real = d.cornerRadius;
    host_.StoreField(nullptr, kTpCrad, d.cutterCheck, corner);
    return true;
}

void CPageTool::EnableCutter() {
    const D& d = data_;
    for (int radio : kCutterRadios) {
        EnableControl(this, radio, d.cutterCheck);
    }
    EnableControl(this, kSizeEdit, d.cutterCheck);
    EnableControl(this, kCornerEdit, d.cutterCheck && d.cutterType == kCutterBullnose);
}

void CPageTool::EnableStepover() {
    const D& d = data_;
    EnableControl(this, kStepoverAuto, d.stepoverCheck);
    EnableControl(this, kStepoverEdit, d.stepoverCheck && !d.stepoverAuto);
}

void CPageTool::EnableZStep() {
    const D& d = data_;
    for (int radio : kZStepRadios) {
        EnableControl(this, radio, d.zStepCheck);
    }
    const bool fixed = d.zStepCheck && d.zStepType == kZStepFixed;
    EnableControl(this, kZStepEdit, fixed && !d.zStepAuto);
    EnableControl(this, kZStepAuto, fixed);
}

ParameterIndex CPageTool::SizeParameter() const {
    return data_.diameterForm ? kTpCdiam : kTpBrad;
}

ParameterValue CPageTool::SizeValue() const {
    ParameterValue value;
    value.real = data_.diameterForm ? data_.diameter : data_.bodyRadius;
    return value;
}
