#include "runtime/record_dump.h"

#include <charconv>
#include <cstdint>

#include "runtime/record_file.h"
#include "runtime/report.h"
#include "runtime/status.h"

namespace {

void append_escaped(std::string* out, const std::string& text) {
    for (unsigned char c : text) {
        switch (c) {
            case '\\':
                *out += "\\\\";
                break;
            case '\t':
                *out += "\\t";
                break;
            case '\n':
                *out += "\\n";
                break;
            case '\r':
                *out += "\\r";
                break;
            default:
                if (c < 0x20 || c == 0x7F) {
                    *out += format_text("\\x%02X", c);
                } else {
                    *out += static_cast<char>(c);
                }
        }
    }
}

template <typename T>
std::string shortest(T value) {
    char text[64];
    auto result = std::to_chars(text, text + sizeof text, value);
    return std::string(text, result.ptr);
}

// Reads one value of `type` and appends it as a field; returns the read status.
int dump_field(int unit, char type, std::string* out) {
    int status = kStatusOk;
    std::string value;
    switch (type) {
        case kFieldLogical: {
            bool v = false;
            status = record_read_logical(unit, &v);
            value.assign(1, v ? '1' : '0');
            break;
        }
        case kFieldCharacter: {
            char v = 0;
            status = record_read_char(unit, &v);
            value.clear();
            append_escaped(&value, std::string(1, v));
            break;
        }
        case kFieldShort: {
            std::int16_t v = 0;
            status = record_read_short(unit, &v);
            value = std::to_string(v);
            break;
        }
        case kFieldInteger: {
            std::int32_t v = 0;
            status = record_read_int(unit, &v);
            value = std::to_string(v);
            break;
        }
        case kFieldReal: {
            float v = 0;
            status = record_read_real(unit, &v);
            value = shortest(v);
            break;
        }
        case kFieldDouble: {
            double v = 0;
            status = record_read_double(unit, &v);
            value = shortest(v);
            break;
        }
        default: {
            std::string v;
            status = record_read_text(unit, &v);
            append_escaped(&value, v);
            break;
        }
    }
    if (status == kStatusOk) {
        *out += '\t';
        *out += type;
        *out += ':';
        *out += value;
    }
    return status;
}

// Appends the fields of the current record; returns the status it ended with.
int dump_fields(int unit, bool formatted, std::string* out) {
    int status = kStatusOk;
    if (formatted) {
        for (;;) {
            char type = 0;
            status = record_peek_type(unit, &type);
            if (status != kStatusOk) {
                break;
            }
            status = dump_field(unit, type, out);
            if (status != kStatusOk) {
                break;
            }
        }
        if (status == kStatusEndOfRecord) {
            int left = 0;
            record_remaining(unit, &left);
            bool exhausted = left == 0;
            // Running out of format entries is the normal end; running out of data is not.
            char type = 0;
            if (record_peek_type(unit, &type) == kStatusEndOfRecord) {
                status = kStatusOk;
                if (!exhausted) {
                    *out += format_text("\tunread:%d", left);
                }
            }
        }
    } else {
        int left = 0;
        record_remaining(unit, &left);
        std::string bytes(static_cast<std::size_t>(left), '\0');
        status = record_read_bytes(unit, bytes.data(), left);
        *out += "\tbytes:";
        for (unsigned char c : bytes) {
            *out += format_text("%02x", c);
        }
    }
    if (status != kStatusOk) {
        *out += format_text("\terror:%d", status);
    }
    return status;
}

}  // namespace

int record_dump(int unit, const std::function<void(const std::string&)>& line) {
    RecordFileInfo info;
    int status = record_file_info(unit, &info);
    if (status != kStatusOk) {
        return status;
    }
    if (info.mode != kRecordModeRead) {
        return kStatusBadMode;
    }
    std::string out = "header\torder=";
    out += info.other_byte_order ? "swapped" : "native";
    out += "\ttag=";
    append_escaped(&out, info.tag);
    out += format_text(
        "\trecords=%d\tfirst=%d\tend=%d\tformatted=%d\tword4=%d\tword20=%d"
        "\tflags=%d,%d,%d\n",
        static_cast<int>(info.records), static_cast<int>(info.first), static_cast<int>(info.end),
        info.formatted ? 1 : 0, static_cast<int>(info.word4), static_cast<int>(info.word20),
        info.flags[0], info.flags[1], info.flags[2]);
    line(out);
    if (info.records < 0) {
        // No file holds fewer than no records: the header is damaged, not the file empty.
        line(format_text("error\t%d\n", kStatusReadError));
        return kStatusReadError;
    }
    int result = kStatusOk;
    for (int number = 1; number <= info.records; ++number) {
        status = number == 1 ? record_goto(unit, 1) : record_next(unit);
        if (status != kStatusOk) {
            line(format_text("error\t%d\n", status));
            return result != kStatusOk ? result : status;
        }
        int current = 0;
        int key = 0;
        int length = 0;
        record_current(unit, &current, &key, &length);
        out = format_text("record\t%d\tkey=%d\tlength=%d", current, key, length);
        status = dump_fields(unit, info.formatted, &out);
        out += '\n';
        line(out);
        if (status != kStatusOk && result == kStatusOk) {
            result = status;
        }
    }
    return result;
}

int record_dump(int unit, std::string* out) {
    return record_dump(unit, [out](const std::string& line) { *out += line; });
}
