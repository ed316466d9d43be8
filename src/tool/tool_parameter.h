#pragma once
// One parameter of a tool, and the value parsing of tool files.

#include <cstdint>
#include <string>
#include <string_view>

#include "tool/parameter_table.h"

// Longest text a parameter keeps (its value buffer held 255 characters and a terminator).
inline constexpr std::size_t kMaxParameterText = 255;

// A parameter's label: either a text of the variable definitions, which stays valid for the
// whole run and is shared by every tool loaded, or a text of its own (the tool file's label,
// or one given). Loading a library copies no label that the definitions give.
class ParameterLabel {
public:
    ParameterLabel() = default;
    ParameterLabel(std::string text) : own_(std::move(text)) {}
    ParameterLabel(const char* text) : own_(text) {}
    // Points to `text` rather than copying it: only for texts that outlive every record.
    static ParameterLabel Shared(const std::string& text) {
        ParameterLabel label;
        label.Share(text);
        return label;
    }
    void Share(const std::string& text) {
        shared_ = &text;
        own_.clear();
    }

    const std::string& str() const { return shared_ != nullptr ? *shared_ : own_; }
    operator const std::string&() const { return str(); }
    bool empty() const { return str().empty(); }
    friend bool operator==(const ParameterLabel& a, std::string_view b) { return a.str() == b; }

private:
    const std::string* shared_ = nullptr;
    std::string own_;
};

struct ToolParameter {
    // Provided, so that a record made in place is not zeroed whole before its members are set:
    // every parameter line of every tool loaded makes one.
    ToolParameter() {}

    ParameterLabel label;
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
// Completes a record whose name is set with the value text as a tool file gives it: index,
// kind, whether it is applied, and the value.
void ParseToolValue(ToolParameter& parameter, std::string_view value);
// Copies the field of the parameter's kind from the value slot.
void AssignParameterValue(ToolParameter& parameter, const ParameterValue& value);
// A record from an index and a value, as the pages set one.
ToolParameter MakeToolParameter(ParameterIndex index, const ParameterValue& value);

// The value as a tool file and the change file write it: text unchanged, reals with three
// decimals, integers in decimal.
std::string FormatParameterValue(const ToolParameter& parameter);
