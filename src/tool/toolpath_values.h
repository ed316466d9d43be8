#pragma once
// What a tool is compared with: the toolpath's values, read by name or by parameter index.
// The application passes its ToolpathReader through ToolpathReaderValues; tests pass a table.

#include <cstdint>
#include <string>

#include "tool/parameter_table.h"
#include "tool/tool_parameter.h"

class ToolpathValues {
public:
    virtual ~ToolpathValues() = default;
    virtual bool ReadText(const std::string& name, std::string& value) const = 0;
    virtual bool ReadReal(const std::string& name, float& value) const = 0;
    virtual bool ReadInteger(const std::string& name, std::int32_t& value) const = 0;
    // The indexed read: the field of the index's kind is filled; false when absent or of
    // another type.
    virtual bool ReadByIndex(ParameterIndex index, ParameterValue& value) const = 0;
};
