#pragma once
// The program's own remembered state: the last tool directory and the consistency-message
// switch. The user's file is the one Close writes; the installation's file, beside the
// program, holds the defaults that every user starts from.

#include <cstdint>
#include <string>

#include "language/ini_file.h"

class CutterBaseSettings : public IniFile {
public:
    static constexpr const char* kProductMarker = "Karvex - CutterBase";

    // `path` is the user's file; `installation_path` (may be empty) the installation's.
    explicit CutterBaseSettings(const std::string& path, int report_missing = 0,
                                const std::string& installation_path = {})
        : IniFile(path, report_missing), installation_path_(installation_path) {}

    // Reads the installation's file when it exists, then the user's over it (Check): a key
    // the user's file lacks keeps the installation's value. A file of another product is
    // announced and changes nothing. Returns whether the user's file exists.
    int Read();
    // Close's write: the user's file afresh, its missing folders created. False when nothing
    // was written; the old file is then untouched.
    bool Save();

    const std::string& InstallationPath() const { return installation_path_; }
    const std::string& LastToolDirectory() const { return last_tool_directory_; }
    void SetLastToolDirectory(const std::string& directory) { last_tool_directory_ = directory; }
    std::int32_t ShowConsistencyMessage() const { return show_consistency_message_; }

protected:
    int OnFileFound() override;
    void Write() override;

private:
    // Reads the current profile, which is `file`.
    int ReadProfile(const std::string& file);

    std::string installation_path_;
    std::string last_tool_directory_;
    std::int32_t show_consistency_message_ = 0;
};
