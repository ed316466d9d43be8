// Opening and closing record files, their header, and moving between records.

#include "runtime/record_file.h"

#include <climits>
#include <cstdint>
#include <cstring>
#include <new>

#include "platform/filesystem.h"
#include "runtime/record_unit.h"
#include "runtime/status.h"

using namespace record_detail;

namespace {

std::string g_tag = "CutterBase";
bool g_formatted = false;

int fail(Unit& u, int status) {
    u.status = status;
    return status;
}

void reset_record(Unit& u) {
    u.buffer.clear();
    u.format.clear();
    u.cursor = Cursor{};
    u.record_length = 0;
    u.record_key = 0;
    u.record_number = 0;
    u.damaged = false;
}

long file_size(std::FILE* stream) {
    if (std::fseek(stream, 0, SEEK_END) != 0) {
        return -1;
    }
    return std::ftell(stream);
}

bool read_at(std::FILE* stream, long position, void* destination, std::size_t size) {
    return std::fseek(stream, position, SEEK_SET) == 0 &&
           std::fread(destination, 1, size, stream) == size;
}

// Makes the record whose header sits at `position` current.
int load_record(Unit& u, long position, int number) {
    reset_record(u);
    u.damaged = true;
    std::uint16_t fields[2];
    if (position < kHeaderSize || position > u.file_size - kRecordHeaderSize ||
        !read_at(u.stream, position, fields, sizeof fields)) {
        return kStatusReadError;
    }
    if (u.other_order) {
        fields[0] = swap16(fields[0]);
        fields[1] = swap16(fields[1]);
    }
    long length = fields[0];
    if (length > u.file_size - position - kRecordHeaderSize) {
        return kStatusReadError;
    }
    std::vector<unsigned char> body(static_cast<std::size_t>(length));
    if (length > 0 && std::fread(body.data(), 1, body.size(), u.stream) != body.size()) {
        return kStatusReadError;
    }
    std::size_t data_begin = 0;
    if (u.formatted) {
        auto* terminator = static_cast<unsigned char*>(std::memchr(body.data(), 0, body.size()));
        if (terminator == nullptr) {
            return kStatusReadError;
        }
        auto format_length = static_cast<std::size_t>(terminator - body.data());
        if (format_length > kMaxFormatText) {
            return kStatusReadError;
        }
        u.format.assign(reinterpret_cast<const char*>(body.data()), format_length);
        data_begin = format_length + 1;
    }
    u.buffer.assign(body.begin() + static_cast<long>(data_begin), body.end());
    u.record_position = position;
    u.record_length = static_cast<int>(length);
    u.record_key = fields[1];
    u.record_number = number;
    u.damaged = false;
    return kStatusOk;
}

void fresh_header(Unit& u) {
    u.header.fill(0);
    u.other_order = false;
    std::memcpy(u.header.data() + kOffsetMagic, &kMagic, sizeof kMagic);
    put_header_word(u, kOffsetWord4, -1);
    put_header_word(u, kOffsetEnd, static_cast<std::int32_t>(kHeaderSize));
    put_header_word(u, kOffsetFirst, static_cast<std::int32_t>(kHeaderSize));
    put_header_word(u, kOffsetCount, 0);
    put_header_word(u, kOffsetWord20, 0);
    std::memcpy(u.header.data() + kOffsetTag, g_tag.data(), g_tag.size());
    u.header[kOffsetFlags] = u.header[kOffsetFlags + 1] = u.header[kOffsetComplete] = 1;
    u.header[kOffsetFormatted] = g_formatted ? 1 : 0;
    u.end = u.first = static_cast<std::int32_t>(kHeaderSize);
    u.count = 0;
    u.formatted = g_formatted;
}

// Reads and checks the header of an existing file.
int read_header(Unit& u) {
    u.file_size = file_size(u.stream);
    if (u.file_size < kHeaderSize || !read_at(u.stream, 0, u.header.data(), u.header.size())) {
        return kStatusReadError;
    }
    std::uint32_t magic;
    std::memcpy(&magic, u.header.data(), sizeof magic);
    if (magic == kMagic) {
        u.other_order = false;
    } else if (swap32(magic) == kMagic) {
        u.other_order = true;
    } else {
        return kStatusBadMagic;
    }
    if (u.header[kOffsetComplete] == 0) {
        return kStatusBadMode;
    }
    u.end = get_header_word(u, kOffsetEnd);
    u.first = get_header_word(u, kOffsetFirst);
    u.count = get_header_word(u, kOffsetCount);
    u.formatted = u.header[kOffsetFormatted] != 0;
    return kStatusOk;
}

int open_stream(Unit& u, int mode) {
    // An existing file is opened only when it is a regular file: a FIFO would block the open.
    u.stream = mode == kRecordModeCreate
                   ? std::fopen(u.name.c_str(), "w+b")
                   : platform::open_regular_stream(u.name, mode != kRecordModeRead);
    if (u.stream == nullptr) {
        return kStatusFileNotFound;
    }
    u.mode = mode;
    if (mode == kRecordModeCreate) {
        fresh_header(u);
        u.file_size = kHeaderSize;
        bool ok = std::fwrite(u.header.data(), 1, u.header.size(), u.stream) == u.header.size();
        return ok && std::fflush(u.stream) == 0 ? kStatusOk : kStatusWriteError;
    }
    int status = read_header(u);
    if (status != kStatusOk) {
        return status;
    }
    if (mode == kRecordModeRead) {
        return u.count > 0 ? load_record(u, u.first, 1) : kStatusOk;
    }
    // Appending goes to the end of the last record, which must lie inside the file.
    if (u.end < kHeaderSize || u.end > u.file_size || u.count < 0) {
        return kStatusReadError;
    }
    return kStatusOk;
}

void release(Unit& u) {
    if (u.stream != nullptr) {
        std::fclose(u.stream);
    }
    u = Unit{};
}

}  // namespace

namespace record_detail {

int write_pending(Unit& u) {
    u.pending = false;
    std::size_t length = u.buffer.size() + (u.formatted ? u.format.size() + 1 : 0);
    // The header's 32-bit position and count must still hold the file after this record.
    if (u.end > INT32_MAX - kRecordHeaderSize - static_cast<long>(length) || u.count == INT32_MAX) {
        u.buffer.clear();
        u.format.clear();
        return kStatusWriteError;
    }
    std::uint16_t fields[2] = {static_cast<std::uint16_t>(length),
                               static_cast<std::uint16_t>(u.record_key)};
    if (u.other_order) {
        fields[0] = swap16(fields[0]);
        fields[1] = swap16(fields[1]);
    }
    bool ok = std::fseek(u.stream, u.end, SEEK_SET) == 0 &&
              std::fwrite(fields, 1, sizeof fields, u.stream) == sizeof fields;
    if (ok && u.formatted) {
        ok = std::fwrite(u.format.c_str(), 1, u.format.size() + 1, u.stream) == u.format.size() + 1;
    }
    if (ok && !u.buffer.empty()) {
        ok = std::fwrite(u.buffer.data(), 1, u.buffer.size(), u.stream) == u.buffer.size();
    }
    // Flushed per record so that a failed write is reported for the record that caused it.
    ok = ok && std::fflush(u.stream) == 0;
    u.buffer.clear();
    u.format.clear();
    if (!ok) {
        return kStatusWriteError;
    }
    u.end += static_cast<std::int32_t>(kRecordHeaderSize + static_cast<long>(length));
    u.count += 1;
    return kStatusOk;
}

}  // namespace record_detail

void set_record_program(std::string_view tag, bool formatted) {
    g_tag.assign(tag.substr(0, kMaxTag));
    g_formatted = formatted;
}

void record_open(int* unit, const char* name, int length, int mode, int* status) {
    std::string text(name, length > 0 ? strnlen(name, static_cast<std::size_t>(length)) : 0);
    while (!text.empty() && text.back() == ' ') {
        text.pop_back();
    }
    record_open(unit, text, mode, status);
}

void record_open(int* unit, const std::string& name, int mode, int* status) {
    if (mode < kRecordModeRead || mode > kRecordModeUpdate) {
        *status = kStatusBadMode;
        return;
    }
    bool taken_here = *unit == 0;
    if (taken_here) {
        get_unit(unit, status);
        if (*status != kStatusOk) {
            return;
        }
    }
    Unit* u = find_unit(*unit);
    if (u == nullptr) {
        *status = kStatusNoSuchUnit;
        return;
    }
    if (u->mode != 0) {
        record_close(*unit);
    }
    *u = Unit{};
    u->in_use = true;
    if (name.empty() || name.size() > kMaxFileName || name.find('\0') != std::string::npos) {
        *status = fail(*u, kStatusFileNotFound);
        return;
    }
    try {
        u->name = name;
        u->buffer.reserve(kBufferBlock);
        *status = open_stream(*u, mode);
    } catch (const std::bad_alloc&) {
        *status = kStatusNoMemory;
    }
    if (*status != kStatusOk) {
        // A unit taken by this call goes back; one the caller named stays reserved for it.
        int failed = *status;
        release(*u);
        u->in_use = !taken_here;
        u->status = failed;
        if (taken_here) {
            *unit = 0;
        }
        return;
    }
    u->status = *status;
}

int record_close(int unit) {
    Unit* u = find_unit(unit);
    if (u == nullptr) {
        return kStatusNoSuchUnit;
    }
    if (u->mode == 0) {
        u->in_use = false;
        return kStatusUnitNotOpen;
    }
    int status = kStatusOk;
    if (u->pending) {
        status = write_pending(*u);
    }
    if (u->mode != kRecordModeRead) {
        u->header[kOffsetFlags] = u->header[kOffsetFlags + 1] = 1;
        put_header_word(*u, kOffsetEnd, u->end);
        put_header_word(*u, kOffsetCount, u->count);
        bool ok = std::fseek(u->stream, 0, SEEK_SET) == 0 &&
                  std::fwrite(u->header.data(), 1, u->header.size(), u->stream) == u->header.size();
        ok = std::fclose(u->stream) == 0 && ok;
        u->stream = nullptr;
        if (!ok && status == kStatusOk) {
            status = kStatusWriteError;
        }
    }
    release(*u);
    return status;
}

int record_file_info(int unit, RecordFileInfo* info) {
    Unit* u = find_unit(unit);
    if (u == nullptr) {
        return kStatusNoSuchUnit;
    }
    if (u->mode == 0) {
        return kStatusUnitNotOpen;
    }
    info->mode = u->mode;
    info->other_byte_order = u->other_order;
    info->formatted = u->formatted;
    const char* tag = reinterpret_cast<const char*>(u->header.data() + kOffsetTag);
    info->tag.assign(tag, strnlen(tag, kOffsetFlags - kOffsetTag));
    info->word4 = get_header_word(*u, kOffsetWord4);
    info->end = u->end;
    info->first = u->first;
    info->records = u->count;
    info->word20 = get_header_word(*u, kOffsetWord20);
    std::memcpy(info->flags, u->header.data() + kOffsetFlags, sizeof info->flags);
    return kStatusOk;
}

namespace {

// The unit for a reading operation, or nullptr with the status to give.
Unit* reading_unit(int unit, int* status) {
    Unit* u = find_unit(unit);
    *status = u == nullptr                 ? kStatusNoSuchUnit
              : u->mode == 0               ? kStatusUnitNotOpen
              : u->mode != kRecordModeRead ? kStatusBadMode
                                           : kStatusOk;
    return *status == kStatusOk ? u : nullptr;
}

int next_record(Unit& u) {
    if (u.record_number >= u.count) {
        return kStatusEndOfRecord;
    }
    long position = u.record_number == 0 ? static_cast<long>(u.first)
                                         : u.record_position + kRecordHeaderSize + u.record_length;
    try {
        return load_record(u, position, u.record_number + 1);
    } catch (const std::bad_alloc&) {
        reset_record(u);
        u.damaged = true;
        return kStatusNoMemory;
    }
}

}  // namespace

int record_next(int unit) {
    int status;
    Unit* u = reading_unit(unit, &status);
    if (u == nullptr) {
        return status;
    }
    if (u->damaged) {
        return fail(*u, kStatusReadError);
    }
    return fail(*u, next_record(*u));
}

int record_goto(int unit, int number) {
    int status;
    Unit* u = reading_unit(unit, &status);
    if (u == nullptr) {
        return status;
    }
    if (number < 1 || number > u->count) {
        return fail(*u, kStatusEndOfRecord);
    }
    reset_record(*u);
    while (u->record_number < number) {
        status = next_record(*u);
        if (status != kStatusOk) {
            return fail(*u, status);
        }
    }
    return fail(*u, kStatusOk);
}

int record_current(int unit, int* number, int* key, int* length) {
    int status;
    Unit* u = reading_unit(unit, &status);
    if (u == nullptr) {
        return status;
    }
    *number = u->record_number;
    *key = u->record_key;
    if (length != nullptr) {
        *length = u->record_length;
    }
    return kStatusOk;
}
