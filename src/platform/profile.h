#pragma once
// Windows-style initialisation (profile) files: reading and writing by section and key with
// the behaviour of the Windows private-profile functions (not of a generic INI library).
//
// Two ways in: ProfileDocument parses a file once, answers many queries and is saved once;
// the read_profile_* / write_profile_* functions do one call each, reading the file anew.
// Writing keeps every byte of the file that the change does not touch and replaces the file
// atomically. Text is 8-bit; a file that starts with FF FE is read as UTF-16LE and converted
// to the code page, but is always written back as 8-bit text.

#include <cstddef>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace platform {

// A capacity that never cuts a value.
inline constexpr std::size_t kProfileNoLimit = std::numeric_limits<std::size_t>::max();

class ProfileDocument {
public:
    ProfileDocument() = default;

    static ProfileDocument parse(std::string_view bytes);
    // nullopt when the file is missing or cannot be read;
    // load(path).value_or(ProfileDocument()) reads it the way the per-call functions do.
    static std::optional<ProfileDocument> load(const std::string& path);

    // The value as stored (blanks around it removed, one outer pair of quotes removed), or
    // nullopt when the section or key is missing. Names match ignoring case; of the names
    // given here only spaces are trimmed.
    std::optional<std::string> value(std::string_view section, std::string_view key) const;
    // The value, or the default with its trailing spaces removed; cut to capacity - 1
    // characters.
    std::string get_string(std::string_view section, std::string_view key,
                           std::string_view default_value,
                           std::size_t capacity = kProfileNoLimit) const;
    // Optional sign and decimal digits up to the first other character, wrapped to 32 bits;
    // 0 for a value that does not start with a digit, the default for a missing or empty one.
    std::int32_t get_int(std::string_view section, std::string_view key,
                         std::int32_t default_value) const;
    bool has_section(std::string_view section) const;
    // Every section name in file order, duplicates repeated.
    std::vector<std::string> section_names() const;
    // The keys of the (first) section of that name; comments and lines without '=' left out.
    std::vector<std::string> keys(std::string_view section) const;

    // Sets a value, adding the key or section as needed. Returns false, changing nothing,
    // when the names or the value cannot be stored on one line and read back (line breaks,
    // NUL, '=' in the key, ']' in the section, a key that would read as a comment or header).
    bool set(std::string_view section, std::string_view key, std::string_view value);
    // Removes the key's line; a missing key is no error. An emptied section keeps its header.
    bool remove_key(std::string_view section, std::string_view key);
    // Removes the section's header and entries; its comment and blank lines stay.
    bool remove_section(std::string_view section);

    // True after a call that changed the document.
    bool modified() const { return modified_; }
    std::string to_bytes() const;
    // Atomic replace; fails, touching nothing, when the file is read-only or the directory
    // is missing or cannot be written.
    bool save(const std::string& path) const;

private:
    enum class LineKind { Blank, Comment, Entry, Other };
    struct Line {
        std::string text;  // without its line break
        std::string eol;   // "\r\n", "\n", "\r" or "" for a last line without one
        LineKind kind = LineKind::Other;
        std::string key;    // for entries: the name as written, blanks removed
        std::string value;  // for entries: blanks and outer quotes removed
    };
    struct Section {
        std::string header_text;
        std::string header_eol;
        std::string name;
        bool removed = false;  // header and entries gone, its comment lines kept in place
        std::vector<Line> lines;
        std::size_t next_same_name = kNoSection;  // the next live section of this name
    };
    // The live sections of one name, chained through next_same_name in file order.
    struct NameChain {
        std::size_t first = kNoSection;
        std::size_t last = kNoSection;
    };
    static constexpr std::size_t kNoSection = std::numeric_limits<std::size_t>::max();

    static Line make_line(std::string text, std::string eol);
    void append_section(Section section);
    const Section* find_section(std::string_view section) const;
    Section* find_section(std::string_view section);
    static const Line* find_key(const Section& section, std::string_view key);
    // The line break of the document's last line, nullptr for an empty document.
    std::string* last_eol();

    std::vector<Line> preamble_;  // lines before the first header: never read
    std::vector<Section> sections_;
    std::unordered_map<std::string, NameChain> index_;  // by upper-cased name
    bool modified_ = false;
};

// One call each, reading the file anew. A bare file name is relative to the current directory.
std::string read_profile_string(const std::string& path, std::string_view section,
                                std::string_view key, std::string_view default_value,
                                std::size_t capacity = kProfileNoLimit);
std::int32_t read_profile_int(const std::string& path, std::string_view section,
                              std::string_view key, std::int32_t default_value);
std::vector<std::string> read_profile_section_names(const std::string& path);
std::vector<std::string> read_profile_keys(const std::string& path, std::string_view section);

// Writes a value; nullopt ("no value") deletes the key. The directory must exist; a read-only
// file or an unwritable directory makes the call fail. A file is created only when something
// is written into it.
bool write_profile_string(const std::string& path, std::string_view section, std::string_view key,
                          std::optional<std::string_view> value);
bool delete_profile_section(const std::string& path, std::string_view section);

}  // namespace platform
