#pragma once
// The program's own remembered state: the last tool directory and the consistency-message
// switch. Check() reads the file when it exists; ResetFile(true) writes it afresh.

#include <cstdint>
#include <string>

#include "language/ini_file.h"

class CutterBaseSettings : public IniFile {
public:
    static constexpr const char* kProductMarker = "Karvex - CutterBase";
    static constexpr const char* kDefaultLastToolDirectory = "C:\\";

    explicit CutterBaseSettings(const std::string& path, int report_missing = 0)
        : IniFile(path, report_missing) {}

    const std::string& LastToolDirectory() const { return last_tool_directory_; }
    void SetLastToolDirectory(const std::string& directory) { last_tool_directory_ = directory; }
    std::int32_t ShowConsistencyMessage() const { return show_consistency_message_; }

protected:
    // Read: a file of another product is announced and leaves every field at its default.
    int OnFileFound() override;
    void Write() override;

private:
    std::string last_tool_directory_ = kDefaultLastToolDirectory;
    std::int32_t show_consistency_message_ = 0;
};
