#include <gtest/gtest.h>

#include <string>

#include "platform/code_page.h"

namespace {

TEST(CodePage, EveryByteSurvivesTheTripThroughUtf8) {
    std::string all;
    for (int i = 0; i < 256; ++i) {
        all += static_cast<char>(i);
    }
    const std::string utf8 = platform::code_page_to_utf8(all);
    EXPECT_EQ(platform::utf8_to_code_page(utf8), all);
    EXPECT_EQ(platform::code_page_to_utf8("\x80\xE9"), "\xE2\x82\xAC\xC3\xA9");
}

TEST(CodePage, UnmappableAndInvalidBecomeQuestionMarks) {
    const struct {
        const char* utf8;
        const char* expected;
    } cases[] = {
        {"\xE4\xB8\xAD", "?"},        // a character outside the code page
        {"\xF0\x9F\x98\x80x", "?x"},  // outside the basic plane
        {"\xC3", "?"},                // cut short
        {"\xC0\xAF", "??"},           // overlong
        {"\xED\xA0\x80", "???"},      // a surrogate
        {"a\x80z", "a?z"},            // a stray continuation byte
        {"\xE2\x80\x9C", "\x93"},     // a typographic quote, inside the code page
    };
    for (const auto& c : cases) {
        EXPECT_EQ(platform::utf8_to_code_page(c.utf8), c.expected) << c.utf8;
    }
    EXPECT_EQ(platform::utf16le_to_code_page(std::string("A\0\x3D\xD8\x00\xDE"
                                                         "B\0z",
                                                         9)),
              "A?B");
    EXPECT_EQ(platform::utf16le_to_code_page(std::string("\x3D\xD8"
                                                         "A\0",
                                                         4)),
              "?A");
}

TEST(CodePage, UpperCaseCoversAccentedLetters) {
    const struct {
        char lower;
        char upper;
    } cases[] = {{'a', 'A'},       {'\xE4', '\xC4'}, {'\xFE', '\xDE'}, {'\x9A', '\x8A'},
                 {'\xFF', '\x9F'}, {'\xF7', '\xF7'}, {'\xDF', '\xDF'}, {'[', '['}};
    for (const auto& c : cases) {
        EXPECT_EQ(platform::code_page_upper(c.lower), c.upper) << int(c.lower);
    }
}

}  // namespace
