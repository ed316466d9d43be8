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
