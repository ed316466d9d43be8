#include "tool/level_file_depth.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

#include "platform/filesystem.h"
#include "platform/number_text.h"

namespace {

constexpr int kNumbersPerPoint = 3;

// One number as a float; nullopt when the text does not start with one.
std::optional<float> ReadNumber(std::string_view& text) {
    const platform::ParsedDouble parsed = platform::parse_leading_double(text);
    if (parsed.consumed == 0) {
        return std::nullopt;
    }
    text.remove_prefix(parsed.consumed);
    // As in a tool file: a number beyond the float range is no value.
    if (!(std::fabs(parsed.value) <= std::numeric_limits<float>::max())) {
        return 0.0f;
    }
    return static_cast<float>(parsed.value);
}

}  // namespace

std::string FedrixLevelFilePath(const std::string& workzone_directory,
                                std::int32_t toolpath_number) {
    return platform::join_path(workzone_directory,
                               "outil" + std::to_string(toolpath_number) + ".niv");
}

double LevelDepthOfText(std::string_view text) {
    double depth = 0.0;
    for (;;) {
        double third = 0.0;
        for (int i = 0; i < kNumbersPerPoint; ++i) {
            const std::optional<float> number = ReadNumber(text);
            if (!number) {
                return depth;
            }
            third = *number;
        }
        depth = std::max(depth, third);
    }
}

double LevelFileDepth(const std::string& path) {
    const std::optional<std::string> text = platform::read_file(path);
    return text ? LevelDepthOfText(*text) : 0.0;
}
