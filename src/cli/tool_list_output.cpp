#include "cli/tool_list_output.h"

#include <cstdio>
#include <string>

#include "cli/output_text.h"

void PrintToolListRow(const ToolListRow& row) {
    std::string line = std::to_string(row.image);
    for (const std::string& text : row.columns) {
        line += "\t" + EscapeLineBreaks(text);
    }
    line += "\t" + (row.kind == ToolListRowKind::Tool ? std::to_string(row.shape) : "") + "\n";
    std::fwrite(line.data(), 1, line.size(), stdout);
}
