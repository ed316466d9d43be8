#include "exchange/safe_name.h"

#include <algorithm>
#include <vector>

#include "platform/ascii_case.h"

namespace {

constexpr std::size_t kMaxPart = 200;
constexpr std::string_view kExtension = ".wkz";

std::string safe_part(std::string_view part) {
    std::string safe;
    for (const char c : part) {
        const auto byte = static_cast<unsigned char>(c);
        safe += byte < 0x20 || byte == 0x7F || c == '/' || c == '\\' ? '_' : c;
    }
    const auto first = safe.find_first_not_of(' ');
    if (first == std::string::npos) {
        return {};
    }
    safe = safe.substr(first, safe.find_last_not_of(' ') - first + 1);
    if (safe.size() > kMaxPart) {
        std::size_t cut = kMaxPart;
        // Not in the middle of a UTF-8 character.
        while (cut > 0 && (static_cast<unsigned char>(safe[cut]) & 0xC0) == 0x80) {
            --cut;
        }
        safe.resize(cut);
    }
    return safe;
}

bool ends_with_extension(std::string_view name) {
    return name.size() > kExtension.size() &&
           platform::ascii_equal_ignoring_case(name.substr(name.size() - kExtension.size()),
                                               kExtension);
}

}  // namespace

std::string SafeToolPath(std::string_view name, bool keep_folders) {
    std::vector<std::string> parts;
    if (keep_folders) {
        std::size_t start = 0;
        while (start <= name.size()) {
            const std::size_t end = std::min(name.find_first_of("/\\", start), name.size());
            std::string part = safe_part(name.substr(start, end - start));
            if (!part.empty() && part != "." && part != "..") {
                parts.push_back(std::move(part));
            }
            start = end + 1;
        }
    } else {
        std::string part = safe_part(name);
        if (part == "." || part == "..") {
            part = "_";
        }
        if (!part.empty()) {
            parts.push_back(std::move(part));
        }
    }
    if (parts.empty()) {
        return {};
    }
    std::string path;
    for (const std::string& part : parts) {
        path += (path.empty() ? "" : "/") + part;
    }
    if (!ends_with_extension(path)) {
        path += kExtension;
    }
    return path;
}
