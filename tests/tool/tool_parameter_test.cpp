#include <gtest/gtest.h>

#include <cmath>

#include "platform/number_text.h"
#include "tool/parameter_table.h"
#include "tool/tool_parameter.h"

namespace {

TEST(ToolValueParsing, RealsCarryThreeDecimalsKindsTextsAndIntegers) {
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

    // The kind follows the name; texts keep blanks, end at 255 characters or a NUL; integers
    // take their leading digits. Name, value, kind, applied:
    const std::tuple<const char*, const char*, ParameterKind, bool> kinds[] = {
        {"TP_COMMENT", "  a=b & c", ParameterKind::Text, true},
        {"TP_BRAD", "5", ParameterKind::Real, true},
        {"TP_CPPNUM", "12", ParameterKind::Integer, true},
        {"TP_TYPE", "201", ParameterKind::Text, false},
        {"TP_INDEX82", ".\\a.wkz", ParameterKind::Text, false},
        {"tp_brad", "5", ParameterKind::Text, false},  // names compare with case
    };
    for (const auto& [name, value, kind, applied] : kinds) {
        const ToolParameter p = ParseToolParameter("L", name, value);
        EXPECT_TRUE(p.kind == kind && p.applied == applied &&
                    p.text == (kind == ParameterKind::Text ? value : ""))
            << name;
    }
    for (ParameterIndex i = 1; i < kParameterCount; ++i) {
        const std::string name = ParameterNameTable(i);
        EXPECT_EQ(ParameterIndexOf(name), i) << name;
        EXPECT_EQ(ParameterIndexOf(name + "X") + ParameterIndexOf(name.substr(1)), 0) << name;
    }
    EXPECT_EQ(ParseToolParameter("L", "TP_CPPNUM", " 42x").integer, 42);
    // Read or set, of a known name or not: text, what is kept.
    for (const auto& [text, kept] : {std::pair{std::string(300, 'x'), std::string(255, 'x')},
                                     {std::string("rough\0&TP_INDEX82=x", 20), "rough"}}) {
        ParameterValue value;
        value.text = text;
        EXPECT_EQ(ParseToolParameter("L", "TP_COMMENT", text).text + "|" +
                      ParseToolParameter("L", "MY_NOTE", text).text + "|" +
                      MakeToolParameter(kTpCdesc, value).text,
                  kept + "|" + kept + "|" + kept);
    }
}

}  // namespace
