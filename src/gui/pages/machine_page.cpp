#include "gui/pages/machine_page.h"

#include "gui/pages/page_rows.h"
#include "gui/pages/type_text.h"

namespace {

using D = MachinePageData;
using namespace page_rows;

constexpr int kSecurityGroup = 1048;
constexpr int kPocketGroup = 1049;
constexpr Range kRadiusRange{0.0, 100000.0};

// Set All ticks the checks in this order.
const PageControl<D> kMachinePage[] = {
    Group<D>(kSecurityGroup, "IDC_TP_SECURITYDIST_GB", "Security Distances", 0, 0),
    Group<D>(kPocketGroup, "IDC_TP_POCKETSEL_GB", "Pocket Selection", 1, 0),

    Check<D>(1025, "IDC_TP_APPROACH_CHECK", "Approach:", {kSecurityGroup, 0, 0}, &D::approachCheck,
             Click::Field, kTpApproach),
    Edit<D>(1016, {kSecurityGroup, 0, 1}, &D::approach, 1025),
    Millimetres<D>({kSecurityGroup, 0, 2}),
    Check<D>(1026, "IDC_TP_RETRACT_CHECK", "Retract:", {kSecurityGroup, 1, 0}, &D::retractCheck,
             Click::Field, kTpRetract),
    Edit<D>(1017, {kSecurityGroup, 1, 1}, &D::retract, 1026),
    Millimetres<D>({kSecurityGroup, 1, 2}),

    Check<D>(1027, "IDC_TP_LITYPE_CHECK", "Lead-In Type:", {kSecurityGroup, 2, 0, 3},
             &D::leadInCheck, Click::LeadIn, kTpLitype),
    Radio<D>(1030, "IDC_TP_LITYPE_VERTICAL", "Vertical", {kSecurityGroup, 3, 0, 3}, &D::leadInType,
             kLeadInVertical, Click::LeadIn),
    Radio<D>(1031, "IDC_TP_LITYPE_RAMP", "Ramp", {kSecurityGroup, 3, 0, 3}, &D::leadInType,
             kLeadInRamp, Click::LeadIn),
    Radio<D>(1032, "IDC_TP_LITYPE_RADIAL", "Radial", {kSecurityGroup, 3, 0, 3}, &D::leadInType,
             kLeadInRadial, Click::LeadIn),
    Label<D>(1040, "IDC_TP_LITYPE_RAMP_ANGLE_LB", "Ramp Angle:", {kSecurityGroup, 4, 0}),
    Edit<D>(1018, {kSecurityGroup, 4, 1}, &D::rampAngle, 1040),
    Label<D>(1041, "IDC_TP_LITYPE_RADIAL_RADIUS_LB", "Radial Radius:", {kSecurityGroup, 5, 0}),
    Edit<D>(1019, {kSecurityGroup, 5, 1}, &D::radialRadius, 1041, kRadiusRange),
    Millimetres<D>({kSecurityGroup, 5, 2}),
    Check<D>(1028, "IDC_TP_LITYPE_RADIAL_APPROACH", "Radial Approach", {kSecurityGroup, 6, 0, 3},
             &D::radialApproach, Click::LeadIn, 0, false),

    Check<D>(1044, "IDC_TP_POCKETSEL_AUTO", "Auto Minimum Width", {kPocketGroup, 0, 0},
             &D::autoMinWidth, Click::PageOnly),
};

constexpr int kLeadInRadios[] = {1030, 1031, 1032};
constexpr int kRampControls[] = {1040, 1018};
constexpr int kRadialControls[] = {1041, 1019, 1028};

}  // namespace

CPageMachine::CPageMachine(FieldHost& host, QWidget* parent)
    : TablePage(host, kMachinePage, kMachinePageDialogId, "IDD_PAGE_MACHINING", "Security",
                "PAGEMACHINE", parent) {
    ApplyCaptions();
}

void CPageMachine::Load() {
    D& d = data_;
    d.autoMinWidth = (host_.AutoFlags() & AutoFlags::kAutoPocketWidth) != 0;
    LoadFields();

    ParameterValue leadIn;
    d.leadInCheck = host_.LoadField(nullptr, kTpLitype, leadIn);
    ParameterValue value;
    value.real = d.rampAngle;
    d.leadInCheck = host_.LoadField(nullptr, kTpLiramp, value);
    d.rampAngle = value.real;
    value.real = d.radialRadius;
    d.leadInCheck = host_.LoadField(nullptr, kTpLirad, value);
    d.radialRadius = value.real;
    ParameterValue step;
    d.leadInCheck = host_.LoadField(nullptr, kTpSteptype, step);
    ApplyLeadIn(d, leadIn.text, step.text);
    EnableLeadIn();

    SetModify(false);
    ShowControls();
}

bool CPageMachine::Commit() {
    if (!ReadControls()) {
        return false;
    }
    CommitFields();
    if (data_.leadInCheck) {
        for (const LeadInValue& parameter : LeadInValues()) {
            host_.SetFieldValue(parameter.index, parameter.value);
        }
    }
    int flags = host_.AutoFlags() & ~AutoFlags::kAutoPocketWidth;
    if (data_.autoMinWidth) {
        flags |= AutoFlags::kAutoPocketWidth;
    }
    host_.SetAutoFlags(flags);
    return true;
}

bool CPageMachine::Clicked(const PageControl<D>& row) {
    switch (row.click) {
        case Click::Field:
            return ClickField(row);
        case Click::LeadIn:
            return ClickLeadIn(row);
        case Click::PageOnly:
            // The flag reaches the AutoFlags at Commit.
            if (!ReadAfterClick(row)) {
                return false;
            }
            data_.pageChanged = true;
            return true;
        default:
            return false;
    }
}

void CPageMachine::AfterRead() {
    ClampRampAngle(data_);
}

bool CPageMachine::ClickLeadIn(const PageControl<D>& row) {
    if (!ReadAfterClick(row)) {
        return false;
    }
    data_.pageChanged = true;
    ApplyLeadIn(data_, std::string(), std::string());
    EnableLeadIn();
    ShowControls();
    for (const LeadInValue& parameter : LeadInValues()) {
        host_.StoreField(nullptr, parameter.index, data_.leadInCheck, parameter.value);
    }
    return true;
}

void CPageMachine::EnableLeadIn() {
    const D& d = data_;
    for (int radio : kLeadInRadios) {
        EnableControl(this, radio, d.leadInCheck);
    }
    for (int control : kRampControls) {
        EnableControl(this, control, d.leadInCheck && d.leadInType != kLeadInVertical);
    }
    for (int control : kRadialControls) {
        EnableControl(this, control, d.leadInCheck && d.leadInType == kLeadInRadial);
    }
}

std::array<CPageMachine::LeadInValue, 4> CPageMachine::LeadInValues() const {
    std::array<LeadInValue, 4> values{};
    values[0].index = kTpLitype;
    values[0].value.text = TypeText(data_.leadInType);
    values[1].index = kTpLiramp;
    values[1].value.real = data_.rampAngle;
    values[2].index = kTpLirad;
    values[2].value.real = data_.radialRadius;
    values[3].index = kTpSteptype;
    values[3].value.text = StepTypeText(data_.radialApproach);
    return values;
}
