#pragma once
// The installation's 8-bit code page, Windows-1252. The core keeps text in it as bytes; these
// conversions serve files in other encodings and the window layer's Unicode strings.

#include <string>
#include <string_view>

namespace platform {

// Characters the code page cannot hold become '?', as Windows' own conversion does.
inline constexpr char kUnmappable = '?';

// UTF-16LE bytes (without the FF FE mark) to the code page; an odd last byte is dropped.
std::string utf16le_to_code_page(std::string_view bytes);
// UTF-8 to the code page; invalid sequences become '?'.
std::string utf8_to_code_page(std::string_view text);
std::string code_page_to_utf8(std::string_view text);

// Upper case within the code page, for names compared ignoring case.
char code_page_upper(char c);

}  // namespace platform
