#pragma once
// What the main window learns from the environment before it builds anything: the workzone,
// the tool library, the Fedrix switch, the program directory and the settings file.

#include <memory>
#include <string>

#include "app/cutter_base_settings.h"

// The program's file name without directory or extension; its settings file is this name
// followed by ".INI" in the program directory.
inline constexpr const char* kApplicationName = "CutterBase";

struct StartupConfiguration {
    // The window must cancel itself: KVXZONE is undefined, or no tool directory could be
    // found at all. The fields after the failed step keep their initial values.
    bool cancel = false;
    std::string workzone_directory;
    std::string tool_directory;  // ToolDirectory
    // KVX_CUTTER_DIR named no directory and the current directory stands in for the library.
    bool tool_directory_fallback = false;
    bool fedrix_enabled = false;           // FedrixEnabled
    std::string program_directory = "c:";  // ProgramDirectory
    std::unique_ptr<CutterBaseSettings> settings;
    bool diameter_mode = false;  // DiameterMode
};

// Runs the start-up steps in order, raising their messages on the way.
StartupConfiguration ConfigureStartup(const std::string& application_name = kApplicationName);

// The profile file name of a program: its base name followed by ".INI".
std::string ProfileFileName(const std::string& application_name);
