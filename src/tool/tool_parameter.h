#pragma once
// One parameter of a tool, and the value parsing of tool files.

#include <cstdint>
#include <string>
#include <string_view>

#include "tool/parameter_table.h"

// Longest text a parameter keeps (its value buffer held 255 characters and a terminator).
inline constexpr std::size_t kMaxParameterText = 255;

struct ToolParameter {
    std::string label;
    std::string name;
    ParameterIndex index = 0;
    ParameterKind kind = ParameterKind::Integer;
    bool applied = false;
    std::string text;
    float real = 0.0f;
    std::int32_t integer = 0;
};

// The value slot of the index operations: the field of the parameter's kind is used.
struct ParameterValue {
    std::string text;
    float real = 0.0f;
    std::int32_t integer = 0;
};

// A tool value text as a real with three decimals: scaled by the reciprocal of the float 0.001,
// rounded half away from zero, scaled back by the float 0.001.
float ParseToolReal(std::string_view text);
std::int32_t ParseToolInteger(std::string_view text);
// Texts longer than a parameter holds are cut, wherever they enter one; so is a text at its
// first NUL byte.
std::string LimitParameterText(std::string_view text);

// A record from a name and a value text as a tool file gives them.
ToolParameter ParseToolParameter(std::string label, std::string name, std::string_view value);
// Copies the field of the parameter's kind from the value slot.
void AssignParameterValue(ToolParameter& parameter, const ParameterValue& value);
// A record from an index and a value, as the pages set one.
ToolParameter MakeToolParameter(ParameterIndex index, const ParameterValue& value);

// The value as a tool file and the change file write it: text unchanged, reals with three
// decimals, integers in decimal.
std::string FormatParameterValue(const ToolParameter& parameter);
