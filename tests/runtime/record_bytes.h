#pragma once
// Builds record files byte by byte, in either byte order, for the record-file tests.

#include <cstdint>
#include <cstring>
#include <string>

namespace recordtest {

inline constexpr std::uint32_t kMagic = 0x5856524Bu;

class Bytes {
public:
    explicit Bytes(bool big_endian) : big_(big_endian) {}

    Bytes& u8(unsigned value) {
        data_ += static_cast<char>(value & 0xFF);
        return *this;
    }
    Bytes& u16(std::uint16_t value) { return put(value, 2); }
    Bytes& u32(std::uint32_t value) { return put(value, 4); }
    Bytes& u64(std::uint64_t value) { return put(value, 8); }
    Bytes& f32(float value) {
        std::uint32_t raw;
        std::memcpy(&raw, &value, 4);
        return u32(raw);
    }
    Bytes& f64(double value) {
        std::uint64_t raw;
        std::memcpy(&raw, &value, 8);
        return u64(raw);
    }
    Bytes& raw(const std::string& bytes) {
        data_ += bytes;
        return *this;
    }
    Bytes& zeros(std::size_t count) {
        data_.append(count, '\0');
        return *this;
    }
    const std::string& str() const { return data_; }
    std::size_t size() const { return data_.size(); }

private:
    Bytes& put(std::uint64_t value, int width) {
        for (int i = 0; i < width; ++i) {
            int shift = big_ ? (width - 1 - i) * 8 : i * 8;
            data_ += static_cast<char>((value >> shift) & 0xFF);
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
    bool formatted = true;
    unsigned complete = 1;  // byte 154
    std::string tag = "crafted";
};

inline std::string header(bool big_endian, const HeaderFields& h) {
    Bytes b(big_endian);
    b.u32(kMagic).u32(0xFFFFFFFFu).u32(static_cast<std::uint32_t>(h.end));
    b.u32(static_cast<std::uint32_t>(h.first)).u32(static_cast<std::uint32_t>(h.count)).u32(0);
    b.raw(h.tag).zeros(128 - h.tag.size());
    b.u8(1).u8(1).u8(h.complete).u8(h.formatted ? 1 : 0).zeros(4);
    return b.str();
}

// A record: its 4-byte header, then the format text with its terminator (when given), then
// the data.
inline std::string record(bool big_endian, std::uint16_t key, const std::string& format,
                          const std::string& data, bool formatted = true) {
    Bytes b(big_endian);
    std::size_t length = data.size() + (formatted ? format.size() + 1 : 0);
    b.u16(static_cast<std::uint16_t>(length)).u16(key);
    if (formatted) {
        b.raw(format).u8(0);
    }
    b.raw(data);
    return b.str();
}

}  // namespace recordtest
