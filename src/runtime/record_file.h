#pragma once
// Binary record files addressed by unit numbers. A file starts with a 160-byte header in the
// byte order of the machine that created it; records follow, each a 4-byte record header
// (length, record number) and its data. In a formatted file every record carries a format text
// of "%03d%c " entries that types its fields. Files of the other byte order are read and
// appended to as well. Every operation returns a status code (runtime/status.h).

#include <cstdint>
#include <string>
#include <string_view>

inline constexpr int kRecordModeRead = 1;
inline constexpr int kRecordModeCreate = 2;
inline constexpr int kRecordModeUpdate = 3;

// Field type letters of formatted records.
inline constexpr char kFieldLogical = 'L';
inline constexpr char kFieldCharacter = 'C';
inline constexpr char kFieldShort = 'W';
inline constexpr char kFieldInteger = 'I';
inline constexpr char kFieldReal = 'R';
inline constexpr char kFieldDouble = 'D';
inline constexpr char kFieldText = 'S';

// The first unused unit number (numbers start at 1), reserved until it is closed.
// Status 0, or -41 when no block of units can be allocated.
void get_unit(int* unit, int* status);

// Opens the first `length` characters of `name` (trailing blanks removed, at most 127) on
// `*unit`; with `*unit` 0 a free unit is taken and returned. A unit that is still open is
// closed first. Statuses: -11 no such unit, -13 bad mode or a file not marked complete,
// -21 cannot be opened, -25 header or first record unreadable, -26 header not written,
// -27 wrong magic in both byte orders, -41 no memory.
void record_open(int* unit, const char* name, int length, int mode, int* status);
void record_open(int* unit, const std::string& name, int mode, int* status);

// Writes the pending record, rewrites the header (modes 2 and 3) and frees the unit.
// -11 unknown unit, -12 unit not open, -26 a write did not complete.
int record_close(int unit);
// Closes every open unit; also runs when the process exits.
void record_close_all();

// The program's tag text (at most 127 characters) and whether the files it creates hold
// formatted records; both are written into the header of every file created afterwards.
void set_record_program(std::string_view tag, bool formatted);

struct RecordFileInfo {
    int mode = 0;
    bool other_byte_order = false;
    bool formatted = false;
    std::string tag;
    std::int32_t word4 = 0;       // -1 at creation
    std::int32_t end = 0;         // end of the last record
    std::int32_t first = 0;       // first record
    std::int32_t records = 0;     // number of records
    std::int32_t word20 = 0;      // 0 at creation
    unsigned char flags[3] = {};  // header bytes 152 to 154
};
int record_file_info(int unit, RecordFileInfo* info);

// Reading (mode 1). After opening, the first record is current.
// Makes the next record current: 0, -34 no more records, -25 the record cannot be read.
int record_next(int unit);
// Makes record `number` (1 for the first) current.
int record_goto(int unit, int number);
// Number (1-based), record-header value and stored length (format text included) of the
// current record; 0 when there is none.
int record_current(int unit, int* number, int* key, int* length = nullptr);
// The type letter of the next field of a formatted record (0 for an unformatted record):
// 0, -33 the format text is not well formed, -34 no field left.
int record_peek_type(int unit, char* type);
// Bytes of the current record not read yet.
int record_remaining(int unit, int* bytes);

// Typed reads of the next `count` values. -33 the format entry has another type, -34 past the
// record's data, -13 the unit is not open for reading. A failing read consumes nothing.
int record_read_logical(int unit, bool* values, int count = 1);
int record_read_char(int unit, char* values, int count = 1);
int record_read_short(int unit, std::int16_t* values, int count = 1);
int record_read_int(int unit, std::int32_t* values, int count = 1);
int record_read_real(int unit, float* values, int count = 1);
int record_read_double(int unit, double* values, int count = 1);
// `count` texts into consecutive `length`-character fields, blank-padded; a stored text longer
// than `length` gives its first part and -32.
int record_read_text(int unit, char* destination, int length, int count = 1);
int record_read_text(int unit, std::string* text);
// Raw bytes of an unformatted record (-33 in a formatted one).
int record_read_bytes(int unit, void* destination, int count);

// Writing (modes 2 and 3). Starting a record writes the pending one; -13 on a unit opened for
// reading, -26 when the pending record could not be written.
int record_start(int unit);
// Typed writes append to the started record; -32 when the record or its format text would
// outgrow its limits (65535 bytes, 63 characters of format), -13 when no record is started.
int record_write_logical(int unit, const bool* values, int count = 1);
int record_write_char(int unit, const char* values, int count = 1);
int record_write_short(int unit, const std::int16_t* values, int count = 1);
int record_write_int(int unit, const std::int32_t* values, int count = 1);
int record_write_real(int unit, const float* values, int count = 1);
int record_write_double(int unit, const double* values, int count = 1);
// A text of at most 255 characters (-32 for a longer one, nothing written).
int record_write_text(int unit, std::string_view text);
// Raw bytes into an unformatted record (-33 in a formatted file).
int record_write_bytes(int unit, const void* bytes, int count);
