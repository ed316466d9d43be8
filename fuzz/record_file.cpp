// Opens arbitrary bytes as a record file, lists it, reads it with every typed read, then appends
// a record in update mode and lists the result again.

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

#include "runtime/record_dump.h"
#include "runtime/record_file.h"
#include "runtime/status.h"

namespace {

std::string scratch_path() {
    const char* base = access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
    return std::string(base) + "/cutterbase-fuzz-record-" + std::to_string(getpid()) + ".rec";
}

void read_everything(int unit) {
    std::string listing;
    record_dump(unit, &listing);
    if (record_goto(unit, 1) != kStatusOk) {
        return;
    }
    for (int records = 0; records < 64; ++records) {
        for (int field = 0; field < 16; ++field) {
            char type = 0;
            if (record_peek_type(unit, &type) != kStatusOk) {
                break;
            }
            bool l[2];
            char c[2];
            std::int16_t w[2];
            std::int32_t i[2];
            float r[2];
            double d[2];
            char text[8];
            record_read_logical(unit, l, 2);
            record_read_char(unit, c, 1);
            record_read_short(unit, w, 2);
            record_read_int(unit, i, 1);
            record_read_real(unit, r, 2);
            record_read_double(unit, d, 1);
            record_read_text(unit, text, 4, 2);
        }
        unsigned char bytes[16];
        record_read_bytes(unit, bytes, 3);
        if (record_next(unit) != kStatusOk) {
            break;
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::string path = scratch_path();
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) {
        return 0;
    }
    std::fwrite(data, 1, size, file);
    std::fclose(file);

    int unit = 0;
    int status = 0;
    record_open(&unit, path, kRecordModeRead, &status);
    if (status == kStatusOk) {
        read_everything(unit);
        record_close(unit);
    }
    unit = 0;
    record_open(&unit, path, kRecordModeUpdate, &status);
    if (status == kStatusOk) {
        record_start(unit);
        std::int32_t value = static_cast<std::int32_t>(size);
        record_write_int(unit, &value);
        record_write_text(unit, "fuzz");
        record_close(unit);
        unit = 0;
        record_open(&unit, path, kRecordModeRead, &status);
        if (status == kStatusOk) {
            read_everything(unit);
            record_close(unit);
        }
    }
    return 0;
}
