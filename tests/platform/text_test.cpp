#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>

#include "platform/code_page.h"
#include "platform/number_text.h"

namespace {

TEST(CodePage, EveryByteSurvivesTheTripThroughUtf8AndTheRestBecomeQuestionMarks) {
    std::string all;
    for (int i = 0; i < 256; ++i) {
        all += static_cast<char>(i);
    }
    EXPECT_EQ(platform::utf8_to_code_page(platform::code_page_to_utf8(all)), all);
    EXPECT_EQ(platform::code_page_to_utf8("\x80\xE9"), "\xE2\x82\xAC\xC3\xA9");
    EXPECT_EQ(platform::code_page_upper('\xE4'), '\xC4');
    EXPECT_EQ(platform::code_page_upper('\xFF'), '\x9F');
    EXPECT_EQ(platform::code_page_upper('\xF7'), '\xF7');
    // Unmappable and invalid characters become question marks.
    const std::pair<const char*, const char*> cases[] = {
        {"\xE4\xB8\xAD", "?"},   {"\xF0\x9F\x98\x80x", "?x"}, {"\xC3", "?"},
        {"\xC0\xAF", "??"},      {"\xED\xA0\x80", "???"},     {"a\x80z", "a?z"},
        {"\xE2\x80\x9C", "\x93"}};
    for (const auto& [utf8, expected] : cases) {
        EXPECT_EQ(platform::utf8_to_code_page(utf8), expected) << utf8;
    }
    using namespace std::string_literals;
    EXPECT_EQ(platform::utf16le_to_code_page("A\0\x3D\xD8\0\xDE\x42\0z"s), "A?B");
    EXPECT_EQ(platform::utf16le_to_code_page("\x3D\xD8\x41\0"s), "?A");
}

TEST(NumberText, FixedFormatAndLeadingNumbersAsTheCLibrarySpellsAndReadsThem) {
    const std::tuple<double, int, const char*> cases[] = {
        {0.8f, 3, "0.800"},
        {12.3456, 3, "12.346"},
        {2.5, 0, "2"},
        {0.0005, 3, "0.001"},
        {1e20, 3, "100000000000000000000.000"},
        // A number that shows as zero has no sign.
        {-0.0, 3, "0.000"},
        {-0.0004, 3, "0.000"},
        {-0.0004, 5, "-0.00040"},
        {-0.0006, 3, "-0.001"},
        {-0.4, 0, "0"}};
    for (const auto& [value, precision, text] : cases) {
        EXPECT_EQ(platform::format_fixed(value, precision), text) << value;
    }
    // Leading numbers stop where the number ends and clamp.
    const std::tuple<const char*, double, std::size_t> leading[] = {
        {"12,5", 12.0, 2}, {"  -3.5e2x", -350.0, 8}, {"+.5", 0.5, 3}, {"1e+", 1.0, 1},
        {".", 0.0, 0},     {"nan", 0.0, 0},          {"inf", 0.0, 0}, {"0x1p3", 0.0, 1},
        {"-0", -0.0, 2},   {"1e-400", 0.0, 6}};
    for (const auto& [text, value, consumed] : leading) {
        auto parsed = platform::parse_leading_double(text);
        EXPECT_DOUBLE_EQ(parsed.value, value) << text;
        EXPECT_EQ(parsed.consumed, consumed) << text;
    }
    // Correctly rounded like the C library, also where a shortcut through powers of a tenth
    // or more digits than a double holds exactly would be off by one unit in the last place.
    for (const char* text :
         {"0.3", "2.001", "123456789.123", "999999999999999", "0.000000000000001",
          "9007199254740993", "942814121621.4977", "-0.1"}) {
        EXPECT_EQ(platform::parse_leading_double(text).value, std::strtod(text, nullptr)) << text;
    }
    EXPECT_TRUE(std::isinf(platform::parse_leading_double("1e400").value));
    EXPECT_TRUE(std::signbit(platform::parse_leading_double("-1e400").value));

    EXPECT_EQ(platform::parse_leading_int(" 42A"), 42);
    EXPECT_EQ(platform::parse_leading_int("x1"), 0);
    EXPECT_EQ(platform::parse_leading_int("99999999999999999999"), 2147483647);
    EXPECT_EQ(platform::parse_leading_int("-99999999999999999999"), -2147483647 - 1);
}

}  // namespace
