#include "platform/number_text.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace platform {

namespace {
bool is_c_space(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}
bool is_digit(char c) {
    return c >= '0' && c <= '9';
}

// Numbers of at most this many digits are below 2^53, as are the powers of ten up to 10^15.
constexpr std::size_t kExactDigits = 15;
constexpr double kPowersOfTen[kExactDigits + 1] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                                   1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};

// Leading white space and an optional sign; returns whether the sign is a minus.
bool skip_blanks_and_sign(std::string_view text, std::size_t& i) {
    while (i < text.size() && is_c_space(text[i])) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    return negative;
}
}  // namespace

std::string format_fixed(double value, int precision) {
    if (!std::isfinite(value)) {
        // The C library's spelling, so that a reader sees what a writer of old produced.
        if (std::isnan(value)) {
            return std::signbit(value) ? "-nan" : "nan";
        }
        return value < 0 ? "-inf" : "inf";
    }
    char buffer[400];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed,
                                precision < 0 ? 6 : precision);
    if (result.ec != std::errc()) {
        return {};
    }
    std::string_view text(buffer, static_cast<std::size_t>(result.ptr - buffer));
    if (text.front() == '-' && text.find_first_not_of("-0.") == std::string_view::npos) {
        text.remove_prefix(1);
    }
    return std::string(text);
}

ParsedDouble parse_leading_double(std::string_view text) {
    std::size_t i = 0;
    bool negative = skip_blanks_and_sign(text, i);
    std::size_t start = i;
    std::size_t mantissa_digits = 0;
    std::size_t fraction_digits = 0;
    std::uint64_t mantissa = 0;  // exact while mantissa_digits stays within kExactDigits
    while (i < text.size() && is_digit(text[i])) {
        mantissa = mantissa * 10 + static_cast<std::uint64_t>(text[i] - '0');
        ++i;
        ++mantissa_digits;
    }
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && is_digit(text[i])) {
            mantissa = mantissa * 10 + static_cast<std::uint64_t>(text[i] - '0');
            ++i;
            ++mantissa_digits;
            ++fraction_digits;
        }
    }
    if (mantissa_digits == 0) {
        return {};
    }
    const bool has_exponent = i < text.size() && (text[i] == 'e' || text[i] == 'E');
    if (!has_exponent && mantissa_digits <= kExactDigits) {
        // Both the digits as an integer and the power of ten are exact doubles, and a division
        // rounds correctly: the value is the one the full conversion below gives, only sooner.
        const double value = static_cast<double>(mantissa) / kPowersOfTen[fraction_digits];
        return {negative ? -value : value, i};
    }
    std::size_t end = i;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) {
            ++j;
        }
        if (j < text.size() && is_digit(text[j])) {
            while (j < text.size() && is_digit(text[j])) {
                ++j;
            }
            end = j;
        }
    }
    double value = 0.0;
    auto result =
        std::from_chars(text.data() + start, text.data() + end, value, std::chars_format::general);
    if (result.ec == std::errc::result_out_of_range) {
        // Too large or too small: decide by the exponent's sign like strtod does.
        std::string_view digits = text.substr(start, end - start);
        auto e = digits.find_first_of("eE");
        bool tiny = e != std::string_view::npos && e + 1 < digits.size() && digits[e + 1] == '-';
        value = tiny ? 0.0 : HUGE_VAL;
    } else if (result.ec != std::errc()) {
        return {};
    }
    return {negative ? -value : value, end};
}

std::int32_t parse_leading_int(std::string_view text) {
    std::size_t i = 0;
    bool negative = skip_blanks_and_sign(text, i);
    std::int64_t value = 0;
    constexpr std::int64_t kLimit = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
    while (i < text.size() && is_digit(text[i])) {
        value = value * 10 + (text[i] - '0');
        if (value > kLimit) {
            value = kLimit;
        }
        ++i;
    }
    if (negative) {
        value = -value;
    }
    if (value > std::numeric_limits<std::int32_t>::max()) {
        value = std::numeric_limits<std::int32_t>::max();
    }
    return static_cast<std::int32_t>(value);
}

}  // namespace platform
