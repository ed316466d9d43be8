#include "app/cutter_base_settings.h"

#include <algorithm>

#include "app/path_parts.h"
#include "language/current_profile.h"
#include "language/message_format.h"
#include "language/message_presenter.h"
#include "platform/filesystem.h"

namespace {

constexpr const char* kMarkerSection = "T.A.L.M.O.R.";
constexpr const char* kMarkerKey = "Cutter-Base";
constexpr const char* kGeneral = "GENERAL";
constexpr const char* kLastToolDir = "Last Tool Dir";
constexpr const char* kShowConsistency = "Show Consistency Message";
constexpr const char* kForeignFile = "'%s' ist nicht eine 'Fedrix Tool' Ini-Datei!";

}  // namespace

int CutterBaseSettings::Read() {
    layers_read_.clear();
    std::vector<std::string> defaults = system_paths_;
    defaults.push_back(installation_path_);
    for (const std::string& file : defaults) {
        // One file named twice counts once, and the user's file comes last whatever names it.
        if (file.empty() || file == path_ ||
            std::find(layers_read_.begin(), layers_read_.end(), file) != layers_read_.end() ||
            !platform::is_regular_file(file)) {
            continue;
        }
        ProfileSwitch use(file);
        ReadProfile(file);
        layers_read_.push_back(file);
    }
    const int found = Check();
    if (found != 0) {
        layers_read_.push_back(path_);
    }
    return found;
}

bool CutterBaseSettings::Save() {
    // A new user has no configuration folder yet.
    const std::string directory = DirectoryPart(path_);
    if (!directory.empty() && !platform::is_directory(directory) &&
        !platform::create_directories(directory)) {
        return false;
    }
    return ResetFile(true);
}

int CutterBaseSettings::OnFileFound() {
    return ReadProfile(path_);
}

int CutterBaseSettings::ReadProfile(const std::string& file) {
    if (read_profile_string(kMarkerSection, kMarkerKey, "") != kProductMarker) {
        // A plain box, not a catalogue message: the file is not ours at all.
        message_presenter().PresentPlain(format_message(kForeignFile, make_format_arguments(file)),
                                         kButtonsOk, kIconExclamation);
        return 0;
    }
    last_tool_directory_ = read_profile_string(kGeneral, kLastToolDir, last_tool_directory_);
    show_consistency_message_ =
        read_profile_int(kGeneral, kShowConsistency, show_consistency_message_);
    return 1;
}

void CutterBaseSettings::Write() {
    write_profile_string(kMarkerSection, kMarkerKey, kProductMarker);
    write_profile_string(kGeneral, kLastToolDir, last_tool_directory_);
    write_profile_int(kGeneral, kShowConsistency, show_consistency_message_);
}
