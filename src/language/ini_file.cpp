#include "language/ini_file.h"

#include "language/builtin_texts.h"
#include "language/current_profile.h"
#include "language/message_catalogue.h"
#include "language/profile_rewrite.h"
#include "platform/filesystem.h"

namespace {

std::string directory_of(const std::string& path) {
    const std::size_t separator = path.find_last_of("/\\");
    return separator == std::string::npos ? std::string() : path.substr(0, separator);
}

}  // namespace

IniFile::IniFile(const std::string& path, int report_missing)
    : path_(path), report_missing_(report_missing) {}

void IniFile::SetPath(const std::string& path, int report_missing) {
    path_ = path;
    report_missing_ = report_missing;
    exists_ = 0;
    language_index_ = 0;
}

void IniFile::SetLanguageIndex(int index) {
    language_index_ = index;
}

int IniFile::Check() {
    exists_ = !path_.empty() && platform::is_regular_file(path_) ? 1 : 0;
    if (exists_) {
        ProfileReading once(path_);
        ProfileSwitch use(path_);
        OnFileFound();
    } else if (report_missing_) {
        GetCatalogue()->InternalMessage("IniFile", 82, __DATE__, __TIME__,
                                        builtin_text(BuiltinText::IniFileMissing, language_index_),
                                        kButtonsOk, make_format_arguments(path_));
    }
    return exists_;
}

bool IniFile::ResetFile(bool delete_first) {
    if (path_.empty()) {
        return false;
    }
    if (delete_first) {
        // One level, as the directory utility creates it; the old file stays until the new one
        // is complete.
        const std::string directory = directory_of(path_);
        if (!directory.empty() && !platform::is_directory(directory) &&
            !platform::create_directory(directory)) {
            return false;
        }
    }
    ProfileRewrite rewrite(path_, delete_first);
    if (!rewrite.Ready()) {
        return false;
    }
    {
        ProfileSwitch use(path_);
        Write();
    }
    return rewrite.Commit();
}
