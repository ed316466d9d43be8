#pragma once
// What the program says about itself in the about dialog, compiled in: the product name, the
// version of the build's project, the source revision it was built from (empty when the build
// did not know it) and the rights notice.

#include <string>

struct VersionInfo {
    std::string product;
    std::string version;
    std::string build;
    std::string rights;
};

const VersionInfo& programVersion();
