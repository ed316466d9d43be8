#include "app/tool_file_values.h"

#include <string>

ToolFileValues::ToolFileValues(std::string_view bytes) {
    for_each_tool_file_line(bytes, [this](const ToolFileLine& line) {
        has_lines_ = true;
        const auto index = static_cast<std::size_t>(ParameterIndexOf(line.name));
        if (index > 0 && !first_[index]) {
            first_[index] = line;
        }
    });
}

std::optional<ToolParameter> ToolFileValues::Get(ParameterIndex index) const {
    const std::optional<ToolFileLine>& line = Line(index);
    if (!line) {
        return std::nullopt;
    }
    return ParseToolParameter(std::string(), std::string(line->name), line->value);
}
