#include "toolfiles/tool_file.h"

#include <array>

#include "platform/filesystem.h"

namespace {

constexpr std::size_t kLabelWidth = 25;

// The separators of a parameter line. Asked for every byte of a file, so looked up in a table.
constexpr std::array<bool, 256> kSeparator = [] {
    std::array<bool, 256> table{};
    for (char c : std::string_view(":&=\n\r")) {
        table[static_cast<unsigned char>(c)] = true;
    }
    return table;
}();

bool is_separator(char c) {
    return kSeparator[static_cast<unsigned char>(c)];
}

std::string_view trim_line_end(std::string_view line) {
    while (!line.empty()) {
        char c = line.back();
        if (c != '\n' && c != '\r' && c != '\t' && c != ' ') {
            break;
        }
        line.remove_suffix(1);
    }
    return line;
}

// The reader splits a label at these characters, so the writer must not put them in one.
std::string label_for_writing(const std::string& label) {
    std::string result = label;
    for (char& c : result) {
        if (is_separator(c)) {
            c = ' ';
        }
    }
    return result;
}

// A value is one line; a line break inside it would start a new parameter line.
std::string value_for_writing(const std::string& value) {
    std::string result = value;
    for (char& c : result) {
        if (c == '\n' || c == '\r') {
            c = ' ';
        }
    }
    return result;
}

// The parts of a trimmed line; nullopt when it holds no name.
std::optional<ToolFileLine> split_line(std::string_view line) {
    std::size_t pos = 0;
    std::string_view tokens[3];
    for (int t = 0; t < 3; ++t) {
        while (pos < line.size() && is_separator(line[pos])) {
            ++pos;
        }
        if (pos >= line.size()) {
            return std::nullopt;
        }
        std::size_t start = pos;
        while (pos < line.size() && !is_separator(line[pos])) {
            ++pos;
        }
        tokens[t] = line.substr(start, pos - start);
    }
    ToolFileLine parts;
    parts.label = tokens[0];
    while (!parts.label.empty() && parts.label.back() == ' ') {
        parts.label.remove_suffix(1);
    }
    parts.name = tokens[2];
    // Only the one separator that ended the name is consumed: the value may start with '='.
    if (pos < line.size()) {
        parts.value = line.substr(pos + 1);
    }
    return parts;
}

}  // namespace

bool ends_as_comment(std::string_view text) {
    return trim_line_end(text).ends_with("**");
}

std::optional<ToolFileEntry> parse_tool_file_line(std::string_view line) {
    const std::optional<ToolFileLine> parts = split_line(line);
    if (!parts) {
        return std::nullopt;
    }
    return ToolFileEntry{std::string(parts->label), std::string(parts->name),
                         std::string(parts->value)};
}

std::vector<ToolFileEntry> parse_tool_file(std::string_view bytes) {
    std::vector<ToolFileEntry> entries;
    for_each_tool_file_line(bytes, [&entries](const ToolFileLine& line) {
        entries.push_back(
            {std::string(line.label), std::string(line.name), std::string(line.value)});
    });
    return entries;
}

void for_each_tool_file_line(std::string_view bytes, const ToolFileVisitor& visit) {
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        // Lines are read whole: cutting a long line into pieces would turn the tail of a long
        // value into a parameter line of its own.
        std::size_t end = bytes.find('\n', pos);
        std::size_t next = end == std::string_view::npos ? bytes.size() : end + 1;
        std::string_view line = trim_line_end(bytes.substr(pos, next - pos));
        pos = next;
        if (line.empty() || ends_as_comment(line)) {
            continue;
        }
        if (const auto parts = split_line(line)) {
            visit(*parts);
        }
    }
}

std::optional<std::vector<ToolFileEntry>> read_tool_file(const std::string& path) {
    if (path.empty()) {
        return std::nullopt;
    }
    auto bytes = platform::read_file(path);
    if (!bytes) {
        return std::nullopt;
    }
    return parse_tool_file(*bytes);
}

std::string format_tool_file_line(const ToolFileEntry& entry) {
    std::string line = label_for_writing(entry.label);
    if (line.size() < kLabelWidth) {
        line.append(kLabelWidth - line.size(), ' ');
    }
    line += ":       &";
    line += entry.name;
    line += '=';
    line += value_for_writing(entry.value);
    line += "\r\n";
    return line;
}

std::string format_tool_file(const std::vector<ToolFileEntry>& entries) {
    std::string bytes;
    for (const auto& entry : entries) {
        bytes += format_tool_file_line(entry);
    }
    return bytes;
}

bool write_tool_file(const std::string& path, const std::vector<ToolFileEntry>& entries) {
    if (path.empty()) {
        return false;
    }
    return platform::replace_file(path, format_tool_file(entries));
}
