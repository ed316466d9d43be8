#include "language/installation.h"

#include <cstdlib>

#include "platform/filesystem.h"

std::string installation_home() {
    const char* home = std::getenv("KVXHOME");
    return home != nullptr ? std::string(home) : std::string();
}

std::string installation_text_file(const std::string& name) {
    const std::string separator(1, platform::kPathSeparator);
    return installation_home() + separator + "texte" + separator + name;
}
