#pragma once
// The inside of a MessageDatabase, shared by the loader, the lookups and the tests.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "runtime/dynamic_storage.h"
#include "runtime/message_database.h"
#include "runtime/slot_index.h"

inline constexpr std::size_t kMaxSectionName = 99;
inline constexpr std::size_t kValueCapacity = 255;
inline constexpr std::int32_t kOriginProgram = -1;
inline constexpr std::uint8_t kRecordStorable = 0x1;

// Stored in the text store in front of each record's NUL-terminated text.
struct RecordHeader {
    std::int32_t origin;
    std::int32_t previous;
    std::uint16_t line;
    std::uint8_t flags;
    std::uint8_t reserved;
};
static_assert(sizeof(RecordHeader) == 12);

struct NameHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view name) const {
        return std::hash<std::string_view>{}(name);
    }
};
using NameIndex = std::unordered_map<std::string, std::uint16_t, NameHash, std::equal_to<>>;

struct MessageSection {
    std::string name;
    DynamicStorage* slots = nullptr;  // record offsets, int32 each, in insertion order
    std::uint16_t count = 0;
    // Parameter name -> slot of its first record, so that a lookup costs the same for every
    // name while the first definition in slot order still wins.
    SlotIndex first_slot;
};

struct MessageDatabase {
    DynamicStorage* text = nullptr;  // file-name registry and message records
    std::vector<MessageSection> sections;
    NameIndex first_section;
    std::vector<std::int32_t> file_names;    // offsets of registered paths
    std::vector<std::int32_t> record_texts;  // text offsets of all records, ascending
};

inline bool is_blank(char c) {
    return static_cast<unsigned char>(c) <= 32;
}
// Inline: the loader trims every line several times.
inline std::string_view trim_leading_blanks(std::string_view text) {
    std::size_t start = 0;
    while (start < text.size() && is_blank(text[start])) {
        ++start;
    }
    return text.substr(start);
}
inline std::string_view trim_trailing_blanks(std::string_view text) {
    std::size_t end = text.size();
    while (end > 0 && is_blank(text[end - 1])) {
        --end;
    }
    return text.substr(0, end);
}
inline std::string_view trim_blanks(std::string_view text) {
    return trim_trailing_blanks(trim_leading_blanks(text));
}

// The name of a parameter text (before the first "=", without surrounding blanks), or nullopt
// for a plain text line.
std::optional<std::string_view> parameter_name(std::string_view text);
// The value of a parameter text: after the first "=", leading blanks skipped.
std::string_view parameter_value(std::string_view text);

MessageDatabase* new_database();
// Offset of the path in the file-name registry, stored once per path; -1 when storage fails.
std::int32_t register_file(MessageDatabase& db, const std::string& path);

// Record access by offsets; the views stay valid until the next store into the database.
std::int32_t slot_record(const MessageDatabase& db, const MessageSection& section, int slot);
RecordHeader record_header(const MessageDatabase& db, std::int32_t record);
std::string_view record_text(const MessageDatabase& db, std::int32_t record);
std::string_view stored_text(const MessageDatabase& db, std::int32_t text_offset);
bool is_record_text(const MessageDatabase& db, std::int32_t text_offset);
// The record that holds the first parameter called `name`, or -1.
std::int32_t find_parameter(const MessageDatabase& db, std::uint16_t section,
                            std::string_view name);

// A base load's append; false when storage is exhausted.
bool append_message(MessageDatabase& db, std::uint16_t section, std::string_view text,
                    std::int32_t origin, int line);
// An overload's add-or-replace of a parameter text; false when storage is exhausted.
bool define_parameter(MessageDatabase& db, std::uint16_t section, std::string_view text,
                      std::int32_t origin, int line);
// Every lone "+" of the value becomes "+(%08X)" with the replaced record's text offset; "++"
// stays. The name is left alone so that the definition stays reachable under its name.
void rewrite_references(std::string_view text, std::int32_t previous_text, std::string& result);

void trim_database(MessageDatabase& db);
