#include "toolfiles/change_file.h"

#include "platform/filesystem.h"
#include "platform/number_text.h"

namespace {
// The level entry is written first with this placeholder and then rewritten in place; the
// placeholder and the final entry have the same length.
constexpr const char kLevelEntry[] = "!EDIT_LEVEL=1 ";
constexpr std::size_t kLevelDigit = sizeof kLevelEntry - 3;
}  // namespace

std::string EscapeAmpersands(const std::string& text) {
    std::string result;
    result.reserve(text.size());
    for (char c : text) {
        if (c == '&') {
            result += '\\';
        }
        result += c;
    }
    return result;
}

void ParameterChangeFile::AddText(const std::string& name, const std::string& value) {
    entries_ += '&' + name + '=' + EscapeAmpersands(value) + ' ';
}

void ParameterChangeFile::AddEscapedText(const std::string& name,
                                         const std::string& escaped_value) {
    entries_ += '&' + name + '=' + escaped_value + ' ';
}

void ParameterChangeFile::AddReal(const std::string& name, float value) {
    entries_ += '&' + name + '=' + platform::format_fixed(value, 3) + ' ';
}

void ParameterChangeFile::AddInteger(const std::string& name, std::int32_t value) {
    entries_ += '&' + name + '=' + std::to_string(value) + ' ';
}

std::string ParameterChangeFile::Bytes(int edit_level) const {
    std::string bytes = kLevelEntry + entries_;
    if (edit_level >= 1 && edit_level <= 9) {
        bytes[kLevelDigit] = static_cast<char>('0' + edit_level);
    }
    return bytes;
}

bool ParameterChangeFile::Write(const std::string& path, int edit_level) const {
    return platform::replace_file(path, Bytes(edit_level));
}
