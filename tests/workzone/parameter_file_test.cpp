#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <sstream>
#include <stdexcept>
#include <streambuf>
#include <string>
#include <tuple>
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

TEST(ParameterFileLayout, WritesTheExactLines) {
    ParameterItems items;
    const std::pair<int, float> numbers[] = {{1, 1.0f}, {3, 2.5f}, {10, -0.125f}, {26, 12000.0f}};
    for (const auto& [item, value] : numbers) {
        items.set_number(item, value);
    }
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
    const std::pair<int, const char*> expected[] = {
        {1, "       1.00000   :   1 Valid"}, {3, "       2.50000   :   3 "},
        {10, "      -0.12500   :  10 "},     {26, "   12000.00000   :  26 "},
        {61, " 61 :Roughing pass"},          {62, " 62 : "},
        {67, " 67 :Line one  Line two"},     {140, "140 : "}};
    for (const auto& [item, line] : expected) {
        EXPECT_EQ(written[item - 1], line);
    }
}

TEST(ParameterFileLayout, LargeValuesKeepTheirColumnsOrFailTheWrite) {
    const std::pair<float, bool> cases[] = {{99999999.0f, true}, {-1e12f, true},
                                            {1e15f, false},      {-1e14f, false},
                                            {NAN, false},        {-INFINITY, false}};
    for (const auto& [value, writable] : cases) {
        ParameterItems items;
        items.set_number(1, 1.0f);
        items.set_number(7, value);
        std::ostringstream out;
        ASSERT_EQ(write_parameter_items(out, items), writable) << value;
        if (writable) {
            ParameterItems back = parsed(out.str());
            EXPECT_TRUE(back.valid());
            EXPECT_EQ(back.number(7), value);
        }
    }
}

TEST(ParameterFileReading, NumericFieldsByHandAndBad) {
    const std::pair<const char*, float> good[] = {{"  1 2.5", 12.5f},
                                                  {"+3.5", 3.5f},
                                                  {"-.5", -0.5f},
                                                  {"5.", 5.0f},
                                                  {"", 0.0f},
                                                  {"\t7", 7.0f},
                                                  {"       2.00000xyz", 2.0f},
                                                  {"      -3.00000   :   3 label", -3.0f}};
    for (const auto& [field, expected] : good) {
        ParameterItems items = parsed(lines({"1.00000", "2", field, "4"}));
        EXPECT_TRUE(items.valid()) << field;
        EXPECT_EQ(items.number(3), expected) << field;
    }
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
    const std::vector<std::string> short_file(30, "       3.00000");
    // A line over 100 characters does not push the following items down.
    const std::tuple<std::string, int, float> cases[] = {
        {lines(short_file), 30, 3.0f},
        {lines(short_file), 31, 0.0f},
        {lines({"1" + std::string(300, ' ') + "99", "       7.00000"}), 2, 7.0f},
        {lines(std::vector<std::string>(150, "       1.00000")), 130, 1.0f}};
    for (const auto& [content, item, value] : cases) {
        ParameterItems items = parsed(content);
        EXPECT_TRUE(items.valid()) << item;
        EXPECT_EQ(items.number(item), value) << item;
    }
}

TEST(ParameterFileReading, TextItems) {
    std::vector<std::string> content(60, "1");
    // 62 holds the mark of an empty text; 64 is cut to 80 characters.
    content.insert(content.end(), {" 61 :A comment with: colon   \r", "     0.00000   :  62 label",
                                   "no colon here", " 64 :" + std::string(95, 'c'), " 65 : "});
    ParameterItems items = parsed(lines(content));
    ASSERT_TRUE(items.valid());
    EXPECT_EQ(items.text(61), "A comment with: colon");
    EXPECT_EQ(items.text(62), "");
    EXPECT_EQ(items.text(63), "no colon here");
    EXPECT_EQ(items.text(64), std::string(80, 'c'));
    EXPECT_EQ(items.text(65), "");
}

// A device that fails in the middle of the file.
class FailingBuffer : public std::streambuf {
    char text_[8] = "1\n2\n";
    bool served_ = false;
    int_type underflow() override {
        if (served_) {
            throw std::runtime_error("device error");
        }
        served_ = true;
        setg(text_, text_, text_ + 4);
        return traits_type::to_int_type(text_[0]);
    }
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
