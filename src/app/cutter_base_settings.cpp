#include "app/cutter_base_settings.h"

#include "language/current_profile.h"
#include "language/message_format.h"
#include "language/message_presenter.h"

namespace {

constexpr const char* kMarkerSection = "T.A.L.M.O.R.";
constexpr const char* kMarkerKey = "Cutter-Base";
constexpr const char* kGeneral = "GENERAL";
constexpr const char* kLastToolDir = "Last Tool Dir";
constexpr const char* kShowConsistency = "Show Consistency Message";
constexpr const char* kForeignFile = "'%s' ist nicht eine 'Fedrix Tool' Ini-Datei!";

}  // namespace

int CutterBaseSettings::OnFileFound() {
    if (read_profile_string(kMarkerSection, kMarkerKey, "") != kProductMarker) {
        // A plain box, not a catalogue message: the file is not ours at all.
        message_presenter().PresentPlain(format_message(kForeignFile, make_format_arguments(path_)),
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
