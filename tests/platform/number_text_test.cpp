#include <gtest/gtest.h>

#include <clocale>
#include <cmath>

#include "platform/number_text.h"

namespace {

TEST(NumberText, FixedFormatMatchesThePrintfSpellingWithAPoint) {
    struct Case {
        double value;
        int precision;
        const char* text;
    };
    const Case cases[] = {{5.0, 3, "5.000"},      {0.8f, 3, "0.800"},
                          {-0.0, 3, "-0.000"},    {12.3456, 3, "12.346"},
                          {2.5, 0, "2"},          {1e20, 3, "100000000000000000000.000"},
                          {-7.25, 5, "-7.25000"}, {0.0005, 3, "0.001"}};
    for (const auto& c : cases) {
        EXPECT_EQ(platform::format_fixed(c.value, c.precision), c.text) << c.value;
    }
}

TEST(NumberText, IgnoresADecimalCommaLocale) {
    const char* previous = std::setlocale(LC_NUMERIC, nullptr);
    std::string saved = previous ? previous : "C";
    if (std::setlocale(LC_NUMERIC, "de_DE.UTF-8") == nullptr) {
        GTEST_SKIP() << "no German locale on this machine";
    }
    EXPECT_EQ(platform::format_fixed(5.0, 3), "5.000");
    EXPECT_DOUBLE_EQ(platform::parse_leading_double("12.5").value, 12.5);
    std::setlocale(LC_NUMERIC, saved.c_str());
}

TEST(NumberText, LeadingDoubleStopsWhereTheNumberEnds) {
    struct Case {
        const char* text;
        double value;
        std::size_t consumed;
    };
    const Case cases[] = {
        {"12,5", 12.0, 2},  {"  -3.5e2x", -350.0, 8}, {"+.5", 0.5, 3},   {"1e", 1.0, 1},
        {"1e+", 1.0, 1},    {"abc", 0.0, 0},          {"", 0.0, 0},      {".", 0.0, 0},
        {"nan", 0.0, 0},    {"inf", 0.0, 0},          {"0x1p3", 0.0, 1}, {"-0", -0.0, 2},
        {"1e-400", 0.0, 6}, {"7.", 7.0, 2},
    };
    for (const auto& c : cases) {
        auto parsed = platform::parse_leading_double(c.text);
        EXPECT_DOUBLE_EQ(parsed.value, c.value) << c.text;
        EXPECT_EQ(parsed.consumed, c.consumed) << c.text;
    }
    EXPECT_TRUE(std::isinf(platform::parse_leading_double("1e400").value));
    EXPECT_TRUE(std::signbit(platform::parse_leading_double("-1e400").value));
}

TEST(NumberText, LeadingIntClampsToThirtyTwoBits) {
    EXPECT_EQ(platform::parse_leading_int(" 42A"), 42);
    EXPECT_EQ(platform::parse_leading_int("-17"), -17);
    EXPECT_EQ(platform::parse_leading_int("x1"), 0);
    EXPECT_EQ(platform::parse_leading_int("99999999999999999999"), 2147483647);
    EXPECT_EQ(platform::parse_leading_int("-99999999999999999999"), -2147483647 - 1);
    EXPECT_EQ(platform::parse_leading_int("-2147483648"), -2147483647 - 1);
}

}  // namespace
