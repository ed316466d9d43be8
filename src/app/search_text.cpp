#include "app/search_text.h"

#include "platform/code_page.h"

bool IsUtf8(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        std::size_t length = 0;
        if (lead < 0x80) {
            length = 1;
        } else if (lead >= 0xC2 && lead < 0xE0) {
            length = 2;
        } else if (lead >= 0xE0 && lead < 0xF0) {
            length = 3;
        } else if (lead >= 0xF0 && lead < 0xF5) {
            length = 4;
        } else {
            return false;
        }
        if (i + length > text.size()) {
            return false;
        }
        for (std::size_t k = 1; k < length; ++k) {
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) {
                return false;
            }
        }
        i += length;
    }
    return true;
}

std::string FoldSearchText(std::string_view text) {
    std::string folded;
    AppendFoldedSearchText(folded, text);
    return folded;
}

void AppendFoldedSearchText(std::string& out, std::string_view text) {
    bool ascii = true;
    for (const char c : text) {
        ascii = ascii && static_cast<unsigned char>(c) < 0x80;
    }
    const std::size_t start = out.size();
    if (!ascii && IsUtf8(text)) {
        out += platform::utf8_to_code_page(text);
    } else {
        out += text;
    }
    for (std::size_t i = start; i < out.size(); ++i) {
        out[i] = platform::code_page_upper(out[i]);
    }
}
