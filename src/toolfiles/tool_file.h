#pragma once
// The tool file (.wkz): one parameter a line, "LABEL:       &NAME=VALUE", label padded to 25.

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// One parameter line as it stands in the file; the value is the text after "NAME=", unchanged.
struct ToolFileEntry {
    std::string label;
    std::string name;
    std::string value;
};

// Whether a line ending in this text is a comment line: the text ends in "**" once blanks and
// line ends at its end are cut. A value that does cannot be written so that it reads back.
bool ends_as_comment(std::string_view text);

// Splits the bytes of a tool file into entries: comment lines (ending in "**"), empty lines
// and lines without a name are skipped.
std::vector<ToolFileEntry> parse_tool_file(std::string_view bytes);
// One trimmed line; nullopt when it holds no name.
std::optional<ToolFileEntry> parse_tool_file_line(std::string_view line);

// The parts of one parameter line, as views into the bytes read.
struct ToolFileLine {
    std::string_view label;
    std::string_view name;
    std::string_view value;
};
// The parameter lines of the bytes in file order, as parse_tool_file finds them, without
// copying any part: `while (lines.Next(line))`.
class ToolFileLines {
public:
    explicit ToolFileLines(std::string_view bytes) : rest_(bytes) {}
    bool Next(ToolFileLine& line);

private:
    std::string_view rest_;
};
using ToolFileVisitor = std::function<void(const ToolFileLine&)>;
// The same lines through a callback: for readers that keep only some values.
void for_each_tool_file_line(std::string_view bytes, const ToolFileVisitor& visit);

// The bytes of a tool file for these entries, values already formatted by kind.
std::string format_tool_file(const std::vector<ToolFileEntry>& entries);
std::string format_tool_file_line(const ToolFileEntry& entry);

// Writes the file atomically; false when the path is empty or the file cannot be written.
bool write_tool_file(const std::string& path, const std::vector<ToolFileEntry>& entries);
