#include "app/startup_configuration.h"

#include <algorithm>
#include <cstdlib>
#include <optional>

#include "app/file_utilities.h"
#include "app/path_parts.h"
#include "app/tool_library_setting.h"
#include "language/message_catalogue.h"
#include "platform/ascii_case.h"
#include "platform/filesystem.h"
#include "platform/user_paths.h"
#include "runtime/environment.h"
#include "runtime/expansion.h"
#include "runtime/status.h"
#include "workzone/workzone_paths.h"

namespace {

constexpr const char* kModule = "CutterBaseDlg";
constexpr int kHookCapacity = 260;
constexpr const char* kSettingsFolder = "CutterBase";
constexpr const char* kSystemConfigurationDefault = "/etc/xdg";

std::string variable_text(const char* name) {
    return get_variable(name).value_or(std::string());
}

bool read_workzone(StartupConfiguration& configuration) {
    const std::optional<std::string> directory = WorkzoneDirectory();
    if (!directory) {
        Message(kModule, 191, __DATE__, __TIME__, "LIB_TALMOR_GMBH", "KARVEX_ZONEINF_NOZONE",
                kButtonsOk);
        return false;
    }
    configuration.workzone_directory = *directory;
    return true;
}

bool read_tool_directory(StartupConfiguration& configuration, const ToolLibrarySetting& library) {
    if (library.found) {
        configuration.tool_directory = library.directory;
        return true;
    }
    Message(kModule, 203, __DATE__, __TIME__, "CUTTERBASE", "CUTBASE_NOTOOL_DIR", kButtonsOk,
            "KVX_CUTTER_DIR =" + library.directory);
    configuration.tool_directory_fallback = true;
    return ReadCurrentDirectory(configuration.tool_directory);
}

// The directory in front of the program's name in the hook command. When the name occurs
// twice (a folder named like the program), the second occurrence is the file.
void read_program_directory(StartupConfiguration& configuration,
                            const std::string& application_name) {
    std::string hook = variable_text("KVX_CUTTER_HOOK_COMMAND");
    const bool expanded = expand_path_text(hook, kHookCapacity) == kStatusOk;
    const auto first = application_name.empty() ? std::string::npos : hook.find(application_name);
    if (first != std::string::npos) {
        const auto second = hook.find(application_name, first + application_name.size());
        const auto end = second != std::string::npos ? second : first;
        configuration.program_directory = hook.substr(0, end == 0 ? 0 : end - 1);
    }
    if (!expanded || !ValidateFile(configuration.program_directory, false)) {
        Message(kModule, 239, __DATE__, __TIME__, "CUTTERBASE", "CUTBASE_NOCUTTER_HOOK", kButtonsOk,
                "KVX_CUTTER_HOOK_COMMAND =" + configuration.program_directory);
    }
}

}  // namespace

std::string ProfileFileName(const std::string& application_name) {
    return application_name + ".INI";
}

std::string RunningApplicationName() {
    const auto executable = platform::executable_path();
    return executable ? FileNamePart(*executable, false) : std::string(kApplicationName);
}

std::string ExecutableDirectory() {
    const auto executable = platform::executable_path();
    if (executable && !DirectoryPart(*executable).empty()) {
        return DirectoryPart(*executable);
    }
    return platform::current_directory().value_or(std::string(1, platform::kPathSeparator));
}

std::vector<std::string> SystemSettingsPaths(const std::string& application_name) {
    const char* configured = std::getenv("XDG_CONFIG_DIRS");
    const std::string list = configured != nullptr && *configured != '\0'
                                 ? std::string(configured)
                                 : std::string(kSystemConfigurationDefault);
    std::vector<std::string> paths;
    std::size_t start = 0;
    while (start <= list.size()) {
        const std::size_t end = std::min(list.find(':', start), list.size());
        const std::string directory = list.substr(start, end - start);
        if (!directory.empty() && directory.front() == platform::kPathSeparator) {
            paths.insert(paths.begin(),
                         platform::join_path(platform::join_path(directory, kSettingsFolder),
                                             ProfileFileName(application_name)));
        }
        start = end + 1;
    }
    return paths;
}

std::string UserSettingsPath(const std::string& application_name) {
    const std::string configuration = platform::user_configuration_directory();
    if (configuration.empty()) {
        return {};
    }
    return platform::join_path(platform::join_path(configuration, kSettingsFolder),
                               ProfileFileName(application_name));
}

StartupConfiguration ConfigureStartup(const std::string& application_name) {
    StartupConfiguration configuration;
    configuration.program_directory = ExecutableDirectory();
    if (!read_workzone(configuration)) {
        configuration.cancel = true;
        return configuration;
    }
    const ToolLibrarySetting library = LookUpToolLibrary();
    if (!read_tool_directory(configuration, library)) {
        configuration.cancel = true;
        return configuration;
    }
    configuration.fedrix_enabled = library.fedrix_enabled;
    read_program_directory(configuration, application_name);
    // The system's files and then the installation's hold the defaults, so an installation that
    // ships the program beside its settings keeps them; a user without a home has only those.
    const std::string installation = configuration.program_directory + platform::kPathSeparator +
                                     ProfileFileName(application_name);
    const std::string user = UserSettingsPath(application_name);
    configuration.settings = std::make_unique<CutterBaseSettings>(
        user.empty() ? installation : user, 0, installation, SystemSettingsPaths(application_name));
    configuration.settings->SetLastToolDirectory(configuration.tool_directory);
    configuration.settings->Read();
    configuration.diameter_mode =
        platform::ascii_equal_ignoring_case(variable_text("KVXUSERAD"), "diameter");
    return configuration;
}
