#include "workzone/workzone_paths.h"

#include "platform/filesystem.h"
#include "runtime/environment.h"

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

std::optional<std::string> WorkzoneDirectory() {
    std::optional<std::string> directory = get_variable("KVXZONE");
    if (!directory) {
        return std::nullopt;
    }
    // A lone root separator stays: it is a directory, not a trailing separator.
    while (!directory->empty() &&
           (directory->back() == ' ' ||
            (directory->size() > 1 && platform::is_separator(directory->back())))) {
        directory->pop_back();
    }
    return directory;
}
