#pragma once
// What the main window learns from the environment before it builds anything: the workzone,
// the tool library, the Fedrix switch, the program directory and the settings file.

#include <memory>
#include <string>
#include <vector>

#include "app/cutter_base_settings.h"

// The program's name as the command line gives it; the windows program takes its running name.
// The settings files are this name followed by ".INI".
inline constexpr const char* kApplicationName = "CutterBase";

struct StartupConfiguration {
    // The window must cancel itself: KVXZONE is undefined, or no tool directory could be
    // found at all. The fields after the failed step keep their initial values.
    bool cancel = false;
    std::string workzone_directory;
    std::string tool_directory;  // ToolDirectory
    // KVX_CUTTER_DIR named no directory and the current directory stands in for the library.
    bool tool_directory_fallback = false;
    bool fedrix_enabled = false;    // FedrixEnabled
    std::string program_directory;  // ProgramDirectory; the executable's directory at first
    std::unique_ptr<CutterBaseSettings> settings;
    bool diameter_mode = false;  // DiameterMode
};

// Runs the start-up steps in order, raising their messages on the way.
StartupConfiguration ConfigureStartup(const std::string& application_name = kApplicationName);

// The profile file name of a program: its base name followed by ".INI".
std::string ProfileFileName(const std::string& application_name);

// The running executable's name without directory and extension; kApplicationName when the
// system does not tell.
std::string RunningApplicationName();
// The running executable's directory; the current directory when the system does not tell.
std::string ExecutableDirectory();
// The system's settings files, least important first: the profile file name in the folder
// "CutterBase" of each directory of XDG_CONFIG_DIRS (/etc/xdg when unset or empty) in reverse
// order, relative directories skipped.
std::vector<std::string> SystemSettingsPaths(const std::string& application_name);
// The settings file Close writes, one per user: the profile file name in the folder
// "CutterBase" of the user's configuration folder; "" for a user without a home.
std::string UserSettingsPath(const std::string& application_name);
