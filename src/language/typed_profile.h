#pragma once
// Typed values in the current profile. Readers give the default when the key is missing or
// empty; numbers are decimal with optional sign, fraction and exponent and use the point
// whatever the locale.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// Rounded to three decimals, halves away from zero.
double read_profile_real(const std::string& section, const std::string& key, double default_value);
float read_profile_real(const std::string& section, const std::string& key, float default_value);
// "%.*f"; a negative precision means 6, as in printf.
bool write_profile_real(const std::string& section, const std::string& key, double value,
                        int precision);

// Keys key1, key2, ... up to the first empty one, joined with "\r\n"; the default when key1
// is empty.
std::string read_profile_text_list(const std::string& section, const std::string& key,
                                   const std::string& default_value);
// One key per "\r\n"-separated line; keys left over from a longer list are removed.
bool write_profile_text_list(const std::string& section, const std::string& key,
                             const std::string& text);

using Vector2 = std::array<double, 2>;
using Vector3 = std::array<double, 3>;
using Vector4 = std::array<double, 4>;
using Box = std::array<double, 6>;  // minimum corner, then maximum corner

// Blank-separated components, each rounded to a multiple of 10 to the power -precision (not
// below the double epsilon). The default unless every component is present.
Vector2 read_profile_vector2(const std::string& section, const std::string& key,
                             const Vector2& default_value, int precision);
Vector3 read_profile_vector3(const std::string& section, const std::string& key,
                             const Vector3& default_value, int precision);
Vector4 read_profile_vector4(const std::string& section, const std::string& key,
                             const Vector4& default_value, int precision);
Box read_profile_box(const std::string& section, const std::string& key, const Box& default_value,
                     int precision);
// Components with "%.*f", separated by one blank.
bool write_profile_vector2(const std::string& section, const std::string& key, const Vector2& value,
                           int precision);
bool write_profile_vector3(const std::string& section, const std::string& key, const Vector3& value,
                           int precision);
bool write_profile_vector4(const std::string& section, const std::string& key, const Vector4& value,
                           int precision);
bool write_profile_box(const std::string& section, const std::string& key, const Box& value,
                       int precision);

using IntPair = std::array<std::int32_t, 2>;
// "%d %d"; the default unless both are present.
IntPair read_profile_int_pair(const std::string& section, const std::string& key,
                              const IntPair& default_value);
bool write_profile_int_pair(const std::string& section, const std::string& key,
                            const IntPair& value);

// "%d %d %d" red, green, blue as red + 256 * green + 65536 * blue; the default unless three
// numbers are present.
std::uint32_t read_profile_colour(const std::string& section, const std::string& key,
                                  std::uint32_t default_value);
// The value's three lowest bytes, lowest first.
bool write_profile_colour(const std::string& section, const std::string& key, std::uint32_t value);

// `count` blank-separated numbers; when fewer are present and the default holds `count`
// values, the default. More than `count` are ignored.
std::vector<std::int32_t> read_profile_int_list(const std::string& section, const std::string& key,
                                                int count,
                                                const std::vector<std::int32_t>& default_value);
std::vector<double> read_profile_real_list(const std::string& section, const std::string& key,
                                           int count, const std::vector<double>& default_value);
// Each value followed by one blank; reals with three decimals.
bool write_profile_int_list(const std::string& section, const std::string& key,
                            const std::vector<std::int32_t>& values);
bool write_profile_real_list(const std::string& section, const std::string& key,
                             const std::vector<double>& values);

// Keys prefix0, prefix1, ... up to the first empty one.
std::vector<std::string> read_profile_string_array(const std::string& section,
                                                   const std::string& prefix);
// Keys left over from a longer array are removed.
bool write_profile_string_array(const std::string& section, const std::string& prefix,
                                const std::vector<std::string>& values);
