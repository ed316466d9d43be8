#include "tool/tool_parameter.h"

#include <cmath>

#include "platform/number_text.h"

namespace {
// The reciprocal of the float 0.001 in double precision.
constexpr double kThousandth = 999.999952502551;

// A value buffer ended at its first zero byte: what follows it was never part of the text.
std::string_view LimitedText(std::string_view text) {
    text = text.substr(0, text.find('\0'));
    return text.substr(0, kMaxParameterText);
}
}  // namespace

float ParseToolReal(std::string_view text) {
    double value = platform::parse_leading_double(text).value;
    double scaled = value * kThousandth;
    // Adding 0.0 turns the negative zero of a small negative value into 0: the rounded integer
    // has no sign of its own, and -0.000 must never be written.
    scaled = (scaled >= 0 ? std::trunc(scaled + 0.5) : std::trunc(scaled - 0.5)) + 0.0;
    // The product is taken in double precision and only then stored as a float: 2.001 must
    // come out just above 2.001, so that it differs from 2.0 by no less than 0.001.
    float result = static_cast<float>(scaled * static_cast<double>(0.001f));
    // A number beyond the float range is no usable value; it reads as 0 like any other text
    // that is not a number, rather than as an infinity that no file could hold.
    return std::isfinite(result) ? result : 0.0f;
}

std::int32_t ParseToolInteger(std::string_view text) {
    return platform::parse_leading_int(text);
}

std::string LimitParameterText(std::string_view text) {
    return std::string(LimitedText(text));
}

ToolParameter ParseToolParameter(std::string label, std::string name, std::string_view value) {
    ToolParameter parameter;
    parameter.label = std::move(label);
    parameter.name = std::move(name);
    ParseToolValue(parameter, value);
    return parameter;
}

void ParseToolValue(ToolParameter& parameter, std::string_view value) {
    parameter.index = ParameterIndexOf(parameter.name);
    parameter.applied = true;
    switch (ParameterKindOf(parameter.index)) {
        case ParameterKind::Text:
            parameter.kind = ParameterKind::Text;
            parameter.text.assign(LimitedText(value));
            break;
        case ParameterKind::Real:
            parameter.kind = ParameterKind::Real;
            parameter.real = ParseToolReal(value);
            break;
        case ParameterKind::Integer:
            parameter.kind = ParameterKind::Integer;
            parameter.integer = ParseToolInteger(value);
            break;
        case ParameterKind::None:
            // Unknown names, TP_TYPE and TP_INDEX82 are kept and written back, never applied.
            parameter.kind = ParameterKind::Text;
            parameter.text.assign(LimitedText(value));
            parameter.applied = false;
            break;
    }
}

ToolParameter MakeToolParameter(ParameterIndex index, const ParameterValue& value) {
    ToolParameter parameter;
    parameter.name = ParameterNameTable(index);
    parameter.index = ParameterIndexOf(parameter.name);
    parameter.kind = ParameterKindOf(index);
    parameter.applied = parameter.index != 0;
    AssignParameterValue(parameter, value);
    return parameter;
}

void AssignParameterValue(ToolParameter& parameter, const ParameterValue& value) {
    switch (parameter.kind) {
        case ParameterKind::Text:
            parameter.text = LimitParameterText(value.text);
            break;
        case ParameterKind::Real:
            parameter.real = value.real;
            break;
        case ParameterKind::Integer:
            parameter.integer = value.integer;
            break;
        case ParameterKind::None:
            break;
    }
}

std::string FormatParameterValue(const ToolParameter& parameter) {
    switch (parameter.kind) {
        case ParameterKind::Text:
            return parameter.text;
        case ParameterKind::Real:
            return platform::format_fixed(parameter.real, 3);
        case ParameterKind::Integer:
            return std::to_string(parameter.integer);
        case ParameterKind::None:
            break;
    }
    return {};
}
