#include "app/path_parts.h"

#include <utility>

#include "platform/filesystem.h"

namespace {

constexpr char kSeparator = platform::kPathSeparator;

// Position of the next "/.." that forms a whole component ("/..x" is a name, not a step up).
std::string::size_type find_parent_step(const std::string& path) {
    const std::string step = std::string(1, kSeparator) + "..";
    for (auto pos = path.find(step); pos != std::string::npos; pos = path.find(step, pos + 1)) {
        const auto after = pos + step.size();
        if (after == path.size() || path[after] == kSeparator) {
            return pos;
        }
    }
    return std::string::npos;
}

}  // namespace

std::string DirectoryPart(const std::string& path) {
    const auto slash = path.rfind(kSeparator);
    return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

std::string FileNamePart(const std::string& path, bool with_extension) {
    const auto slash = path.rfind(kSeparator);
    const auto start = slash == std::string::npos ? 0 : slash + 1;
    if (!with_extension) {
        const auto point = path.rfind('.');
        if (point != std::string::npos && point >= start) {
            return path.substr(start, point - start);
        }
    }
    return path.substr(start);
}

std::string StripExtension(const std::string& path) {
    const auto point = path.rfind('.');
    return point == std::string::npos ? path : path.substr(0, point);
}

bool NormalizePath(std::string& path) {
    const std::string current = std::string(1, kSeparator) + "." + kSeparator;
    for (auto pos = path.find(current); pos != std::string::npos; pos = path.find(current)) {
        path.replace(pos, current.size(), 1, kSeparator);
    }
    std::string result = path;
    for (auto pos = find_parent_step(result); pos != std::string::npos;
         pos = find_parent_step(result)) {
        const auto parent_end = result.rfind(kSeparator, pos == 0 ? 0 : pos - 1);
        if (pos == 0 || parent_end == std::string::npos) {
            return false;
        }
        result = result.substr(0, parent_end) + result.substr(pos + 3);
    }
    path = std::move(result);
    return true;
}
