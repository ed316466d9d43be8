// Typed reads and writes of record fields.

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <new>
#include <string>
#include <type_traits>
#include <vector>

#include "runtime/record_file.h"
#include "runtime/record_unit.h"
#include "runtime/status.h"

using namespace record_detail;

namespace {

bool known_type(char type) {
    return std::strchr("LCWIRDS", type) != nullptr && type != '\0';
}

// Moves the cursor onto a format entry with values left: 0, -33 malformed text, -34 none left.
int advance_entry(const Unit& u, Cursor& c) {
    while (c.remaining == 0) {
        const std::string& f = u.format;
        if (c.format >= f.size()) {
            return kStatusEndOfRecord;
        }
        // "%03d%c ": the trailing blank of the last entry may be missing.
        if (f.size() - c.format < kFormatEntryWidth - 1) {
            return kStatusTypeMismatch;
        }
        int count = 0;
        for (std::size_t i = 0; i < 3; ++i) {
            char digit = f[c.format + i];
            if (digit < '0' || digit > '9') {
                return kStatusTypeMismatch;
            }
            count = count * 10 + (digit - '0');
        }
        char type = f[c.format + 3];
        std::size_t next = c.format + kFormatEntryWidth;
        if (!known_type(type) || (next <= f.size() && f[next - 1] != ' ')) {
            return kStatusTypeMismatch;
        }
        c.format = std::min(next, f.size());
        c.remaining = count;
        c.type = type;
    }
    return kStatusOk;
}

// Claims the next field of `type` and `size` bytes (`size` 0: a text, sized by its first byte).
// Returns the status; on success `at` and `size` locate the value's bytes in the buffer.
int take_field(const Unit& u, Cursor& c, char type, std::size_t* at, std::size_t* size) {
    if (u.formatted) {
        int status = advance_entry(u, c);
        if (status != kStatusOk) {
            return status;
        }
        if (c.type != type) {
            return kStatusTypeMismatch;
        }
    }
    std::size_t left = u.buffer.size() - c.data;
    std::size_t start = c.data;
    if (type == kFieldText) {
        if (left < 1 || left - 1 < u.buffer[c.data]) {
            return kStatusEndOfRecord;
        }
        *size = u.buffer[c.data];
        start += 1;
    } else if (left < *size) {
        return kStatusEndOfRecord;
    }
    *at = start;
    c.data = start + *size;
    if (u.formatted) {
        c.remaining -= 1;
    }
    return kStatusOk;
}

// The unit for a read with a current record, or nullptr with the status.
Unit* reader(int unit, int* status) {
    Unit* u = find_unit(unit);
    if (u == nullptr) {
        *status = kStatusNoSuchUnit;
    } else if (u->mode == 0) {
        *status = kStatusUnitNotOpen;
    } else if (u->mode != kRecordModeRead) {
        *status = kStatusBadMode;
    } else if (u->record_number == 0) {
        *status = kStatusEndOfRecord;
    } else {
        *status = kStatusOk;
        return u;
    }
    return nullptr;
}

template <typename T>
T decode(const Unit& u, std::size_t at) {
    T value;
    if constexpr (sizeof(T) == 1) {
        value = static_cast<T>(u.buffer[at]);
    } else {
        using Raw =
            std::conditional_t<sizeof(T) == 2, std::uint16_t,
                               std::conditional_t<sizeof(T) == 4, std::uint32_t, std::uint64_t>>;
        Raw raw;
        std::memcpy(&raw, u.buffer.data() + at, sizeof raw);
        if (u.other_order) {
            if constexpr (sizeof(T) == 2) {
                raw = swap16(raw);
            } else if constexpr (sizeof(T) == 4) {
                raw = swap32(raw);
            } else {
                raw = swap64(raw);
            }
        }
        std::memcpy(&value, &raw, sizeof value);
    }
    return value;
}

template <typename T>
int read_values(int unit, char type, T* values, int count) {
    int status;
    Unit* u = reader(unit, &status);
    if (u == nullptr) {
        return status;
    }
    if (count < 0) {
        return u->status = kStatusEndOfRecord;
    }
    Cursor c = u->cursor;
    for (int i = 0; i < count; ++i) {
        std::size_t at = 0;
        std::size_t size = sizeof(T);
        status = take_field(*u, c, type, &at, &size);
        if (status != kStatusOk) {
            return u->status = status;
        }
        if constexpr (std::is_same_v<T, bool>) {
            values[i] = u->buffer[at] != 0;
        } else {
            values[i] = decode<T>(*u, at);
        }
    }
    u->cursor = c;
    return u->status = kStatusOk;
}

// The unit for a write into a started record, or nullptr with the status.
Unit* writer(int unit, int* status) {
    Unit* u = find_unit(unit);
    if (u == nullptr) {
        *status = kStatusNoSuchUnit;
    } else if (u->mode == 0) {
        *status = kStatusUnitNotOpen;
    } else if (u->mode == kRecordModeRead || !u->pending) {
        *status = kStatusBadMode;
    } else {
        *status = kStatusOk;
        return u;
    }
    return nullptr;
}

// The format text after adding `count` values of `type`; false when it would exceed its bound.
bool extend_format(std::string& format, char type, int count) {
    if (!format.empty()) {
        std::size_t last = format.size() - kFormatEntryWidth;
        int previous =
            (format[last] - '0') * 100 + (format[last + 1] - '0') * 10 + (format[last + 2] - '0');
        if (format[last + 3] == type && previous < kMaxEntryCount) {
            int merged = std::min(kMaxEntryCount, previous + count);
            char digits[8];
            std::snprintf(digits, sizeof digits, "%03d", merged);
            format.replace(last, 3, digits, 3);
            count -= merged - previous;
        }
    }
    while (count > 0) {
        int part = std::min(kMaxEntryCount, count);
        char entry[16];
        std::snprintf(entry, sizeof entry, "%03d%c ", part, type);
        format += entry;
        count -= part;
    }
    return format.size() <= kMaxFormatText;
}

// Appends `bytes` as the data of `count` values of `type` to the started record.
int append(int unit, char type, int count, const unsigned char* bytes, std::size_t size) {
    int status;
    Unit* u = writer(unit, &status);
    if (u == nullptr) {
        return status;
    }
    if (count < 0) {
        return u->status = kStatusBufferTooSmall;
    }
    if (count == 0) {
        return u->status = kStatusOk;
    }
    try {
        std::string format = u->format;
        if (u->formatted && !extend_format(format, type, count)) {
            return u->status = kStatusBufferTooSmall;
        }
        std::size_t length = u->buffer.size() + size + (u->formatted ? format.size() + 1 : 0);
        if (length > kMaxRecordLength) {
            return u->status = kStatusBufferTooSmall;
        }
        // The record buffer grows in whole blocks.
        std::size_t needed = u->buffer.size() + size;
        if (needed > u->buffer.capacity()) {
            u->buffer.reserve((needed + kBufferBlock - 1) / kBufferBlock * kBufferBlock);
        }
        u->buffer.insert(u->buffer.end(), bytes, bytes + size);
        u->format = std::move(format);
    } catch (const std::bad_alloc&) {
        return u->status = kStatusNoMemory;
    }
    return u->status = kStatusOk;
}

template <typename T>
int write_values(int unit, char type, const T* values, int count) {
    std::vector<unsigned char> bytes;
    Unit* u = find_unit(unit);
    bool swap = u != nullptr && u->other_order;
    if (count > 0) {
        // More than a record can hold never reaches the allocator.
        if (static_cast<std::size_t>(count) > kMaxRecordLength / sizeof(T)) {
            return append(unit, type, count, nullptr, kMaxRecordLength + 1);
        }
        bytes.resize(static_cast<std::size_t>(count) * sizeof(T));
    }
    for (int i = 0; i < count; ++i) {
        unsigned char* out = bytes.data() + static_cast<std::size_t>(i) * sizeof(T);
        if constexpr (std::is_same_v<T, bool>) {
            *out = values[i] ? 1 : 0;
        } else if constexpr (sizeof(T) == 1) {
            std::memcpy(out, &values[i], 1);
        } else {
            using Raw = std::conditional_t<
                sizeof(T) == 2, std::uint16_t,
                std::conditional_t<sizeof(T) == 4, std::uint32_t, std::uint64_t>>;
            Raw raw;
            std::memcpy(&raw, &values[i], sizeof raw);
            if (swap) {
                if constexpr (sizeof(T) == 2) {
                    raw = swap16(raw);
                } else if constexpr (sizeof(T) == 4) {
                    raw = swap32(raw);
                } else {
                    raw = swap64(raw);
                }
            }
            std::memcpy(out, &raw, sizeof raw);
        }
    }
    return append(unit, type, count, bytes.data(), bytes.size());
}

}  // namespace

int record_peek_type(int unit, char* type) {
    int status;
    Unit* u = reader(unit, &status);
    if (u == nullptr) {
        return status;
    }
    *type = 0;
    if (!u->formatted) {
        return kStatusOk;
    }
    Cursor c = u->cursor;
    status = advance_entry(*u, c);
    if (status == kStatusOk) {
        *type = c.type;
    }
    return status;
}

int record_remaining(int unit, int* bytes) {
    int status;
    Unit* u = reader(unit, &status);
    *bytes = u == nullptr ? 0 : static_cast<int>(u->buffer.size() - u->cursor.data);
    return status;
}

int record_read_logical(int unit, bool* values, int count) {
    return read_values(unit, kFieldLogical, values, count);
}
int record_read_char(int unit, char* values, int count) {
    return read_values(unit, kFieldCharacter, values, count);
}
int record_read_short(int unit, std::int16_t* values, int count) {
    return read_values(unit, kFieldShort, values, count);
}
int record_read_int(int unit, std::int32_t* values, int count) {
    return read_values(unit, kFieldInteger, values, count);
}
int record_read_real(int unit, float* values, int count) {
    return read_values(unit, kFieldReal, values, count);
}
int record_read_double(int unit, double* values, int count) {
    return read_values(unit, kFieldDouble, values, count);
}

int record_read_text(int unit, char* destination, int length, int count) {
    int status;
    Unit* u = reader(unit, &status);
    if (u == nullptr) {
        return status;
    }
    if (count < 0) {
        return u->status = kStatusEndOfRecord;
    }
    auto width = static_cast<std::size_t>(std::max(length, 0));
    Cursor c = u->cursor;
    int result = kStatusOk;
    for (int i = 0; i < count; ++i) {
        std::size_t at = 0;
        std::size_t size = 0;
        status = take_field(*u, c, kFieldText, &at, &size);
        if (status != kStatusOk) {
            return u->status = status;
        }
        char* field = destination + static_cast<std::size_t>(i) * width;
        std::size_t copied = std::min(size, width);
        std::memcpy(field, u->buffer.data() + at, copied);
        std::memset(field + copied, ' ', width - copied);
        if (size > width) {
            result = kStatusBufferTooSmall;
        }
    }
    u->cursor = c;
    return u->status = result;
}

int record_read_text(int unit, std::string* text) {
    int status;
    Unit* u = reader(unit, &status);
    if (u == nullptr) {
        return status;
    }
    Cursor c = u->cursor;
    std::size_t at = 0;
    std::size_t size = 0;
    status = take_field(*u, c, kFieldText, &at, &size);
    if (status == kStatusOk) {
        text->assign(reinterpret_cast<const char*>(u->buffer.data() + at), size);
        u->cursor = c;
    }
    return u->status = status;
}

int record_read_bytes(int unit, void* destination, int count) {
    int status;
    Unit* u = reader(unit, &status);
    if (u == nullptr) {
        return status;
    }
    if (u->formatted) {
        return u->status = kStatusTypeMismatch;
    }
    if (count < 0 || u->buffer.size() - u->cursor.data < static_cast<std::size_t>(count)) {
        return u->status = kStatusEndOfRecord;
    }
    std::memcpy(destination, u->buffer.data() + u->cursor.data, static_cast<std::size_t>(count));
    u->cursor.data += static_cast<std::size_t>(count);
    return u->status = kStatusOk;
}

int record_start(int unit) {
    Unit* u = find_unit(unit);
    if (u == nullptr) {
        return kStatusNoSuchUnit;
    }
    if (u->mode == 0) {
        return kStatusUnitNotOpen;
    }
    if (u->mode == kRecordModeRead) {
        return u->status = kStatusBadMode;
    }
    int status = kStatusOk;
    if (u->pending) {
        status = write_pending(*u);
    }
    u->buffer.clear();
    u->format.clear();
    u->pending = true;
    u->record_key = static_cast<std::uint16_t>(static_cast<std::uint32_t>(u->count) + 1u);
    return u->status = status;
}

int record_write_logical(int unit, const bool* values, int count) {
    return write_values(unit, kFieldLogical, values, count);
}
int record_write_char(int unit, const char* values, int count) {
    return write_values(unit, kFieldCharacter, values, count);
}
int record_write_short(int unit, const std::int16_t* values, int count) {
    return write_values(unit, kFieldShort, values, count);
}
int record_write_int(int unit, const std::int32_t* values, int count) {
    return write_values(unit, kFieldInteger, values, count);
}
int record_write_real(int unit, const float* values, int count) {
    return write_values(unit, kFieldReal, values, count);
}
int record_write_double(int unit, const double* values, int count) {
    return write_values(unit, kFieldDouble, values, count);
}

int record_write_text(int unit, std::string_view text) {
    int status;
    Unit* u = writer(unit, &status);
    if (u == nullptr) {
        return status;
    }
    if (text.size() > 255) {
        return u->status = kStatusBufferTooSmall;
    }
    std::vector<unsigned char> bytes;
    bytes.push_back(static_cast<unsigned char>(text.size()));
    bytes.insert(bytes.end(), text.begin(), text.end());
    return append(unit, kFieldText, 1, bytes.data(), bytes.size());
}

int record_write_bytes(int unit, const void* bytes, int count) {
    int status;
    Unit* u = writer(unit, &status);
    if (u == nullptr) {
        return status;
    }
    if (u->formatted) {
        return u->status = kStatusTypeMismatch;
    }
    return append(unit, 0, count, static_cast<const unsigned char*>(bytes),
                  static_cast<std::size_t>(std::max(count, 0)));
}
