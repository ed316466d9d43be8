#pragma once
// Numbers in files are written and read with the point as decimal separator, whatever the
// user's locale: these never consult it.

#include <cstdint>
#include <string>
#include <string_view>

namespace platform {

// "%.*f" of the C library, always with a point; a value that shows as zero has no sign
// ("0.000", never "-0.000").
std::string format_fixed(double value, int precision);

struct ParsedDouble {
    double value = 0.0;
    std::size_t consumed = 0;  // 0 when nothing fitted
};
// A decimal number at the start of the text: leading white space, optional sign, digits with an
// optional point and exponent. Conversion stops at the first character that does not fit; gives
// 0 when nothing fits. No "inf", "nan" or hexadecimal forms. A number beyond the double range
// gives +-HUGE_VAL.
ParsedDouble parse_leading_double(std::string_view text);

// A decimal integer at the start of the text: leading white space, optional sign, digits; 0
// when it does not start with a number; clamped to the 32-bit range.
std::int32_t parse_leading_int(std::string_view text);

}  // namespace platform
