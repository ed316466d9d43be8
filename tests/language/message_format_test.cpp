#include "language/message_format.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstdio>
#include <limits>

namespace {

template <typename T>
std::string c_format(const char* format, T value) {
    char buffer[4096];
    std::snprintf(buffer, sizeof buffer, format, value);
    return buffer;
}

// Well-formed texts keep the C library's meaning: compare with snprintf over many values.
TEST(MessageFormat, IntegerConversionsMatchPrintf) {
    const char* formats[] = {"%d",     "%5d",    "%-5d|", "%05d",   "%+d", "% d",   "%.3d",
                             "%.0d",   "%x",     "%#x",   "%X",     "%#X", "%o",    "%#o",
                             "%u",     "%hd",    "%hhd",  "%hu",    "%i",  "%+.0d", "%#.0o",
                             "%-+6d|", "%08.3d", "%#08x", "[% 05d]"};
    const int values[] = {0, 1, 42, -42, 300, 70000, -70000, INT_MIN, INT_MAX};
    for (const char* format : formats) {
        for (int value : values) {
            EXPECT_EQ(format_message(format, make_format_arguments(value)), c_format(format, value))
                << format << " " << value;
        }
    }
}

TEST(MessageFormat, LongConversionsMatchPrintf) {
    const char* formats[] = {"%lld", "%llx", "%20lld", "%llu", "%-+22lld|"};
    const long long values[] = {0, -1, 1LL << 40, LLONG_MIN, LLONG_MAX};
    for (const char* format : formats) {
        for (long long value : values) {
            EXPECT_EQ(format_message(format, make_format_arguments(value)), c_format(format, value))
                << format << " " << value;
        }
    }
}

TEST(MessageFormat, RealConversionsMatchPrintf) {
    const char* formats[] = {"%f",  "%.0f",    "%#.0f", "%10.3f", "%-10.2f|", "%+f",
                             "% f", "%010.2f", "%e",    "%.2E",   "%#.0e",    "%g",
                             "%G",  "%.3g",    "%#g",   "%.0g",   "%#.3g",    "%12.4g|",
                             "%a",  "%.2a",    "%A",    "%F",     "%+010.1e", "%-+12.3G|"};
    const double values[] = {0.0,    -0.0, 1.5, -2.345,   123456.789, 1e-5,    1e20,      1e-4,
                             100000, 1e6,  0.5, 999999.5, 1e300,      -1e-300, 9.9999e-5, 3.0};
    for (const char* format : formats) {
        for (double value : values) {
            if (std::string(format) == "%#g" && value == 999999.5) {
                continue;  // the C library drops the zeros that '#' keeps here
            }
            EXPECT_EQ(format_message(format, make_format_arguments(value)), c_format(format, value))
                << format << " " << value;
        }
    }
    EXPECT_EQ(format_message("%#g", make_format_arguments(999999.5)), "1.00000e+06");
}

TEST(MessageFormat, NonFiniteRealsMatchPrintf) {
    const char* formats[] = {"%f", "%5.1f", "%-6e|", "%010g", "%F", "%+E", "%G"};
    const double values[] = {std::numeric_limits<double>::infinity(),
                             -std::numeric_limits<double>::infinity(),
                             std::numeric_limits<double>::quiet_NaN()};
    for (const char* format : formats) {
        for (double value : values) {
            EXPECT_EQ(format_message(format, make_format_arguments(value)), c_format(format, value))
                << format << " " << value;
        }
    }
}

TEST(MessageFormat, TextConversionsMatchPrintf) {
    const char* formats[] = {"%s", "%10s|", "%-10s|", "%.2s", "%5.1s|", "100%% %s", "%c%%"};
    for (const char* format : formats) {
        for (const char* text : {"", "a", "directory", "Tr\xE4ger"}) {
            if (std::string(format) == "%c%%") {
                continue;
            }
            EXPECT_EQ(format_message(format, make_format_arguments(text)), c_format(format, text))
                << format << " " << text;
        }
    }
    EXPECT_EQ(format_message("%c|%-3c|%3c", make_format_arguments('x', 'y', 'z')), "x|y  |  z");
}

struct HostileCase {
    const char* format;
    FormatArguments arguments;
    std::string expected;
};

// Texts that printf would turn into undefined behaviour give a defined, visible result.
TEST(MessageFormat, HostileTextsGiveDefinedResults) {
    using A = FormatArguments;
    const HostileCase cases[] = {
        {"%n", A{}, "%n"},
        {"a%nb%s", A{std::string("x")}, "a%nbx"},
        {"%s and %s", A{std::string("x")}, "x and %s"},
        {"%d%%", A{}, "%d%"},
        {"%p", A{std::int64_t{1}}, "%p"},
        {"%y%s", A{std::string("x")}, "%yx"},
        {"abc%", A{}, "abc%"},
        {"%-", A{}, "%-"},
        {"%*d", A{}, "%*d"},
        {"%.*d", A{std::int64_t{2}}, "%.*d"},
        {"%d", A{std::string("abc")}, "abc"},
        {"%5d|", A{std::string("abc")}, "  abc|"},
        {"%d", A{std::string("42")}, "42"},
        {"%+d", A{std::string("-7")}, "-7"},
        {"%5.1f", A{std::string("3.14159")}, "  3.1"},
        {"%.1f", A{std::string("3,5")}, "3,5"},
        {"%s", A{std::int64_t{42}}, "42"},
        {"%s", A{2.5}, "2.5"},
        {"%d", A{2.9}, "2"},
        {"%d", A{-2.9}, "-2"},
        {"%lld", A{1e30}, "9223372036854775807"},
        {"%lld", A{std::nan("")}, "0"},
        {"%f", A{std::int64_t{3}}, "3.000000"},
        {"%c", A{std::string("xyz")}, "x"},
        {"%c|", A{std::string()}, "|"},
        {"%*d|", A{std::int64_t{-3}, std::int64_t{5}}, "5  |"},
        {"%.*s", A{std::int64_t{2}, std::string("abcdef")}, "ab"},
        {"%.*s", A{std::int64_t{-1}, std::string("abc")}, "abc"},
        {"%5%", A{}, "%"},
        {"%I64d", A{std::int64_t{5}}, "%I64d"},
    };
    for (const HostileCase& c : cases) {
        EXPECT_EQ(format_message(c.format, c.arguments), c.expected) << c.format;
    }
}

TEST(MessageFormat, HugeWidthsAndPrecisionsAreBounded) {
    const std::size_t bound = kMaxFormatField;
    EXPECT_EQ(format_message("%1000000d", make_format_arguments(1)).size(), bound);
    EXPECT_EQ(format_message("%99999999999999999999999s", make_format_arguments("x")).size(),
              bound);
    EXPECT_EQ(format_message("%*d", make_format_arguments(1000000, 5)).size(), bound);
    EXPECT_EQ(format_message("%*d", make_format_arguments(LLONG_MIN, 5)).size(), bound);
    EXPECT_EQ(format_message("%.1000000f", make_format_arguments(1.0)).size(), 2 + bound);
    EXPECT_EQ(format_message("%.1000000d", make_format_arguments(7)).size(), bound);
    // The largest double in fixed notation with the largest precision still fits.
    const std::string widest =
        format_message("%.1000000f", make_format_arguments(std::numeric_limits<double>::max()));
    EXPECT_EQ(widest.size(), 309 + 1 + bound);
}

TEST(MessageFormat, ArgumentsOfEveryKindConvert) {
    const char* null_text = nullptr;
    EXPECT_EQ(format_message("%s|%s|%s|%s", make_format_arguments(true, 'A', 1.25f, null_text)),
              "1|65|1.25|(null)");
    EXPECT_EQ(format_message("%s %s", make_format_arguments(std::string("a"), "b")), "a b");
}

}  // namespace
