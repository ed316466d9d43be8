#pragma once
// The parameter change file that the CAM system applies: one line without a line end,
// "!EDIT_LEVEL=N " followed by "&NAME=VALUE " entries.

#include <cstdint>
#include <string>

class ParameterChangeFile {
public:
    // Text values have every "&" written as "\&".
    void AddText(const std::string& name, const std::string& value);
    void AddReal(const std::string& name, float value);
    void AddInteger(const std::string& name, std::int32_t value);
    // A text whose ampersands are escaped already (the tool reference).
    void AddEscapedText(const std::string& name, const std::string& escaped_value);

    // The file's bytes with the final edit level (1 to 4) in place of the placeholder.
    std::string Bytes(int edit_level) const;
    // Writes the file atomically; false when it cannot be written.
    bool Write(const std::string& path, int edit_level) const;

private:
    std::string entries_;
};

std::string EscapeAmpersands(const std::string& text);
