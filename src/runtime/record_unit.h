#pragma once
// The state behind a record-file unit, shared by the record-file sources only.

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace record_detail {

inline constexpr long kHeaderSize = 160;
inline constexpr long kRecordHeaderSize = 4;
inline constexpr int kUnitsPerBlock = 16;
inline constexpr std::size_t kMaxFileName = 127;
inline constexpr std::size_t kMaxTag = 127;
inline constexpr std::size_t kMaxFormatText = 63;
inline constexpr std::size_t kFormatEntryWidth = 5;
inline constexpr int kMaxEntryCount = 999;
inline constexpr std::size_t kMaxRecordLength = 0xFFFF;
inline constexpr std::size_t kBufferBlock = 128;
// Stored in the creator's byte order: the bytes "KRVX" on a little-endian machine.
inline constexpr std::uint32_t kMagic = 0x5856524Bu;

// Header offsets.
inline constexpr int kOffsetMagic = 0;
inline constexpr int kOffsetWord4 = 4;
inline constexpr int kOffsetEnd = 8;
inline constexpr int kOffsetFirst = 12;
inline constexpr int kOffsetCount = 16;
inline constexpr int kOffsetWord20 = 20;
inline constexpr int kOffsetTag = 24;
inline constexpr int kOffsetFlags = 152;
inline constexpr int kOffsetComplete = 154;
inline constexpr int kOffsetFormatted = 155;

// Read position inside the current record.
struct Cursor {
    std::size_t data = 0;    // next data byte, an index into Unit::buffer
    std::size_t format = 0;  // next unparsed format entry, an index into Unit::format
    int remaining = 0;       // values left in the current format entry
    char type = 0;           // type letter of the current format entry
};

struct Unit {
    bool in_use = false;
    bool other_order = false;
    bool pending = false;  // a started record waits to be written
    int mode = 0;          // 0 while the unit is only reserved
    int status = 0;        // status of the last operation
    std::string name;
    std::FILE* stream = nullptr;
    std::array<unsigned char, kHeaderSize> header{};  // in the file's byte order

    // Header fields in this machine's order.
    std::int32_t end = 0;
    std::int32_t first = 0;
    std::int32_t count = 0;
    bool formatted = false;
    long file_size = 0;

    // Current record. Reading: buffer holds the record's data and `format` its format text.
    // Writing: both are built by the typed writes.
    std::vector<unsigned char> buffer;
    std::string format;
    Cursor cursor;
    long record_position = 0;  // offset of the current record's header
    int record_length = 0;
    int record_key = 0;
    int record_number = 0;  // 1-based; 0 when no record is current
    bool damaged = false;   // the last record could not be read: there is no way past it
};

// The unit with this number, or nullptr when it does not exist.
Unit* find_unit(int unit);

// Writes the started record at the end of the data: 0 or -26.
int write_pending(Unit& u);

std::uint16_t swap16(std::uint16_t value);
std::uint32_t swap32(std::uint32_t value);
std::uint64_t swap64(std::uint64_t value);

std::int32_t get_header_word(const Unit& u, int offset);
void put_header_word(Unit& u, int offset, std::int32_t value);

}  // namespace record_detail
