#include "workzone/workzone_paths.h"

#include "platform/filesystem.h"

std::string ToolpathNumberText(int number) {
    if (number == 0) {
        return {};
    }
    if (number < 10000) {
        return std::to_string(number);
    }
    // Texts of every length are kept whole: cutting "3647.214748" would name another toolpath.
    return std::to_string(number % 10000) + "." + std::to_string(number / 10000);
}

std::string ToolpathFileName(int number, const std::string& extension) {
    return "outil" + ToolpathNumberText(number) + extension;
}

std::string ToolpathFilePath(const std::string& directory, int number,
                             const std::string& extension) {
    std::string name = ToolpathFileName(number, extension);
    if (directory.empty()) {
        return name;
    }
    if (platform::is_separator(directory.back())) {
        return directory + name;
    }
    return directory + platform::kPathSeparator + name;
}
