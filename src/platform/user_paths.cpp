#include "platform/user_paths.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <vector>

#include "platform/filesystem.h"

namespace platform {
namespace {

std::string variable(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? std::string(value) : std::string();
}

std::string home_directory() {
    std::string home = variable("HOME");
    if (!home.empty()) {
        return home;
    }
    long size = ::sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> buffer(size > 0 ? static_cast<std::size_t>(size) : 16384);
    passwd entry{};
    passwd* found = nullptr;
    if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) == 0 &&
        found != nullptr && found->pw_dir != nullptr) {
        home = found->pw_dir;
    }
    return home;
}

}  // namespace

std::optional<std::string> executable_path() {
    std::vector<char> buffer(4096);
    for (;;) {
        const ssize_t length = ::readlink("/proc/self/exe", buffer.data(), buffer.size());
        if (length < 0) {
            return std::nullopt;
        }
        if (static_cast<std::size_t>(length) < buffer.size()) {
            return std::string(buffer.data(), static_cast<std::size_t>(length));
        }
        buffer.resize(buffer.size() * 2);
    }
}

std::string user_configuration_directory() {
    const std::string configured = variable("XDG_CONFIG_HOME");
    if (!configured.empty() && configured.front() == kPathSeparator) {
        return configured;
    }
    const std::string home = home_directory();
    return home.empty() ? std::string() : join_path(home, ".config");
}

std::string user_home_directory() {
    return home_directory();
}

std::string user_data_directory() {
    const std::string configured = variable("XDG_DATA_HOME");
    if (!configured.empty() && configured.front() == kPathSeparator) {
        return configured;
    }
    const std::string home = home_directory();
    return home.empty() ? std::string() : join_path(join_path(home, ".local"), "share");
}

}  // namespace platform
