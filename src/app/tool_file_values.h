#pragma once
// The parameters of one tool file's bytes, found as the tool finds them: the first line of a
// name counts. The lines are looked at in the bytes read, never copied, so the bytes must
// outlive this object. The list's rows, the search index and the library check read with it.

#include <array>
#include <optional>
#include <string_view>

#include "tool/parameter_table.h"
#include "tool/tool_parameter.h"
#include "toolfiles/tool_file.h"

class ToolFileValues {
public:
    explicit ToolFileValues(std::string_view bytes);

    // The first line of the parameter; nullopt when the file has none.
    const std::optional<ToolFileLine>& Line(ParameterIndex index) const {
        return first_[static_cast<std::size_t>(index)];
    }
    // Its value parsed by the parameter's kind.
    std::optional<ToolParameter> Get(ParameterIndex index) const;
    // Whether the bytes hold any parameter line, also one of a name the table does not know.
    bool HasLines() const { return has_lines_; }

private:
    std::array<std::optional<ToolFileLine>, kParameterCount> first_{};
    bool has_lines_ = false;
};
