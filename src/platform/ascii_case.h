#pragma once
// Case folding for names on disk. Linux names are usually UTF-8, so only ASCII letters fold:
// folding single bytes above 0x7F would split multi-byte characters.

#include <string_view>

namespace platform {

inline char ascii_upper(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

inline bool ascii_equal_ignoring_case(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (ascii_upper(a[i]) != ascii_upper(b[i])) {
            return false;
        }
    }
    return true;
}

// Orders by the upper-cased bytes, as the Windows file system sorts names; bytes compare
// unsigned. Names equal ignoring case are ordered by their bytes so the order is total.
inline int ascii_compare_ignoring_case(std::string_view a, std::string_view b) {
    const std::size_t n = a.size() < b.size() ? a.size() : b.size();
    for (std::size_t i = 0; i < n; ++i) {
        const auto ca = static_cast<unsigned char>(ascii_upper(a[i]));
        const auto cb = static_cast<unsigned char>(ascii_upper(b[i]));
        if (ca != cb) {
            return ca < cb ? -1 : 1;
        }
    }
    if (a.size() != b.size()) {
        return a.size() < b.size() ? -1 : 1;
    }
    return a.compare(b) < 0 ? -1 : (a.compare(b) > 0 ? 1 : 0);
}

}  // namespace platform
