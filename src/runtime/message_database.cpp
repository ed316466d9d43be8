#include <algorithm>
#include <cstring>
#include <limits>
#include <new>

#include "runtime/message_database_internal.h"
#include "runtime/report.h"

namespace {

constexpr std::int32_t kTextIncrement = 1024;
constexpr std::int32_t kSlotIncrement = 128;
constexpr std::size_t kMaxSections = kNoSection;  // the index 65535 means "none"
constexpr int kMaxMessages = std::numeric_limits<std::uint16_t>::max();

bool g_storable = true;

unsigned char* text_base(const MessageDatabase& db) {
    return static_cast<unsigned char*>(db.text->data);
}

std::int32_t* slots_of(const MessageSection& section) {
    return static_cast<std::int32_t*>(section.slots->data);
}

std::int32_t store_record(MessageDatabase& db, std::string_view text, std::int32_t origin,
                          std::int32_t previous, int line) {
    std::int32_t record = dynamic_storage_append(db.text, sizeof(RecordHeader) + text.size() + 1);
    if (record < 0) {
        return -1;
    }
    RecordHeader header{};
    header.origin = origin;
    header.previous = previous;
    header.line = static_cast<std::uint16_t>(std::clamp(line, 0, 65535));
    header.flags = g_storable ? kRecordStorable : 0;
    unsigned char* place = text_base(db) + record;
    std::memcpy(place, &header, sizeof header);
    std::memcpy(place + sizeof header, text.data(), text.size());
    place[sizeof header + text.size()] = '\0';
    db.record_texts.push_back(record + static_cast<std::int32_t>(sizeof header));
    return record;
}

bool valid_section(const MessageDatabase* db, std::uint16_t section) {
    return db != nullptr && section < db->sections.size();
}

// Whether the record in a slot is the parameter `name`: blanks, the name, blanks, "=". Read
// in place, since the slot index compares names on every probe.
auto names_of(const MessageDatabase& db, const MessageSection& section) {
    return [&db, &section](std::uint16_t slot, std::string_view name) {
        const char* text = reinterpret_cast<const char*>(text_base(db)) +
                           slot_record(db, section, slot) + sizeof(RecordHeader);
        while (*text != '\0' && is_blank(*text)) {
            ++text;
        }
        for (char c : name) {
            if (*text != c || c == '\0') {
                return false;
            }
            ++text;
        }
        while (*text != '\0' && is_blank(*text)) {
            ++text;
        }
        return *text == '=';
    };
}

}  // namespace

std::optional<std::string_view> parameter_name(std::string_view text) {
    std::size_t equals = text.find('=');
    if (equals == std::string_view::npos) {
        return std::nullopt;
    }
    return trim_blanks(text.substr(0, equals));
}

std::string_view parameter_value(std::string_view text) {
    std::size_t equals = text.find('=');
    if (equals == std::string_view::npos) {
        return {};
    }
    return trim_leading_blanks(text.substr(equals + 1));
}

MessageDatabase* new_database() {
    DynamicStorage* text = dynamic_storage_create(kTextIncrement);
    if (text == nullptr) {
        return nullptr;
    }
    auto* db = new MessageDatabase;
    db->text = text;
    return db;
}

std::int32_t register_file(MessageDatabase& db, const std::string& path) {
    for (std::int32_t offset : db.file_names) {
        if (stored_text(db, offset) == path) {
            return offset;
        }
    }
    std::int32_t offset = dynamic_storage_append_text(db.text, path);
    if (offset >= 0) {
        db.file_names.push_back(offset);
    }
    return offset;
}

std::int32_t slot_record(const MessageDatabase&, const MessageSection& section, int slot) {
    return slots_of(section)[slot];
}

RecordHeader record_header(const MessageDatabase& db, std::int32_t record) {
    RecordHeader header;
    std::memcpy(&header, text_base(db) + record, sizeof header);
    return header;
}

std::string_view record_text(const MessageDatabase& db, std::int32_t record) {
    return stored_text(db, record + static_cast<std::int32_t>(sizeof(RecordHeader)));
}

std::string_view stored_text(const MessageDatabase& db, std::int32_t text_offset) {
    return reinterpret_cast<const char*>(text_base(db) + text_offset);
}

bool is_record_text(const MessageDatabase& db, std::int32_t text_offset) {
    return std::binary_search(db.record_texts.begin(), db.record_texts.end(), text_offset);
}

std::int32_t find_parameter(const MessageDatabase& db, std::uint16_t section,
                            std::string_view name) {
    if (!valid_section(&db, section)) {
        return -1;
    }
    const MessageSection& s = db.sections[section];
    const std::optional<std::uint16_t> slot = s.first_slot.find(name, names_of(db, s));
    return slot ? slot_record(db, s, *slot) : -1;
}

bool append_message(MessageDatabase& db, std::uint16_t section, std::string_view text,
                    std::int32_t origin, int line) {
    MessageSection& s = db.sections[section];
    if (s.count >= kMaxMessages) {
        return false;
    }
    std::int32_t record = store_record(db, text, origin, -1, line);
    if (record < 0) {
        return false;
    }
    std::int32_t slot = dynamic_storage_append(s.slots, sizeof(std::int32_t));
    if (slot < 0) {
        return false;
    }
    slots_of(s)[s.count] = record;
    if (const std::optional<std::string_view> name = parameter_name(text)) {
        s.first_slot.add_if_absent(*name, s.count, names_of(db, s));
    }
    ++s.count;
    return true;
}

namespace {

// "+(%08X)" of the offset.
std::string reference_to(std::int32_t text_offset) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string reference = "+(00000000)";
    auto value = static_cast<std::uint32_t>(text_offset);
    for (int i = 9; i >= 2; --i, value >>= 4) {
        reference[static_cast<std::size_t>(i)] = kDigits[value & 0xF];
    }
    return reference;
}

}  // namespace

void rewrite_references(std::string_view text, std::int32_t previous_text, std::string& result) {
    const std::size_t equals = text.find('=');
    std::size_t plus = text.find('+', equals + 1);
    result.clear();
    if (plus == std::string_view::npos) {
        result.append(text);
        return;
    }
    const std::string reference = reference_to(previous_text);
    std::size_t copied = 0;
    for (; plus != std::string_view::npos; plus = text.find('+', plus)) {
        result.append(text.substr(copied, plus - copied));
        if (plus + 1 < text.size() && text[plus + 1] == '+') {
            result += "++";
            plus += 2;
        } else {
            result += reference;
            plus += 1;
        }
        copied = plus;
    }
    result.append(text.substr(copied));
}

bool define_parameter(MessageDatabase& db, std::uint16_t section, std::string_view text,
                      std::int32_t origin, int line) {
    std::optional<std::string_view> name = parameter_name(text);
    if (!name) {
        return false;
    }
    MessageSection& s = db.sections[section];
    const std::optional<std::uint16_t> found = s.first_slot.find(*name, names_of(db, s));
    if (!found) {
        return append_message(db, section, text, origin, line);
    }
    std::int32_t previous =
        slot_record(db, s, *found) + static_cast<std::int32_t>(sizeof(RecordHeader));
    // Kept between calls so that an overload allocates no text per line; the runtime is
    // single-threaded.
    static std::string rewritten;
    rewrite_references(text, previous, rewritten);
    std::int32_t record = store_record(db, rewritten, origin, previous, line);
    if (record < 0) {
        return false;
    }
    slots_of(s)[*found] = record;
    return true;
}

void trim_database(MessageDatabase& db) {
    dynamic_storage_trim(db.text);
    for (MessageSection& section : db.sections) {
        dynamic_storage_trim(section.slots);
    }
}

std::uint16_t find_section(const MessageDatabase* db, const std::string& name) {
    if (db == nullptr) {
        return kNoSection;
    }
    auto found = db->first_section.find(std::string_view(name));
    return found == db->first_section.end() ? kNoSection : found->second;
}

std::uint16_t create_section(MessageDatabase* db, const std::string& name) {
    if (db == nullptr || name.size() > kMaxSectionName || db->sections.size() >= kMaxSections) {
        return kNoSection;
    }
    DynamicStorage* slots = dynamic_storage_create(kSlotIncrement);
    if (slots == nullptr) {
        return kNoSection;
    }
    auto index = static_cast<std::uint16_t>(db->sections.size());
    MessageSection& section = db->sections.emplace_back();
    section.name = name;
    section.slots = slots;
    db->first_section.try_emplace(name, index);
    return index;
}

std::uint16_t section_count(const MessageDatabase* db) {
    return db == nullptr ? 0 : static_cast<std::uint16_t>(db->sections.size());
}

std::optional<std::string> get_message(const MessageDatabase* db, std::uint16_t section,
                                       int index) {
    if (!valid_section(db, section) || index < 0 || index >= db->sections[section].count) {
        return std::nullopt;
    }
    return std::string(record_text(*db, slot_record(*db, db->sections[section], index)));
}

int add_definition(MessageDatabase* db, std::uint16_t section, const std::string& text) {
    if (!valid_section(db, section)) {
        return -1;
    }
    std::string_view definition = trim_blanks(text);
    if (!parameter_name(definition)) {
        report_warning(format_text(
            "set_parameter : The program is trying to modify a non-parameter message: [%s] %s\n",
            db->sections[section].name.c_str(), text.c_str()));
        return -1;
    }
    return define_parameter(*db, section, definition, kOriginProgram, 0) ? 0 : -1;
}

bool set_storable_mode(bool on) {
    bool previous = g_storable;
    g_storable = on;
    return previous;
}

void free_database(MessageDatabase* db) {
    if (db == nullptr) {
        return;
    }
    for (MessageSection& section : db->sections) {
        dynamic_storage_free(section.slots);
    }
    dynamic_storage_free(db->text);
    delete db;
}
