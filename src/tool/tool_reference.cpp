#include "tool/tool_reference.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "platform/ascii_case.h"
#include "platform/filesystem.h"
#include "platform/path_identity.h"
#include "toolfiles/change_file.h"

namespace {

constexpr char kSeparator = platform::kPathSeparator;

// The directory's text must be followed by a separator: a sibling folder whose name merely
// starts with the directory's name does not lie below it.
std::optional<std::string> below_by_text(const std::string& directory, const std::string& file) {
    const std::string prefix = directory.size() == 1 ? std::string() : directory;
    if (file.size() <= prefix.size() + 1 || file.compare(0, prefix.size(), prefix) != 0 ||
        file[prefix.size()] != kSeparator) {
        return std::nullopt;
    }
    return file.substr(prefix.size() + 1);
}

// The shortest front of the file's path that is the tool directory on disk: the library may be
// reached through a link, or the current directory may have been resolved physically.
std::optional<std::string> below_by_identity(const std::string& directory,
                                             const std::string& file) {
    const auto library = platform::file_identity(platform::resolve_case(directory));
    if (!library) {
        return std::nullopt;
    }
    for (std::size_t cut = file.find(kSeparator, 1); cut != std::string::npos;
         cut = file.find(kSeparator, cut + 1)) {
        if (platform::file_identity(file.substr(0, cut)) == library) {
            return file.substr(cut + 1);
        }
    }
    return std::nullopt;
}

}  // namespace

std::string ToolReference(const std::string& tool_directory, const std::string& tool_file_path) {
    if (tool_directory.empty() || tool_file_path.empty()) {
        return {};
    }
    const std::string directory = platform::absolute_normal_path(tool_directory);
    const std::string file = platform::absolute_normal_path(tool_file_path);
    std::optional<std::string> below = below_by_text(directory, file);
    if (!below) {
        below = below_by_identity(directory, file);
    }
    if (!below) {
        return {};
    }
    std::string reference = ".\\" + *below;
    // The CAM system keeps the reference in Windows form.
    std::replace(reference.begin(), reference.end(), kSeparator, '\\');
    return EscapeAmpersands(reference);
}

std::string ToolReferencePath(const std::string& tool_directory, const std::string& reference) {
    if (tool_directory.empty() || reference.size() < 3 || reference[0] != '.' ||
        !platform::is_separator(reference[1])) {
        return {};
    }
    std::vector<std::string> parts(1);
    for (std::size_t i = 2; i < reference.size(); ++i) {
        const char c = reference[i];
        if (c == '\\' && i + 1 < reference.size() && reference[i + 1] == '&') {
            parts.back() += '&';
            ++i;
        } else if (platform::is_separator(c)) {
            parts.emplace_back();
        } else {
            parts.back() += c;
        }
    }
    std::vector<std::string> kept;
    for (const std::string& part : parts) {
        if (part == "..") {
            if (kept.empty()) {
                return {};
            }
            kept.pop_back();
        } else if (!part.empty() && part != ".") {
            kept.push_back(part);
        }
    }
    if (kept.empty()) {
        return {};
    }
    std::string path = tool_directory;
    for (const std::string& part : kept) {
        path = platform::join_path(path, part);
    }
    return platform::resolve_case(path);
}

bool SameToolReference(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        const char x = a[i] == '/' ? '\\' : platform::ascii_upper(a[i]);
        const char y = b[i] == '/' ? '\\' : platform::ascii_upper(b[i]);
        if (x != y) {
            return false;
        }
    }
    return true;
}
