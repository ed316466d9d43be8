#include "language/message_format.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstdio>
#include <limits>
#include <vector>

namespace {

// Well-formed texts keep the C library's meaning: compare with snprintf over many values.
template <typename T>
void expect_like_printf(const std::vector<const char*>& formats, const std::vector<T>& values) {
    for (const char* format : formats) {
        for (const T& value : values) {
            char buffer[4096];
            std::snprintf(buffer, sizeof buffer, format, value);
            EXPECT_EQ(format_message(format, make_format_arguments(value)), buffer)
                << format << " " << value;
        }
    }
}

TEST(MessageFormat, WellFormedConversionsMatchPrintf) {
    expect_like_printf<int>(
        {"%d", "%-5d|", "%05d", "%+d", "% d", "%.3d", "%.0d", "%#x", "%X", "%#o", "%u", "%hd",
         "%hhd", "%hu", "%i", "%+.0d", "%#.0o", "%08.3d", "%05.0d"},
        {0, 1, 42, -42, 300, 70000, -70000, INT_MIN, INT_MAX});
    expect_like_printf<long long>({"%lld", "%llx", "%llu", "%-+22lld|"},
                                  {0, -1, 1LL << 40, LLONG_MIN, LLONG_MAX});
    expect_like_printf<double>(
        {"%f",    "%.0f",    "%#.0f", "%-10.2f|", "%+f", "% f",  "%010.2f",
         "%e",    "%.2E",    "%#.0e", "%g",       "%G",  "%.3g", "%.0g",
         "%#.3g", "%12.4g|", "%a",    "%.2a",     "%A",  "%F",   "%+010.1e"},
        {0.0, -0.0, 1.5, -2.345, 123456.789, 1e-5, 1e20, 1e-4, 100000, 1e6, 0.5, 999999.5, 1e300,
         -1e-300, 9.9999e-5, std::numeric_limits<double>::infinity(),
         -std::numeric_limits<double>::infinity(), std::nan("")});
    expect_like_printf<const char*>({"%s", "%10s|", "%-10s|", "%.2s", "%5.1s|", "100%% %s"},
                                    {"", "a", "directory", "Tr\xE4ger"});
    // The C library drops the zeros that '#' keeps here.
    EXPECT_EQ(format_message("%#g", make_format_arguments(999999.5)), "1.00000e+06");
    EXPECT_EQ(format_message("%c|%-3c|%3c", make_format_arguments('x', 'y', 'z')), "x|y  |  z");
}

// Texts that printf would turn into undefined behaviour give a defined, visible result.
TEST(MessageFormat, HostileTextsGiveDefinedResults) {
    using A = FormatArguments;
    const std::string x = "x";
    const std::tuple<const char*, FormatArguments, std::string> cases[] = {
        {"%n", A{}, "%n"},
        {"a%nb%s", A{x}, "a%nbx"},
        {"%s and %s", A{x}, "x and %s"},
        {"abc%", A{}, "abc%"},
        {"%*d", A{}, "%*d"},
        {"%5d|", A{std::string("abc")}, "  abc|"},
        {"%5.1f", A{std::string("3.14159")}, "  3.1"},
        {"%.1f", A{std::string("3,5")}, "3,5"},
        {"%s", A{std::int64_t{42}}, "42"},
        {"%d", A{-2.9}, "-2"},
        {"%lld", A{1e30}, "9223372036854775807"},
        {"%lld", A{std::nan("")}, "0"},
        {"%*d|", A{std::int64_t{-3}, std::int64_t{5}}, "5  |"},
        {"%.*s", A{std::int64_t{2}, std::string("abcdef")}, "ab"},
        {"%.*s", A{std::int64_t{-1}, std::string("abc")}, "abc"},
        {"%I64d", A{std::int64_t{5}}, "%I64d"}};
    for (const auto& [format, arguments, expected] : cases) {
        EXPECT_EQ(format_message(format, arguments), expected) << format;
    }
    const char* null_text = nullptr;
    EXPECT_EQ(format_message("%s|%s|%s|%s", make_format_arguments(true, 'A', 1.25f, null_text)),
              "1|65|1.25|(null)");
}

TEST(MessageFormat, HugeWidthsAndPrecisionsAreBounded) {
    const std::size_t bound = kMaxFormatField;
    EXPECT_EQ(format_message("%1000000d", make_format_arguments(1)).size(), bound);
    EXPECT_EQ(format_message("%99999999999999999999999s", make_format_arguments("x")).size(),
              bound);
    EXPECT_EQ(format_message("%*d", make_format_arguments(LLONG_MIN, 5)).size(), bound);
    EXPECT_EQ(format_message("%.1000000f", make_format_arguments(1.0)).size(), 2 + bound);
    // The largest double in fixed notation with the largest precision still fits.
    const std::string widest =
        format_message("%.1000000f", make_format_arguments(std::numeric_limits<double>::max()));
    EXPECT_EQ(widest.size(), 309 + 1 + bound);
}

}  // namespace
