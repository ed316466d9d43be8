#include <dirent.h>
#include <sys/stat.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/ascii_case.h"
#include "platform/filesystem.h"

namespace platform {
namespace {

bool entry_exists(const std::string& path) {
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0;
}

// The first name in `directory` equal to `name` ignoring case, in byte order among equals.
std::optional<std::string> find_ignoring_case(const std::string& directory,
                                              const std::string& name) {
    std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(directory.c_str()), &::closedir);
    if (!dir) {
        return std::nullopt;
    }
    std::optional<std::string> best;
    while (const dirent* entry = ::readdir(dir.get())) {
        const std::string_view candidate(entry->d_name);
        if (ascii_equal_ignoring_case(candidate, name) && (!best || candidate < *best)) {
            best = std::string(candidate);
        }
    }
    return best;
}

std::vector<std::string> split_components(const std::string& path) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (start <= path.size()) {
        std::size_t end = path.find(kPathSeparator, start);
        if (end == std::string::npos) {
            end = path.size();
        }
        if (end > start) {
            parts.push_back(path.substr(start, end - start));
        }
        start = end + 1;
    }
    return parts;
}

}  // namespace

std::string resolve_case(const std::string& path) {
    if (path.empty() || entry_exists(path)) {
        return path;
    }
    const bool absolute = path.front() == kPathSeparator;
    std::string result = absolute ? std::string(1, kPathSeparator) : std::string();
    bool changed = false;
    bool resolving = true;
    for (const std::string& part : split_components(path)) {
        const std::string parent = result.empty() ? std::string(".") : result;
        std::string next = result;
        if (!next.empty() && next.back() != kPathSeparator) {
            next += kPathSeparator;
        }
        std::string spelled = part;
        if (resolving && part != "." && part != ".." && !entry_exists(next + part)) {
            if (auto found = find_ignoring_case(parent, part)) {
                spelled = *found;
                changed = true;
            } else {
                // Nothing below a missing component can exist; keep the rest as given.
                resolving = false;
            }
        }
        result = next + spelled;
    }
    if (!changed) {
        return path;
    }
    if (path.back() == kPathSeparator && result.back() != kPathSeparator) {
        result += kPathSeparator;
    }
    return result;
}

}  // namespace platform
