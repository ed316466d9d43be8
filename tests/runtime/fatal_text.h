#pragma once
// Death tests match fatal texts literally: they are full of regex metacharacters ("(tmp)").

#include <string>
#include <string_view>

inline std::string literal_pattern(const std::string& text) {
    std::string pattern;
    for (char c : text) {
        pattern +=
            std::string_view(".[]{}()\\*+?^$|").find(c) != std::string_view::npos ? "\\" : "";
        pattern += c;
    }
    return pattern;
}
