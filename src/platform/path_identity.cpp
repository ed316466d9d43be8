#include "platform/path_identity.h"

#include <sys/stat.h>

#include <vector>

#include "platform/filesystem.h"

namespace platform {

std::string absolute_normal_path(const std::string& path) {
    std::string absolute = path;
    if (absolute.empty() || absolute.front() != kPathSeparator) {
        absolute = join_path(current_directory().value_or(std::string(1, kPathSeparator)), path);
    }
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (start <= absolute.size()) {
        std::size_t end = absolute.find(kPathSeparator, start);
        if (end == std::string::npos) {
            end = absolute.size();
        }
        const std::string part = absolute.substr(start, end - start);
        if (part == "..") {
            if (!parts.empty()) {
                parts.pop_back();
            }
        } else if (!part.empty() && part != ".") {
            parts.push_back(part);
        }
        start = end + 1;
    }
    std::string normal;
    for (const std::string& part : parts) {
        normal += kPathSeparator;
        normal += part;
    }
    return normal.empty() ? std::string(1, kPathSeparator) : normal;
}

std::optional<FileIdentity> file_identity(const std::string& path) {
    struct stat info {};
    if (path.empty() || ::stat(path.c_str(), &info) != 0) {
        return std::nullopt;
    }
    return FileIdentity{static_cast<std::uint64_t>(info.st_dev),
                        static_cast<std::uint64_t>(info.st_ino)};
}

}  // namespace platform
