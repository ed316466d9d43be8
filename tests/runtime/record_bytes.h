#pragma once
// Builds record files byte by byte, in either byte order, for the record-file tests.

#include <cstdint>
#include <string>

namespace recordtest {

class Bytes {
public:
    explicit Bytes(bool big_endian) : big_(big_endian) {}

    Bytes& u8(unsigned value) { return put(value, 1); }
    Bytes& u16(std::uint16_t value) { return put(value, 2); }
    Bytes& u32(std::uint32_t value) { return put(value, 4); }
    Bytes& raw(const std::string& bytes) {
        data_ += bytes;
        return *this;
    }
    Bytes& zeros(std::size_t count) { return raw(std::string(count, '\0')); }
    const std::string& str() const { return data_; }

private:
    Bytes& put(std::uint32_t value, int width) {
        for (int i = 0; i < width; ++i) {
            data_ += static_cast<char>((value >> (big_ ? (width - 1 - i) * 8 : i * 8)) & 0xFF);
        }
        return *this;
    }

    bool big_;
    std::string data_;
};

struct HeaderFields {
    std::int32_t end = 160;
    std::int32_t first = 160;
    std::int32_t count = 0;
    unsigned complete = 1;  // byte 154
};

inline std::string header(bool big_endian, const HeaderFields& h) {
    Bytes b(big_endian);
    b.u32(0x5856524Bu).u32(0xFFFFFFFFu).u32(static_cast<std::uint32_t>(h.end));
    b.u32(static_cast<std::uint32_t>(h.first)).u32(static_cast<std::uint32_t>(h.count)).u32(0);
    return b.raw("crafted").zeros(121).u8(1).u8(1).u8(h.complete).u8(1).zeros(4).str();
}

// Its 4-byte header, the format text with its terminator, then the data.
inline std::string record(bool big_endian, std::uint16_t key, const std::string& format,
                          const std::string& data) {
    Bytes b(big_endian);
    b.u16(static_cast<std::uint16_t>(data.size() + format.size() + 1)).u16(key);
    return b.raw(format).u8(0).raw(data).str();
}

// A complete file: a header claiming `count` records and ending behind them.
inline std::string file(bool big_endian, std::int32_t count, const std::string& records) {
    const auto end = static_cast<std::int32_t>(160 + records.size());
    return header(big_endian, {.end = end, .count = count}) + records;
}

}  // namespace recordtest
