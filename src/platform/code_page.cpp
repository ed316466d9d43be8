#include "platform/code_page.h"

#include <array>
#include <cstdint>

namespace platform {
namespace {

// Unicode of the bytes 0x80 to 0x9F; the five unassigned bytes keep their C1 code points so
// they survive a round trip.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

char32_t to_unicode(unsigned char byte) {
    if (byte >= 0x80 && byte < 0xA0) {
        return kHighControls[byte - 0x80];
    }
    return byte;
}

char from_unicode(char32_t code) {
    if (code < 0x80 || (code >= 0xA0 && code <= 0xFF)) {
        return static_cast<char>(code);
    }
    for (std::size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] == code) {
            return static_cast<char>(0x80 + i);
        }
    }
    return kUnmappable;
}

void append_utf8(std::string& out, char32_t code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

}  // namespace

std::string utf16le_to_code_page(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() / 2);
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        const auto unit = static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) |
                                                (static_cast<unsigned char>(bytes[i + 1]) << 8));
        if (unit >= 0xD800 && unit <= 0xDBFF && i + 3 < bytes.size()) {
            const auto low = static_cast<char16_t>(static_cast<unsigned char>(bytes[i + 2]) |
                                                   (static_cast<unsigned char>(bytes[i + 3]) << 8));
            if (low >= 0xDC00 && low <= 0xDFFF) {
                i += 2;  // a pair stands for one character, which the code page cannot hold
            }
            out += kUnmappable;
            continue;
        }
        out += from_unicode(unit);
    }
    return out;
}

std::string utf8_to_code_page(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        std::size_t length = 0;
        char32_t code = 0;
        if (lead < 0x80) {
            length = 1;
            code = lead;
        } else if (lead >= 0xC2 && lead < 0xE0) {
            length = 2;
            code = lead & 0x1F;
        } else if (lead >= 0xE0 && lead < 0xF0) {
            length = 3;
            code = lead & 0x0F;
        } else if (lead >= 0xF0 && lead < 0xF5) {
            length = 4;
            code = lead & 0x07;
        }
        bool valid = length > 0 && i + length <= text.size();
        for (std::size_t k = 1; valid && k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            valid = (next & 0xC0) == 0x80;
            code = (code << 6) | (next & 0x3F);
        }
        // Overlong forms and surrogates are not characters.
        if (valid && ((length == 3 && (code < 0x800 || (code >= 0xD800 && code <= 0xDFFF))) ||
                      (length == 4 && (code < 0x10000 || code > 0x10FFFF)))) {
            valid = false;
        }
        if (!valid) {
            out += kUnmappable;
            ++i;
            continue;
        }
        out += from_unicode(code);
        i += length;
    }
    return out;
}

std::string code_page_to_utf8(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        append_utf8(out, to_unicode(static_cast<unsigned char>(c)));
    }
    return out;
}

char code_page_upper(char c) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 'a' && byte <= 'z') {
        return static_cast<char>(byte - 0x20);
    }
    if (byte >= 0xE0 && byte <= 0xFE && byte != 0xF7) {
        return static_cast<char>(byte - 0x20);
    }
    switch (byte) {
        case 0x9A:
        case 0x9C:
        case 0x9E:
            return static_cast<char>(byte - 0x10);
        case 0xFF:
            return static_cast<char>(0x9F);
        default:
            return c;
    }
}

}  // namespace platform
