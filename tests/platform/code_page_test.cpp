#include <gtest/gtest.h>

#include <string>

#include "platform/code_page.h"

namespace {

TEST(CodePage, EveryByteSurvivesTheTripThroughUtf8) {
    std::string all;
    for (int i = 0; i < 256; ++i) {
        all += static_cast<char>(i);
    }
    EXPECT_EQ(platform::utf8_to_code_page(platform::code_page_to_utf8(all)), all);
    EXPECT_EQ(platform::code_page_to_utf8("\x80\xE9"), "\xE2\x82\xAC\xC3\xA9");
    EXPECT_EQ(platform::code_page_upper('\xE4'), '\xC4');
    EXPECT_EQ(platform::code_page_upper('\xFF'), '\x9F');
    EXPECT_EQ(platform::code_page_upper('\xF7'), '\xF7');
}

TEST(CodePage, UnmappableAndInvalidBecomeQuestionMarks) {
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

}  // namespace
