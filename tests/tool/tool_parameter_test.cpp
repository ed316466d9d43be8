#include <gtest/gtest.h>

#include <cmath>

#include "platform/number_text.h"
#include "tool/parameter_table.h"
#include "tool/tool_parameter.h"

namespace {

TEST(ToolValueParsing, RealsCarryThreeDecimals) {
    // text, written back
    const std::pair<const char*, const char*> cases[] = {
        {"0.0006", "0.001"}, {"-0.0006", "-0.001"}, {"12.3456", "12.346"}, {"0.0005", "0.000"},
        {"12,5", "12.000"},  {"  7.25", "7.250"},   {"abc", "0.000"},      {"-0", "0.000"},
        {"nan", "0.000"},    {"inf", "0.000"},      {"1e39", "0.000"},     {"2.5e1", "25.000"},
    };
    for (const auto& [text, written] : cases) {
        EXPECT_EQ(platform::format_fixed(ParseToolReal(text), 3), written) << text;
    }
    // A value that rounds to no thousandths has no sign left.
    EXPECT_FALSE(std::signbit(ParseToolReal("-0.0004")));
    // The product is rounded to a float only at the end, so 2.001 lies above 2.001.
    EXPECT_GE(static_cast<double>(ParseToolReal("2.001")) - 2.0, 0.001);
}

// Texts keep blanks, end at 255 characters or a NUL; integers take their leading digits.
TEST(ToolValueParsing, TextsAndIntegers) {
    EXPECT_EQ(ParseToolParameter("L", "TP_COMMENT", "  a=b & c").text, "  a=b & c");
    EXPECT_EQ(ParseToolParameter("L", "TP_CPPNUM", " 42x").integer, 42);
    EXPECT_EQ(ParseToolParameter("L", "TP_CPPNUM", "").integer, 0);
    std::string long_text(300, 'x');
    EXPECT_EQ(ParseToolParameter("L", "TP_COMMENT", long_text).text.size(), 255u);
    ParameterValue value;
    value.text = long_text;
    EXPECT_EQ(MakeToolParameter(kTpCdesc, value).text.size(), 255u);
    const std::string damaged("rough\0&TP_INDEX82=x", 20);
    EXPECT_EQ(ParseToolParameter("L", "TP_COMMENT", damaged).text, "rough");
    EXPECT_EQ(ParseToolParameter("L", "MY_NOTE", damaged).text, "rough");
    value.text = damaged;
    EXPECT_EQ(MakeToolParameter(kTpCdesc, value).text, "rough");
}

}  // namespace
