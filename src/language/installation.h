#pragma once
// Where the installation's text files are.

#include <string>

// KVXHOME of the process environment, empty when undefined. Read directly rather than through
// the configuration lookup, which ends the process when KVXHOME is missing.
std::string installation_home();

// installation_home() + "/texte/" + name.
std::string installation_text_file(const std::string& name);
