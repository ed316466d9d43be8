#include "toolfiles/fedrix_tool_info.h"

#include <cfloat>
#include <cmath>

#include "language/builtin_texts.h"
#include "language/current_profile.h"
#include "language/message_catalogue.h"
#include "language/message_presenter.h"
#include "language/typed_profile.h"
#include "platform/filesystem.h"
#include "platform/number_text.h"

namespace {

constexpr const char kMarkerSection[] = "T.A.L.M.O.R.";
constexpr const char kMarkerKey[] = "Fedrix";
constexpr const char kExpectedMarker[] = "Fedrix Tool Information";
constexpr const char kBasics[] = "BASICS";
constexpr const char kAdvanced[] = "ADVANCED";
constexpr int kRealPrecision = 3;

}  // namespace

FedrixToolInfo::FedrixToolInfo(const std::string& path) : IniFile(path, 0) {}

// The one list of sections, keys and members, in the order Write writes them.
template <typename Visitor>
void FedrixToolInfo::VisitValues(Visitor&& visit) {
    visit(kBasics, "Optimize Feed Rates", optimize_feed_rates);
    visit(kBasics, "Min Feed Rate", min_feed_rate);
    visit(kBasics, "Max Feed Rate", max_feed_rate);
    visit(kBasics, "Start Depth", start_depth);
    visit(kBasics, "Max Depth", max_depth);
    visit(kBasics, "Max Cut Height", max_cut_height);
    visit(kAdvanced, "Plunge Continous Adaptation", plunge_continuous_adaptation);
    visit(kAdvanced, "Plunge Factor", plunge_factor);
    visit(kAdvanced, "Plunge Start Angle", plunge_start_angle);
    visit(kAdvanced, "Plunge End Angle", plunge_end_angle);
    visit(kAdvanced, "Ramp Feed Rate", ramp_feed_rate);
    visit(kAdvanced, "Ramp Angle", ramp_angle);
    visit(kAdvanced, "Unsymmetry Factor", unsymmetry_factor);
    visit(kAdvanced, "Drag Factor", drag_factor);
    visit(kAdvanced, "Drag Start Angle", drag_start_angle);
    visit(kAdvanced, "Drag End Angle", drag_end_angle);
    visit(kAdvanced, "Climb Factor", climb_factor);
    visit(kAdvanced, "Entangulation Start Angle", entangulation_start_angle);
    visit(kAdvanced, "Entangulation End Angle", entangulation_end_angle);
    visit(kAdvanced, "Entangulation Factor", entangulation_factor);
    visit(kAdvanced, "Air Cut Feed Rate", air_cut_feed_rate);
    visit(kAdvanced, "Air Cut Optimization", air_cut_optimization);
    visit(kAdvanced, "Retraction Optimization", retraction_optimization);
    visit(kAdvanced, "Stock Distance", stock_distance);
    visit(kAdvanced, "Feed Rate Per Tooth", feed_rate_per_tooth);
    visit(kAdvanced, "Number Of Teeth", number_of_teeth);
    visit(kAdvanced, "Spindle Speed Optimization", spindle_speed_optimization);
}

template <typename Visitor>
void FedrixToolInfo::VisitValues(Visitor&& visit) const {
    const_cast<FedrixToolInfo*>(this)->VisitValues(
        [&](const char* section, const char* key, const auto& value) {
            visit(section, key, value);
        });
}

namespace {

std::string text_of(bool value) {
    return value ? "y" : "n";
}
std::string text_of(std::int32_t value) {
    return std::to_string(value);
}
std::string text_of(double value) {
    return platform::format_fixed(value, kRealPrecision);
}

void read_value(const char* section, const char* key, bool& value) {
    std::string text = read_profile_string(section, key, text_of(value));
    value = text == "y" || text == "Y";
}
void read_value(const char* section, const char* key, std::int32_t& value) {
    // Beyond 32 bits a number is out of range, never a different number.
    const std::string text = read_profile_string(section, key, "");
    if (!text.empty()) {
        value = platform::parse_leading_int(text);
    }
}
void read_value(const char* section, const char* key, double& value) {
    // As in a tool file: a number beyond the float range is no value and reads as 0.
    const double read = read_profile_real(section, key, value);
    value = std::fabs(read) <= FLT_MAX ? read : 0.0;
}

}  // namespace

bool FedrixToolInfo::Read() {
    // One parse serves the marker and every value, so that they all come from one version.
    ProfileReading once(current_profile());
    if (!once.Readable()) {
        message_presenter().PresentPlain("'" + path_ + "' konnte nicht gelesen werden!", kButtonsOk,
                                         0);
        read_succeeded_ = false;
        return false;
    }
    std::string marker = read_profile_string(kMarkerSection, kMarkerKey, "");
    if (marker != kExpectedMarker) {
        // A plain message box of the program, not a catalogue message.
        message_presenter().PresentPlain("'" + path_ + "' ist nicht eine 'Fedrix Tool' Ini-Datei!",
                                         kButtonsOk, 0);
        read_succeeded_ = false;
        return false;
    }
    type_marker = marker;
    VisitValues(
        [](const char* section, const char* key, auto& value) { read_value(section, key, value); });
    read_succeeded_ = true;
    return true;
}

void FedrixToolInfo::Write() {
    write_profile_string(kMarkerSection, kMarkerKey, type_marker);
    VisitValues([](const char* section, const char* key, const auto& value) {
        write_profile_string(section, key, text_of(value));
    });
}

std::vector<FedrixToolInfo::Entry> FedrixToolInfo::Entries() const {
    std::vector<Entry> entries;
    entries.push_back({kMarkerSection, kMarkerKey, type_marker});
    VisitValues([&](const char* section, const char* key, const auto& value) {
        entries.push_back({section, key, text_of(value)});
    });
    return entries;
}

std::string FedrixFilePath(const std::string& tool_file_path) {
    // Only a point of the file name counts: one in a folder name is no extension.
    auto point = tool_file_path.rfind('.');
    auto separator = tool_file_path.find_last_of("/\\");
    if (point == std::string::npos || (separator != std::string::npos && point < separator)) {
        return tool_file_path + ".ncs";
    }
    return tool_file_path.substr(0, point) + ".ncs";
}

FedrixFileKind ProbeFedrixFile(const std::string& path) {
    if (path.empty() || !platform::exists(path)) {
        return FedrixFileKind::None;
    }
    if (!platform::is_regular_file(path)) {
        return FedrixFileKind::NotAFile;
    }
    ProfileReading once(path);
    if (!once.Readable()) {
        return FedrixFileKind::Foreign;
    }
    ProfileSwitch use(path);
    return read_profile_string(kMarkerSection, kMarkerKey, "") == kExpectedMarker
               ? FedrixFileKind::Fedrix
               : FedrixFileKind::Foreign;
}

bool AskToDestroyForeignFedrixFile(const std::string& path, bool replace) {
    TalmorError* catalogue = GetCatalogue();
    const BuiltinText text =
        replace ? BuiltinText::ReplaceForeignFedrixFile : BuiltinText::DeleteForeignFedrixFile;
    return catalogue->InternalMessage("FedrixToolInfo", 0, __DATE__, __TIME__,
                                      builtin_text(text, catalogue->LanguageIndex()), kButtonsYesNo,
                                      make_format_arguments(path)) == kAnswerYes;
}
