#pragma once
// Death tests match the whole fatal text literally: the runtime's texts are full of regex
// metacharacters ("(tmp)", "[%s]", "'/if'").

#include <string>
#include <string_view>

inline std::string literal_pattern(const std::string& text) {
    std::string pattern;
    for (char c : text) {
        if (std::string_view(".[]{}()\\*+?^$|").find(c) != std::string_view::npos) {
            pattern += '\\';
        }
        pattern += c;
    }
    return pattern;
}
