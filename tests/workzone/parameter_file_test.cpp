#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <sstream>
#include <stdexcept>
#include <streambuf>
#include <string>
#include <vector>

#include "workzone/parameter_file.h"

namespace {

std::string lines(const std::vector<std::string>& content) {
    std::string text;
    for (const std::string& line : content) {
        text += line + "\n";
    }
    return text;
}

ParameterItems parsed(const std::string& content) {
    ParameterItems items;
    parse_parameter_items(content, items);
    return items;
}

TEST(ParameterItemKind, FollowsTheFixedTableForEveryItem) {
    struct Range {
        int first, last;
        ParameterItemKind kind;
    };
    using K = ParameterItemKind;
    const Range table[] = {
        {61, 69, K::Text},     {81, 90, K::Text},     {131, 140, K::Text},  {3, 7, K::Length},
        {9, 20, K::Length},    {36, 38, K::Length},   {41, 41, K::Length},  {43, 43, K::Length},
        {48, 49, K::Length},   {56, 56, K::Length},   {58, 59, K::Length},  {71, 72, K::Length},
        {75, 75, K::Length},   {79, 79, K::Length},   {91, 95, K::Length},  {102, 105, K::Length},
        {108, 111, K::Length}, {122, 122, K::Length}, {1, 2, K::Number},    {8, 8, K::Number},
        {21, 35, K::Number},   {39, 40, K::Number},   {42, 42, K::Number},  {44, 47, K::Number},
        {50, 55, K::Number},   {57, 57, K::Number},   {60, 60, K::Number},  {70, 70, K::Number},
        {73, 74, K::Number},   {76, 78, K::Number},   {80, 80, K::Number},  {96, 101, K::Number},
        {106, 107, K::Number}, {112, 121, K::Number}, {123, 130, K::Number}};
    int covered = 0;
    for (const Range& range : table) {
        for (int item = range.first; item <= range.last; ++item, ++covered) {
            EXPECT_EQ(parameter_item_kind(item), range.kind) << "item " << item;
        }
    }
    EXPECT_EQ(covered, kParameterItemCount);
}

TEST(ParameterFileLayout, WritesTheExactLines) {
    ParameterItems items;
    items.set_number(1, 1.0f);
    items.set_number(3, 2.5f);
    items.set_number(10, -0.125f);
    items.set_number(26, 12000.0f);
    items.set_text(61, "Roughing pass   ");
    items.set_text(67, "Line one\r\nLine two");
    std::ostringstream out;
    ASSERT_TRUE(write_parameter_items(
        out, items, [](int item) { return item == 1 ? std::string("Valid") : std::string(); }));
    std::istringstream in(out.str());
    std::vector<std::string> written;
    for (std::string line; std::getline(in, line);) {
        written.push_back(line);
    }
    ASSERT_EQ(written.size(), 140u);
    EXPECT_EQ(written[0], "       1.00000   :   1 Valid");
    EXPECT_EQ(written[2], "       2.50000   :   3 ");
    EXPECT_EQ(written[9], "      -0.12500   :  10 ");
    EXPECT_EQ(written[25], "   12000.00000   :  26 ");
    EXPECT_EQ(written[60], " 61 :Roughing pass");
    EXPECT_EQ(written[61], " 62 : ");
    EXPECT_EQ(written[66], " 67 :Line one  Line two");
    EXPECT_EQ(written[139], "140 : ");
}

TEST(ParameterFileLayout, LargeValuesKeepTheirColumnsOrFailTheWrite) {
    struct Case {
        float value;
        bool writable;
    };
    const Case cases[] = {{99999999.0f, true}, {1e10f, true},     {-1e12f, true},
                          {1e15f, false},      {-1e14f, false},   {NAN, false},
                          {INFINITY, false},   {-INFINITY, false}};
    for (const Case& c : cases) {
        ParameterItems items;
        items.set_number(1, 1.0f);
        items.set_number(7, c.value);
        std::ostringstream out;
        ASSERT_EQ(write_parameter_items(out, items), c.writable) << c.value;
        if (c.writable) {
            ParameterItems back = parsed(out.str());
            EXPECT_TRUE(back.valid());
            EXPECT_EQ(back.number(7), c.value);
        }
    }
}

TEST(ParameterFileReading, AcceptsWhatPeopleWriteByHand) {
    struct Case {
        std::string line2;
        float expected;
    };
    const Case cases[] = {{"  1 2.5", 12.5f},
                          {"+3.5", 3.5f},
                          {"-.5", -0.5f},
                          {"5.", 5.0f},
                          {"", 0.0f},
                          {"\t7", 7.0f},
                          {"       2.00000xyz", 2.0f},
                          {"      -3.00000   :   2 label", -3.0f}};
    for (const Case& c : cases) {
        ParameterItems items = parsed(lines({"1", c.line2}));
        EXPECT_TRUE(items.valid()) << c.line2;
        EXPECT_EQ(items.number(2), c.expected) << c.line2;
    }
}

TEST(ParameterFileReading, BadNumericFieldsInvalidateTheFile) {
    const std::string bad[] = {"abc", "nan", "inf",   "-inf", "1e39", "4e38",
                               ".",   "--1", "1.2.3", "0x10", "1,5",  std::string("1\0", 2)};
    for (const std::string& field : bad) {
        ParameterItems items = parsed(lines({"1.00000", "2", field, "4"}));
        EXPECT_FALSE(items.valid()) << field;
        EXPECT_EQ(items.number(4), 0.0f) << field;
    }
    EXPECT_FALSE(parsed("").valid());
    EXPECT_FALSE(parsed("       0.00000   :   1\n       5.00000\n").valid());
    EXPECT_FALSE(parsed(std::string("\x01\xff\x00\x7f\n\xfe\xfe", 7)).valid());
}

TEST(ParameterFileReading, ShortFilesLongLinesAndExtraLines) {
    std::vector<std::string> content(30, "       3.00000");
    ParameterItems short_file = parsed(lines(content));
    EXPECT_TRUE(short_file.valid());
    EXPECT_EQ(short_file.number(30), 3.0f);
    EXPECT_EQ(short_file.number(31), 0.0f);
    EXPECT_EQ(short_file.text(61), "");

    // A line over 100 characters does not push the following items down.
    std::vector<std::string> long_line = {"1" + std::string(300, ' ') + "99", "       7.00000"};
    ParameterItems long_file = parsed(lines(long_line));
    EXPECT_TRUE(long_file.valid());
    EXPECT_EQ(long_file.number(2), 7.0f);

    std::vector<std::string> many(150, "       1.00000");
    ParameterItems many_lines = parsed(lines(many));
    EXPECT_TRUE(many_lines.valid());
    EXPECT_EQ(many_lines.number(130), 1.0f);
}

TEST(ParameterFileReading, TextItems) {
    std::vector<std::string> content(60, "1");
    content.push_back(" 61 :A comment with: colon   \r");  // 61
    content.push_back("     0.00000   :  62 label");       // 62: empty text mark
    content.push_back("no colon here");                    // 63
    content.push_back(" 64 :" + std::string(95, 'c'));     // 64: cut to 80
    content.push_back(" 65 : ");                           // 65
    ParameterItems items = parsed(lines(content));
    ASSERT_TRUE(items.valid());
    EXPECT_EQ(items.text(61), "A comment with: colon");
    EXPECT_EQ(items.text(62), "");
    EXPECT_EQ(items.text(63), "no colon here");
    EXPECT_EQ(items.text(64), std::string(80, 'c'));
    EXPECT_EQ(items.text(65), "");
}

// A stream whose device fails in the middle of the file.
class FailingBuffer : public std::streambuf {
protected:
    int_type underflow() override {
        if (served_) {
            throw std::runtime_error("device error");
        }
        served_ = true;
        setg(text_, text_, text_ + sizeof text_ - 1);
        return traits_type::to_int_type(text_[0]);
    }

private:
    char text_[32] = "       1.00000\n       2.00000\n";
    bool served_ = false;
};

TEST(ParameterFileReading, ReadErrorInvalidatesTheFile) {
    FailingBuffer buffer;
    std::istream in(&buffer);
    ParameterItems items;
    read_parameter_items(in, items);
    EXPECT_FALSE(items.valid());
}

TEST(ParameterFileLayout, IgnoresADecimalCommaLocale) {
    const char* previous = std::setlocale(LC_ALL, nullptr);
    std::string saved = previous ? previous : "C";
    if (std::setlocale(LC_ALL, "de_DE.UTF-8") == nullptr) {
        GTEST_SKIP() << "no German locale on this machine";
    }
    ParameterItems items;
    items.set_number(1, 1.0f);
    items.set_number(9, 0.01f);
    std::ostringstream out;
    bool written = write_parameter_items(out, items);
    ParameterItems back = parsed(out.str());
    std::setlocale(LC_ALL, saved.c_str());
    ASSERT_TRUE(written);
    EXPECT_NE(out.str().find("       0.01000   :   9"), std::string::npos);
    EXPECT_EQ(back.number(9), 0.01f);
}

}  // namespace
