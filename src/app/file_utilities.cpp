#include "app/file_utilities.h"

#include <filesystem>
#include <optional>
#include <system_error>

#include "app/file_chooser.h"
#include "language/message_catalogue.h"
#include "platform/filesystem.h"

namespace {

constexpr const char* kModule = "basics";
constexpr const char* kSection = "GENERAL";

void strip_trailing_separators(std::string& directory) {
    while (directory.size() > 1 && directory.back() == platform::kPathSeparator) {
        directory.pop_back();
    }
}

bool names_directory(const std::string& directory) {
    if (directory.size() == 1 && directory[0] == platform::kPathSeparator) {
        // A search cannot name the root itself.
        return platform::is_directory(directory);
    }
    const auto entries = platform::find_files(directory);
    return !entries.empty() && entries.front().is_directory;
}

// The directory a search pattern lists, for joining the names it returns.
std::string search_directory(const std::string& pattern) {
    const auto slash = pattern.rfind(platform::kPathSeparator);
    if (slash == std::string::npos) {
        return {};
    }
    if (slash == 0) {
        return std::string(1, platform::kPathSeparator);
    }
    return platform::resolve_case(pattern.substr(0, slash));
}

bool delete_with_attributes_cleared(const std::string& path) {
    platform::make_writable(path);
    return platform::delete_file(path);
}

}  // namespace

bool ReadCurrentDirectory(std::string& directory) {
    const std::optional<std::string> current = platform::current_directory();
    if (!current || current->size() > kMaxCurrentDirectory) {
        return false;
    }
    directory = *current;
    return true;
}

bool ValidateDirectory(std::string& directory, bool report, bool fall_back) {
    strip_trailing_separators(directory);
    if (!directory.empty() && names_directory(directory)) {
        return true;
    }
    if (report) {
        Message(kModule, 245, __DATE__, __TIME__, kSection, "GENERAL_DIR_NOT_VALID", kButtonsOk,
                directory);
    }
    if (fall_back) {
        ReadCurrentDirectory(directory);
    }
    return false;
}

std::string AbsoluteDirectory(const std::string& directory) {
    if (directory.empty()) {
        return directory;
    }
    std::error_code error;
    std::filesystem::path absolute = std::filesystem::absolute(directory, error);
    if (error) {
        return directory;
    }
    std::string result = absolute.lexically_normal().string();
    strip_trailing_separators(result);
    return result;
}

bool NamesNonDirectory(const std::string& path) {
    std::string directory = path;
    return !ValidateDirectory(directory, false, false) && platform::exists(directory);
}

bool ValidateFile(const std::string& path, bool report) {
    if (!path.empty() && !platform::find_files(path).empty()) {
        return true;
    }
    if (report) {
        Message(kModule, 278, __DATE__, __TIME__, kSection, "GENERAL_FILE_NOT_VALID", kButtonsOk,
                path);
    }
    return false;
}

bool DeleteFileAsk(const std::string& path, bool ask) {
    return DeleteFileAsked(path, ask) == DeleteOutcome::Deleted;
}

DeleteOutcome DeleteFileAsked(const std::string& path, bool ask) {
    if (ask && Message(kModule, 291, __DATE__, __TIME__, kSection, "GENERAL_DELETE_FILE",
                       kButtonsYesNo, path) != kAnswerYes) {
        return DeleteOutcome::Declined;
    }
    const std::string on_disk = platform::resolve_case(path);
    std::error_code error;
    bool deleted = false;
    if (std::filesystem::is_symlink(on_disk, error)) {
        deleted = platform::delete_file(on_disk);
    } else if (!platform::is_directory(on_disk)) {
        deleted = delete_with_attributes_cleared(on_disk);
    }
    if (deleted) {
        return DeleteOutcome::Deleted;
    }
    return platform::exists(on_disk) ? DeleteOutcome::Failed : DeleteOutcome::AlreadyGone;
}

bool DeletePattern(const std::string& pattern) {
    const std::string directory = search_directory(pattern);
    for (const auto& entry : platform::find_files(pattern)) {
        if (entry.is_directory) {
            continue;
        }
        const std::string path =
            directory.empty() ? entry.name : platform::join_path(directory, entry.name);
        // A link is removed itself; its target's permissions are none of our business.
        const bool deleted =
            entry.is_symlink ? platform::delete_file(path) : delete_with_attributes_cleared(path);
        if (!deleted) {
            return false;
        }
    }
    return true;
}

bool CreateDirectoryAsk(const std::string& directory, bool ask) {
    std::string checked = directory;
    if (ValidateDirectory(checked, false, false)) {
        return true;
    }
    if (ask && Message(kModule, 550, __DATE__, __TIME__, kSection, "GENERAL_CREATE_DIR",
                       kButtonsYesNo, directory) != kAnswerYes) {
        return false;
    }
    return !checked.empty() && platform::create_directory(checked);
}

bool BrowseForDirectory(void* owner, const std::string& title, std::string& directory) {
    FileChooser* chooser = installed_file_chooser();
    if (owner == nullptr || chooser == nullptr) {
        return false;
    }
    const std::optional<std::string> chosen = chooser->choose_directory(owner, title);
    if (!chosen || chosen->size() > kMaxCurrentDirectory) {
        return false;
    }
    directory = *chosen;
    return !directory.empty();
}
