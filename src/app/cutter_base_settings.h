#pragma once
// The program's own remembered state: the last tool directory and the consistency-message
// switch. The user's file is the one Close writes; the installation's file, beside the
// program, and the system's files (a package installs the program where no settings belong)
// hold the defaults that every user starts from.

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "language/ini_file.h"

class CutterBaseSettings : public IniFile {
public:
    static constexpr const char* kProductMarker = "Karvex - CutterBase";

    // `path` is the user's file; `installation_path` (may be empty) the installation's;
    // `system_paths` the system's files, least important first.
    explicit CutterBaseSettings(const std::string& path, int report_missing = 0,
                                const std::string& installation_path = {},
                                std::vector<std::string> system_paths = {})
        : IniFile(path, report_missing),
          installation_path_(installation_path),
          system_paths_(std::move(system_paths)) {}

    // Reads each system file that exists, then the installation's, then the user's over them
    // (Check): a key a file lacks keeps the value of the files before it. A file of another
    // product is announced and changes nothing. Returns whether the user's file exists.
    int Read();
    // Close's write: the user's file afresh, its missing folders created. False when nothing
    // was written; the old file is then untouched.
    bool Save();

    const std::string& InstallationPath() const { return installation_path_; }
    // The files the last Read found, in the order it read them; the user's file last.
    const std::vector<std::string>& LayersRead() const { return layers_read_; }
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
    std::vector<std::string> system_paths_;
    std::vector<std::string> layers_read_;
    std::string last_tool_directory_;
    std::int32_t show_consistency_message_ = 0;
};
