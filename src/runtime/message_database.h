#pragma once
// Message databases filled from conditional message files: sections of lines, comments,
// /if /else /endif directives on environment variables, and overloads whose NAME = value lines
// replace earlier definitions and may refer to them with "+".

#include <cstdint>
#include <optional>
#include <string>

struct MessageDatabase;

inline constexpr std::uint16_t kNoSection = 65535;

// Base load (db == nullptr: a new database) or overload load (db given). Returns the database,
// or nullptr for a base load of a missing file. Syntax errors are fatal reports.
MessageDatabase* load_messages(MessageDatabase* db, const std::string& path);

// Section index by exact, case-sensitive name; kNoSection when absent or db is null.
std::uint16_t find_section(const MessageDatabase* db, const std::string& name);
std::uint16_t create_section(MessageDatabase* db, const std::string& name);
std::uint16_t section_count(const MessageDatabase* db);

// The resolved value of the first parameter called `name` (case-sensitive), "+" references
// resolved, at most 255 characters; nullopt when there is none.
std::optional<std::string> get_value(const MessageDatabase* db, std::uint16_t section,
                                     const std::string& name);
// Origin of the record get_value would answer from: "from '%s' line %d" or "set by program";
// nullopt when there is no such record.
std::optional<std::string> origin_description(const MessageDatabase* db, std::uint16_t section,
                                              const std::string& name);
// Enumeration in insertion order; nullopt past the end.
std::optional<std::string> get_message(const MessageDatabase* db, std::uint16_t section, int index);

// Adds or replaces a parameter as an overload would, with origin "set by program"; 0 or -1.
int add_definition(MessageDatabase* db, std::uint16_t section, const std::string& text);

// On at start; returns the previous mode.
bool set_storable_mode(bool on);

void free_database(MessageDatabase* db);
