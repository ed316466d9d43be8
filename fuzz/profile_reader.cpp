// Parses arbitrary bytes as a profile file, queries it and applies an edit in memory; checks
// that an untouched document gives its bytes back and that a stored value reads back.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "platform/profile.h"
#include "platform/profile_text.h"

namespace {

bool has_inner_blanks(std::string_view name) {
    return name.find_first_of("\t\v") != std::string_view::npos;
}

std::string expected_read_back(std::string_view value) {
    using namespace platform::profile_text;
    return std::string(unquote(trim_blanks(value)));
}

bool starts_with_utf16_mark(std::string_view bytes) {
    return bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == 0xFF &&
           static_cast<unsigned char>(bytes[1]) == 0xFE;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    // Bytes after the last \x01 name the edit: section, key and value split at the first two
    // '|'; the bytes before it are the file.
    std::string_view edit;
    std::string_view file = input;
    if (const std::size_t cut = input.rfind('\x01'); cut != std::string_view::npos) {
        edit = input.substr(cut + 1);
        file = input.substr(0, cut);
    }
    platform::ProfileDocument document = platform::ProfileDocument::parse(file);
    if (!starts_with_utf16_mark(file) && document.to_bytes() != file) {
        std::abort();
    }

    const auto sections = document.section_names();
    std::size_t queried = 0;
    for (const std::string& section : sections) {
        if (++queried > 8) {
            break;
        }
        for (const std::string& key : document.keys(section)) {
            (void)document.get_string(section, key, "default ", 1 + key.size() % 7);
            (void)document.get_int(section, key, -1);
        }
    }
    (void)document.get_string("", "", "d");

    const std::size_t first = edit.find('|');
    const std::size_t second = first == std::string_view::npos ? first : edit.find('|', first + 1);
    if (second == std::string_view::npos) {
        return 0;
    }
    const std::string_view section = edit.substr(0, first);
    const std::string_view key = edit.substr(first + 1, second - first - 1);
    const std::string_view value = edit.substr(second + 1);
    switch (value.empty() ? 0 : static_cast<unsigned char>(value.front()) % 4) {
        case 0:
            (void)document.remove_key(section, key);
            break;
        case 1:
            (void)document.remove_section(section);
            break;
        default:
            if (document.set(section, key, value)) {
                const std::string bytes = document.to_bytes();
                const auto reread = platform::ProfileDocument::parse(bytes);
                if (!starts_with_utf16_mark(bytes) && !has_inner_blanks(section) &&
                    !has_inner_blanks(key) &&
                    reread.value(section, key) != expected_read_back(value)) {
                    std::abort();
                }
            }
            break;
    }
    (void)document.to_bytes();
    return 0;
}
