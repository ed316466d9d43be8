#include "language/typed_profile.h"

#include <cfloat>
#include <cmath>

#include "language/current_profile.h"
#include "platform/number_text.h"

namespace {

// Keeps a caller's precision within what printf could sensibly print.
constexpr int kMaxPrecision = 64;

int printf_precision(int precision) {
    if (precision < 0) {
        return 6;
    }
    return precision > kMaxPrecision ? kMaxPrecision : precision;
}

double round_to_step(double value, int precision) {
    if (!std::isfinite(value) || precision > 300 || precision < -300) {
        return value;
    }
    const double step = std::pow(10.0, -precision);
    if (step < DBL_EPSILON) {
        return value;
    }
    const double scale = std::pow(10.0, precision);
    // Adding 0.0 drops the sign of a negative value rounded to zero.
    const double rounded = std::round(value * scale) / scale + 0.0;
    return std::isfinite(rounded) ? rounded : value;
}

// Blank-separated numbers from the start of the text, as many as fit.
std::vector<double> parse_reals(const std::string& text, std::size_t limit) {
    std::vector<double> values;
    std::string_view rest(text);
    while (values.size() < limit) {
        platform::ParsedDouble parsed = platform::parse_leading_double(rest);
        if (parsed.consumed == 0) {
            break;
        }
        values.push_back(parsed.value);
        rest.remove_prefix(parsed.consumed);
    }
    return values;
}

// Optional sign and decimal digits after leading white space, wrapped to 32 bits.
bool parse_int(std::string_view& rest, std::int32_t& value) {
    std::size_t i = 0;
    while (i < rest.size() && (rest[i] == ' ' || (rest[i] >= '\t' && rest[i] <= '\r'))) {
        ++i;
    }
    bool negative = false;
    if (i < rest.size() && (rest[i] == '+' || rest[i] == '-')) {
        negative = rest[i] == '-';
        ++i;
    }
    const std::size_t digits = i;
    std::uint32_t magnitude = 0;
    while (i < rest.size() && rest[i] >= '0' && rest[i] <= '9') {
        magnitude = magnitude * 10u + static_cast<std::uint32_t>(rest[i] - '0');
        ++i;
    }
    if (i == digits) {
        return false;
    }
    value = static_cast<std::int32_t>(negative ? 0u - magnitude : magnitude);
    rest.remove_prefix(i);
    return true;
}

std::vector<std::int32_t> parse_ints(const std::string& text, std::size_t limit) {
    std::vector<std::int32_t> values;
    std::string_view rest(text);
    std::int32_t value = 0;
    while (values.size() < limit && parse_int(rest, value)) {
        values.push_back(value);
    }
    return values;
}

template <std::size_t N>
std::array<double, N> read_reals(const std::string& section, const std::string& key,
                                 const std::array<double, N>& default_value, int precision) {
    const std::string text = read_profile_string(section, key, "");
    std::vector<double> values = parse_reals(text, N);
    if (values.size() != N) {
        return default_value;
    }
    std::array<double, N> result{};
    for (std::size_t i = 0; i < N; ++i) {
        result[i] = round_to_step(values[i], precision);
    }
    return result;
}

template <std::size_t N>
bool write_reals(const std::string& section, const std::string& key,
                 const std::array<double, N>& value, int precision) {
    std::string text;
    for (std::size_t i = 0; i < N; ++i) {
        if (i > 0) {
            text += ' ';
        }
        text += platform::format_fixed(value[i], printf_precision(precision));
    }
    return write_profile_string(section, key, text);
}

// Removes keys name+first, name+first+1, ... while they are present.
bool remove_numbered_keys(const std::string& section, const std::string& name, int first) {
    bool ok = true;
    for (int i = first; !read_profile_string(section, name + std::to_string(i), "").empty(); ++i) {
        ok = delete_profile_key(section, name + std::to_string(i)) && ok;
    }
    return ok;
}

}  // namespace

double read_profile_real(const std::string& section, const std::string& key, double default_value) {
    const std::string text = read_profile_string(section, key, "");
    if (text.empty()) {
        return default_value;
    }
    return round_to_step(platform::parse_leading_double(text).value, 3);
}

float read_profile_real(const std::string& section, const std::string& key, float default_value) {
    const double value = read_profile_real(section, key, static_cast<double>(default_value));
    // Beyond the float range the conversion itself would be undefined.
    if (std::fabs(value) > FLT_MAX) {
        return value > 0 ? HUGE_VALF : -HUGE_VALF;
    }
    return static_cast<float>(value);
}

bool write_profile_real(const std::string& section, const std::string& key, double value,
                        int precision) {
    return write_profile_string(section, key,
                                platform::format_fixed(value, printf_precision(precision)));
}

std::string read_profile_text_list(const std::string& section, const std::string& key,
                                   const std::string& default_value) {
    std::string text;
    for (int i = 1;; ++i) {
        const std::string line = read_profile_string(section, key + std::to_string(i), "");
        if (line.empty()) {
            return i == 1 ? default_value : text;
        }
        if (i > 1) {
            text += "\r\n";
        }
        text += line;
    }
}

bool write_profile_text_list(const std::string& section, const std::string& key,
                             const std::string& text) {
    bool ok = true;
    int index = 1;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = text.find("\r\n", start);
        const std::string line = text.substr(start, end == std::string::npos ? end : end - start);
        ok = write_profile_string(section, key + std::to_string(index), line) && ok;
        ++index;
        if (end == std::string::npos) {
            break;
        }
        start = end + 2;
    }
    return remove_numbered_keys(section, key, index) && ok;
}

Vector2 read_profile_vector2(const std::string& section, const std::string& key,
                             const Vector2& default_value, int precision) {
    return read_reals(section, key, default_value, precision);
}

Vector3 read_profile_vector3(const std::string& section, const std::string& key,
                             const Vector3& default_value, int precision) {
    return read_reals(section, key, default_value, precision);
}

Vector4 read_profile_vector4(const std::string& section, const std::string& key,
                             const Vector4& default_value, int precision) {
    return read_reals(section, key, default_value, precision);
}

Box read_profile_box(const std::string& section, const std::string& key, const Box& default_value,
                     int precision) {
    return read_reals(section, key, default_value, precision);
}

bool write_profile_vector2(const std::string& section, const std::string& key, const Vector2& value,
                           int precision) {
    return write_reals(section, key, value, precision);
}

bool write_profile_vector3(const std::string& section, const std::string& key, const Vector3& value,
                           int precision) {
    return write_reals(section, key, value, precision);
}

bool write_profile_vector4(const std::string& section, const std::string& key, const Vector4& value,
                           int precision) {
    return write_reals(section, key, value, precision);
}

bool write_profile_box(const std::string& section, const std::string& key, const Box& value,
                       int precision) {
    return write_reals(section, key, value, precision);
}

IntPair read_profile_int_pair(const std::string& section, const std::string& key,
                              const IntPair& default_value) {
    std::vector<std::int32_t> values = parse_ints(read_profile_string(section, key, ""), 2);
    if (values.size() != 2) {
        return default_value;
    }
    return {values[0], values[1]};
}

bool write_profile_int_pair(const std::string& section, const std::string& key,
                            const IntPair& value) {
    return write_profile_string(section, key,
                                std::to_string(value[0]) + " " + std::to_string(value[1]));
}

std::uint32_t read_profile_colour(const std::string& section, const std::string& key,
                                  std::uint32_t default_value) {
    std::vector<std::int32_t> values = parse_ints(read_profile_string(section, key, ""), 3);
    if (values.size() != 3) {
        return default_value;
    }
    return static_cast<std::uint32_t>(values[0]) + 256u * static_cast<std::uint32_t>(values[1]) +
           65536u * static_cast<std::uint32_t>(values[2]);
}

bool write_profile_colour(const std::string& section, const std::string& key, std::uint32_t value) {
    return write_profile_string(section, key,
                                std::to_string(value & 0xFFu) + " " +
                                    std::to_string((value >> 8) & 0xFFu) + " " +
                                    std::to_string((value >> 16) & 0xFFu));
}

std::vector<std::int32_t> read_profile_int_list(const std::string& section, const std::string& key,
                                                int count,
                                                const std::vector<std::int32_t>& default_value) {
    const std::string text = read_profile_string(section, key, "");
    if (text.empty() || count <= 0) {
        return default_value;
    }
    std::vector<std::int32_t> values = parse_ints(text, static_cast<std::size_t>(count));
    if (values.size() < static_cast<std::size_t>(count) &&
        default_value.size() == static_cast<std::size_t>(count)) {
        return default_value;
    }
    return values;
}

std::vector<double> read_profile_real_list(const std::string& section, const std::string& key,
                                           int count, const std::vector<double>& default_value) {
    const std::string text = read_profile_string(section, key, "");
    if (text.empty() || count <= 0) {
        return default_value;
    }
    std::vector<double> values = parse_reals(text, static_cast<std::size_t>(count));
    if (values.size() < static_cast<std::size_t>(count) &&
        default_value.size() == static_cast<std::size_t>(count)) {
        return default_value;
    }
    return values;
}

bool write_profile_int_list(const std::string& section, const std::string& key,
                            const std::vector<std::int32_t>& values) {
    std::string text;
    for (std::int32_t value : values) {
        text += std::to_string(value);
        text += ' ';
    }
    return write_profile_string(section, key, text);
}

bool write_profile_real_list(const std::string& section, const std::string& key,
                             const std::vector<double>& values) {
    std::string text;
    for (double value : values) {
        text += platform::format_fixed(value, 3);
        text += ' ';
    }
    return write_profile_string(section, key, text);
}

std::vector<std::string> read_profile_string_array(const std::string& section,
                                                   const std::string& prefix) {
    std::vector<std::string> values;
    for (int i = 0;; ++i) {
        std::string value = read_profile_string(section, prefix + std::to_string(i), "");
        if (value.empty()) {
            return values;
        }
        values.push_back(std::move(value));
    }
}

bool write_profile_string_array(const std::string& section, const std::string& prefix,
                                const std::vector<std::string>& values) {
    bool ok = true;
    for (std::size_t i = 0; i < values.size(); ++i) {
        ok = write_profile_string(section, prefix + std::to_string(i), values[i]) && ok;
    }
    return remove_numbered_keys(section, prefix, static_cast<int>(values.size())) && ok;
}
