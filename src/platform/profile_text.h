#pragma once
// Text rules shared by the profile parser and writer.

#include <string_view>

#include "platform/code_page.h"

namespace platform::profile_text {

// The blanks removed around names and values in a file: space, tab and vertical tab.
inline bool is_blank(char c) {
    return c == ' ' || c == '\t' || c == '\v';
}

inline std::string_view trim_blanks(std::string_view text) {
    while (!text.empty() && is_blank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && is_blank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

// Names given by a caller lose spaces only: a tab in front of a key is part of it.
inline std::string_view trim_spaces(std::string_view text) {
    while (!text.empty() && text.front() == ' ') {
        text.remove_prefix(1);
    }
    while (!text.empty() && text.back() == ' ') {
        text.remove_suffix(1);
    }
    return text;
}

inline std::string_view unquote(std::string_view value) {
    if (value.size() >= 2 && value.front() == value.back() &&
        (value.front() == '"' || value.front() == '\'')) {
        return value.substr(1, value.size() - 2);
    }
    return value;
}

inline bool names_equal(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (code_page_upper(a[i]) != code_page_upper(b[i])) {
            return false;
        }
    }
    return true;
}

}  // namespace platform::profile_text
