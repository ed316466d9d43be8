#pragma once
// Variables of the process environment and of the environ.cfg chain. The process environment
// always wins; the configuration is loaded on first need into one process-wide database.

#include <optional>
#include <string>

struct MessageDatabase;

// "TMP" yields the per-workzone temporary directory; other names the process environment,
// else section "var" of the configuration (trailing blanks removed); nullopt when undefined.
std::optional<std::string> get_variable(const std::string& name);
// name + "PATH" from the process environment, else section "path" of the configuration.
std::optional<std::string> get_path_variable(const std::string& name);

// Where a value comes from, for reports and `cutterbase-cli env --origin`; empty when nothing
// is known (a computed TMP, or a name that is defined nowhere).
std::string variable_origin(const std::string& name, const std::string& value);
std::string path_origin(const std::string& name, const std::string& value);

// Loads the environ.cfg chain; does nothing once it is loaded or while it is being loaded.
// While the base file is read, lookups of configured names answer "undefined".
void load_environment();
MessageDatabase* overload_environment(MessageDatabase* db, const std::string& directory_list,
                                      const std::string& file_name);

// The loaded configuration, or nullptr before the first load.
MessageDatabase* environment_database();

// Forgets the loaded configuration and the temporary directory, so that a test can start
// again from a new installation.
void unload_environment();
