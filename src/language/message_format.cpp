#include "language/message_format.h"

#include <charconv>
#include <climits>
#include <cmath>
#include <limits>

#include "platform/number_text.h"

namespace {

struct Field {
    bool left = false;
    bool plus = false;
    bool space = false;
    bool alternate = false;
    bool zero = false;
    int width = 0;
    int precision = -1;  // -1: none given
    int length = 0;      // bits of the integer argument: 8, 16, 32 or 64 (0: not given)
    char conversion = 0;
};

class ArgumentCursor {
public:
    explicit ArgumentCursor(const FormatArguments& arguments) : arguments_(arguments) {}
    const FormatArgument* next() {
        return index_ < arguments_.size() ? &arguments_[index_++] : nullptr;
    }

private:
    const FormatArguments& arguments_;
    std::size_t index_ = 0;
};

int clamp_field(std::int64_t value) {
    if (value < 0) {
        return 0;
    }
    return value > kMaxFormatField ? kMaxFormatField : static_cast<int>(value);
}

std::int64_t saturating_int64(double value) {
    if (std::isnan(value)) {
        return 0;
    }
    if (value >= 9223372036854775807.0) {
        return std::numeric_limits<std::int64_t>::max();
    }
    if (value <= -9223372036854775808.0) {
        return std::numeric_limits<std::int64_t>::min();
    }
    return static_cast<std::int64_t>(value);
}

// A text that is a whole decimal integer, as a raiser that only has texts passes numbers.
bool parse_whole_integer(const std::string& text, std::int64_t& value) {
    const char* begin = text.data();
    const char* end = begin + text.size();
    if (begin != end && *begin == '+') {
        ++begin;
        if (begin != end && *begin == '-') {
            return false;
        }
    }
    auto [ptr, ec] = std::from_chars(begin, end, value);
    return ec == std::errc() && ptr == end && begin != end;
}

bool parse_whole_real(const std::string& text, double& value) {
    if (text.empty()) {
        return false;
    }
    platform::ParsedDouble parsed = platform::parse_leading_double(text);
    value = parsed.value;
    return parsed.consumed == text.size();
}

void pad(std::string& out, int count, char fill) {
    if (count > 0) {
        out.append(static_cast<std::size_t>(count), fill);
    }
}

// Sign or prefix, then the body, padded to the width; zeros go between the two.
void emit_padded(std::string& out, const Field& field, const std::string& prefix,
                 const std::string& body, bool zero_allowed) {
    const int length = static_cast<int>(prefix.size() + body.size());
    const int missing = field.width - length;
    if (field.left) {
        out += prefix;
        out += body;
        pad(out, missing, ' ');
    } else if (field.zero && zero_allowed) {
        out += prefix;
        pad(out, missing, '0');
        out += body;
    } else {
        pad(out, missing, ' ');
        out += prefix;
        out += body;
    }
}

void emit_text(std::string& out, const Field& field, std::string_view text) {
    if (field.precision >= 0 && text.size() > static_cast<std::size_t>(field.precision)) {
        text = text.substr(0, static_cast<std::size_t>(field.precision));
    }
    emit_padded(out, field, {}, std::string(text), false);
}

std::string format_general(double value) {
    std::string out;
    char buffer[64];
    auto [ptr, ec] =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 6);
    if (ec == std::errc()) {
        out.assign(buffer, ptr);
    }
    return out;
}

std::string argument_text(const FormatArgument& argument) {
    if (const auto* text = std::get_if<std::string>(&argument)) {
        return *text;
    }
    if (const auto* integer = std::get_if<std::int64_t>(&argument)) {
        return std::to_string(*integer);
    }
    return format_general(std::get<double>(argument));
}

std::int64_t argument_integer(const FormatArgument& argument) {
    if (const auto* integer = std::get_if<std::int64_t>(&argument)) {
        return *integer;
    }
    if (const auto* real = std::get_if<double>(&argument)) {
        return saturating_int64(*real);
    }
    std::int64_t value = 0;
    parse_whole_integer(std::get<std::string>(argument), value);
    return value;
}

bool is_signed_conversion(char c) {
    return c == 'd' || c == 'i';
}

void emit_integer(std::string& out, const Field& field, std::int64_t raw) {
    const char c = field.conversion;
    bool negative = false;
    std::uint64_t magnitude = 0;
    if (is_signed_conversion(c)) {
        std::int64_t value = raw;
        switch (field.length) {
            case 8:
                value = static_cast<std::int8_t>(raw);
                break;
            case 16:
                value = static_cast<std::int16_t>(raw);
                break;
            case 64:
                break;
            default:
                value = static_cast<std::int32_t>(raw);
                break;
        }
        negative = value < 0;
        magnitude =
            negative ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
    } else {
        const auto value = static_cast<std::uint64_t>(raw);
        switch (field.length) {
            case 8:
                magnitude = static_cast<std::uint8_t>(value);
                break;
            case 16:
                magnitude = static_cast<std::uint16_t>(value);
                break;
            case 64:
                magnitude = value;
                break;
            default:
                magnitude = static_cast<std::uint32_t>(value);
                break;
        }
    }
    const int base = (c == 'o') ? 8 : (c == 'x' || c == 'X') ? 16 : 10;
    char buffer[32];
    auto [ptr, ec] = std::to_chars(buffer, buffer + sizeof buffer, magnitude, base);
    std::string digits = ec == std::errc() ? std::string(buffer, ptr) : std::string();
    if (c == 'X') {
        for (char& d : digits) {
            if (d >= 'a' && d <= 'f') {
                d = static_cast<char>(d - 'a' + 'A');
            }
        }
    }
    if (field.precision == 0 && magnitude == 0) {
        digits.clear();
    }
    if (field.precision > static_cast<int>(digits.size())) {
        digits.insert(0, static_cast<std::size_t>(field.precision) - digits.size(), '0');
    }
    std::string prefix;
    if (is_signed_conversion(c)) {
        if (negative) {
            prefix = "-";
        } else if (field.plus) {
            prefix = "+";
        } else if (field.space) {
            prefix = " ";
        }
    } else if (field.alternate) {
        if (c == 'o' && (digits.empty() || digits.front() != '0')) {
            digits.insert(0, 1, '0');
        } else if ((c == 'x' || c == 'X') && magnitude != 0) {
            prefix = c == 'x' ? "0x" : "0X";
        }
    }
    emit_padded(out, field, prefix, digits, field.precision < 0);
}

std::string chars(double value, std::chars_format format, int precision) {
    // Room for the integer digits of the largest double plus the precision.
    std::string buffer(static_cast<std::size_t>(precision) + 400, '\0');
    auto [ptr, ec] =
        precision < 0
            ? std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, format)
            : std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, format, precision);
    buffer.resize(ec == std::errc() ? static_cast<std::size_t>(ptr - buffer.data()) : 0);
    return buffer;
}

// Inserts a point before the exponent (or at the end) when there is none: the '#' flag.
void ensure_point(std::string& body, char exponent_letter) {
    if (body.find('.') != std::string::npos) {
        return;
    }
    const std::size_t at = exponent_letter != 0 ? body.find(exponent_letter) : std::string::npos;
    body.insert(at == std::string::npos ? body.size() : at, 1, '.');
}

std::string general_body(double magnitude, const Field& field) {
    int precision = field.precision < 0 ? 6 : (field.precision == 0 ? 1 : field.precision);
    const std::string scientific = chars(magnitude, std::chars_format::scientific, precision - 1);
    const std::size_t e = scientific.find('e');
    int exponent = 0;
    if (e != std::string::npos) {
        std::from_chars(scientific.data() + e + (scientific[e + 1] == '+' ? 2 : 1),
                        scientific.data() + scientific.size(), exponent);
    }
    std::string body;
    if (exponent < precision && exponent >= -4) {
        body = chars(magnitude, std::chars_format::fixed, precision - 1 - exponent);
    } else {
        body = scientific;
    }
    if (field.alternate) {
        ensure_point(body, 'e');
        return body;
    }
    const std::size_t point = body.find('.');
    if (point != std::string::npos) {
        std::size_t end = body.find('e');
        if (end == std::string::npos) {
            end = body.size();
        }
        std::size_t last = end;
        while (last > point + 1 && body[last - 1] == '0') {
            --last;
        }
        if (last == point + 1) {
            last = point;
        }
        body.erase(last, end - last);
    }
    return body;
}

void emit_real(std::string& out, const Field& field, double value) {
    const char c = field.conversion;
    const bool upper = c == 'F' || c == 'E' || c == 'G' || c == 'A';
    const char lower = static_cast<char>(upper ? c - 'A' + 'a' : c);
    const double magnitude = std::fabs(value);
    std::string prefix;
    if (std::signbit(value)) {
        prefix = "-";
    } else if (field.plus) {
        prefix = "+";
    } else if (field.space) {
        prefix = " ";
    }
    std::string body;
    const bool finite = std::isfinite(value);
    if (!finite) {
        body = std::isnan(value) ? "nan" : "inf";
    } else if (lower == 'f') {
        body =
            chars(magnitude, std::chars_format::fixed, field.precision < 0 ? 6 : field.precision);
        if (field.alternate) {
            ensure_point(body, 0);
        }
    } else if (lower == 'e') {
        body = chars(magnitude, std::chars_format::scientific,
                     field.precision < 0 ? 6 : field.precision);
        if (field.alternate) {
            ensure_point(body, 'e');
        }
    } else if (lower == 'g') {
        body = general_body(magnitude, field);
    } else {
        body = chars(magnitude, std::chars_format::hex, field.precision);
        if (field.alternate) {
            ensure_point(body, 'p');
        }
        prefix += "0x";
    }
    if (upper) {
        for (char& ch : body) {
            if (ch >= 'a' && ch <= 'z') {
                ch = static_cast<char>(ch - 'a' + 'A');
            }
        }
        for (char& ch : prefix) {
            if (ch == 'x') {
                ch = 'X';
            }
        }
    }
    emit_padded(out, field, prefix, body, finite);
}

bool is_integer_conversion(char c) {
    return c == 'd' || c == 'i' || c == 'u' || c == 'o' || c == 'x' || c == 'X';
}

bool is_real_conversion(char c) {
    return c == 'f' || c == 'F' || c == 'e' || c == 'E' || c == 'g' || c == 'G' || c == 'a' ||
           c == 'A';
}

// Digits of a width or precision, saturating instead of overflowing.
std::int64_t read_number(std::string_view format, std::size_t& i) {
    std::int64_t value = 0;
    while (i < format.size() && format[i] >= '0' && format[i] <= '9') {
        if (value < INT_MAX) {
            value = value * 10 + (format[i] - '0');
        }
        ++i;
    }
    return value;
}

void emit_argument(std::string& out, const Field& field, const FormatArgument& argument) {
    const char c = field.conversion;
    if (c == 's') {
        emit_text(out, field, argument_text(argument));
        return;
    }
    if (c == 'c') {
        std::string one;
        if (const auto* text = std::get_if<std::string>(&argument)) {
            one = text->substr(0, 1);
        } else {
            one.assign(1, static_cast<char>(argument_integer(argument)));
        }
        Field plain = field;
        plain.precision = -1;
        emit_text(out, plain, one);
        return;
    }
    if (const auto* text = std::get_if<std::string>(&argument)) {
        // A text that is no number of the right kind is shown as it stands.
        std::int64_t integer = 0;
        double real = 0.0;
        if (is_integer_conversion(c) && parse_whole_integer(*text, integer)) {
            emit_integer(out, field, integer);
        } else if (is_real_conversion(c) && parse_whole_real(*text, real)) {
            emit_real(out, field, real);
        } else {
            Field plain = field;
            plain.precision = -1;
            emit_text(out, plain, *text);
        }
        return;
    }
    if (is_integer_conversion(c)) {
        emit_integer(out, field, argument_integer(argument));
    } else if (const auto* real = std::get_if<double>(&argument)) {
        emit_real(out, field, *real);
    } else {
        emit_real(out, field, static_cast<double>(std::get<std::int64_t>(argument)));
    }
}

}  // namespace

std::string format_message(std::string_view format, const FormatArguments& arguments) {
    std::string out;
    ArgumentCursor cursor(arguments);
    std::size_t i = 0;
    while (i < format.size()) {
        const std::size_t percent = format.find('%', i);
        if (percent == std::string_view::npos) {
            out.append(format.substr(i));
            break;
        }
        out.append(format.substr(i, percent - i));
        i = percent + 1;
        Field field;
        for (; i < format.size(); ++i) {
            const char f = format[i];
            if (f == '-') {
                field.left = true;
            } else if (f == '+') {
                field.plus = true;
            } else if (f == ' ') {
                field.space = true;
            } else if (f == '#') {
                field.alternate = true;
            } else if (f == '0') {
                field.zero = true;
            } else {
                break;
            }
        }
        bool missing = false;
        if (i < format.size() && format[i] == '*') {
            ++i;
            const FormatArgument* width = cursor.next();
            missing = width == nullptr;
            const std::int64_t value = missing ? 0 : argument_integer(*width);
            if (value < 0) {
                field.left = true;
                field.width = value == std::numeric_limits<std::int64_t>::min()
                                  ? kMaxFormatField
                                  : clamp_field(-value);
            } else {
                field.width = clamp_field(value);
            }
        } else {
            field.width = clamp_field(read_number(format, i));
        }
        if (i < format.size() && format[i] == '.') {
            ++i;
            if (i < format.size() && format[i] == '*') {
                ++i;
                const FormatArgument* precision = cursor.next();
                missing = missing || precision == nullptr;
                const std::int64_t value = precision == nullptr ? 0 : argument_integer(*precision);
                field.precision = value < 0 ? -1 : clamp_field(value);
            } else {
                field.precision = clamp_field(read_number(format, i));
            }
        }
        while (i < format.size()) {
            const char m = format[i];
            if (m == 'h') {
                field.length = field.length == 16 ? 8 : 16;
            } else if (m == 'l' || m == 'L' || m == 'q' || m == 'j' || m == 'z' || m == 't') {
                field.length = 64;
            } else {
                break;
            }
            ++i;
        }
        if (i >= format.size()) {
            out.append(format.substr(percent));
            break;
        }
        field.conversion = format[i];
        ++i;
        const std::string_view own_text = format.substr(percent, i - percent);
        const char c = field.conversion;
        if (c == '%') {
            out += '%';
            continue;
        }
        if (!(c == 's' || c == 'c' || is_integer_conversion(c) || is_real_conversion(c))) {
            out.append(own_text);
            continue;
        }
        const FormatArgument* argument = missing ? nullptr : cursor.next();
        if (argument == nullptr) {
            out.append(own_text);
            continue;
        }
        emit_argument(out, field, *argument);
    }
    return out;
}
