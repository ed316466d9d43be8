#pragma once
// Where the running program lies and where its user keeps settings: an installation on Linux
// is usually not writable by its users, and several users share one.

#include <optional>
#include <string>

namespace platform {

// The running program's file; nullopt when the system does not tell.
std::optional<std::string> executable_path();

// The user's configuration folder: XDG_CONFIG_HOME when it is an absolute path, else ".config"
// in the home folder (HOME, else the user database's entry); "" when there is no home.
std::string user_configuration_directory();
// The home folder: HOME, else the user database's entry; "" when there is none.
std::string user_home_directory();
// The user's data folder in the same way: XDG_DATA_HOME, else ".local/share" in the home folder.
std::string user_data_directory();

}  // namespace platform
