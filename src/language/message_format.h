#pragma once
// printf-style formatting of catalogue texts over typed arguments. Catalogue texts are edited by
// hand, so the format is untrusted: every input gives a defined, bounded text.

#include <cstdint>
#include <string>
#include <string_view>
#include <type_traits>
#include <variant>
#include <vector>

using FormatArgument = std::variant<std::int64_t, double, std::string>;
using FormatArguments = std::vector<FormatArgument>;

// Widths and precisions beyond this are cut to it.
inline constexpr int kMaxFormatField = 1024;

// Well-formed conversions keep their printf meaning (flags, width, precision, length modifiers,
// d i u o x X c s f F e E g G a A %). An argument of another kind is converted; a missing
// argument, %n, %p or an unknown conversion leaves the conversion's own text in the result.
std::string format_message(std::string_view format, const FormatArguments& arguments);

template <typename T>
FormatArgument to_format_argument(T&& value) {
    using V = std::remove_cvref_t<T>;
    if constexpr (std::is_same_v<V, bool>) {
        return std::int64_t{value ? 1 : 0};
    } else if constexpr (std::is_integral_v<V> || std::is_enum_v<V>) {
        return static_cast<std::int64_t>(value);
    } else if constexpr (std::is_floating_point_v<V>) {
        return static_cast<double>(value);
    } else if constexpr (std::is_convertible_v<V, const char*>) {
        const char* text = value;
        return std::string(text != nullptr ? text : "(null)");
    } else {
        return std::string(std::forward<T>(value));
    }
}

template <typename... Args>
FormatArguments make_format_arguments(Args&&... args) {
    FormatArguments arguments;
    arguments.reserve(sizeof...(Args));
    (arguments.push_back(to_format_argument(std::forward<Args>(args))), ...);
    return arguments;
}
