#include "toolfiles/tool_file.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstring>

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

// The first separator in [pos, limit), or limit. Sixteen bytes are compared at once where that
// many remain: a library of tools is mostly labels and names to scan.
const char* find_separator(const char* pos, const char* limit) {
    using Bytes = unsigned char __attribute__((vector_size(16)));
    constexpr std::size_t kWidth = sizeof(Bytes);
    while (static_cast<std::size_t>(limit - pos) >= kWidth) {
        Bytes bytes;
        std::memcpy(&bytes, pos, kWidth);
        const auto hits =
            (bytes == ':') | (bytes == '&') | (bytes == '=') | (bytes == '\n') | (bytes == '\r');
        std::uint64_t halves[2];
        std::memcpy(halves, &hits, kWidth);
        if constexpr (std::endian::native == std::endian::big) {
            halves[0] = __builtin_bswap64(halves[0]);
            halves[1] = __builtin_bswap64(halves[1]);
        }
        if (halves[0] != 0) {
            return pos + __builtin_ctzll(halves[0]) / 8;
        }
        if (halves[1] != 0) {
            return pos + 8 + __builtin_ctzll(halves[1]) / 8;
        }
        pos += kWidth;
    }
    while (pos < limit && !is_separator(*pos)) {
        ++pos;
    }
    return pos;
}

// The text without the blanks at its end, looked at eight bytes at a time: a label is padded
// with up to two dozen of them.
std::string_view trim_blanks(std::string_view text) {
    constexpr std::uint64_t kBlanks = 0x2020202020202020;
    constexpr std::size_t kWord = sizeof kBlanks;
    while (text.size() >= kWord) {
        std::uint64_t word;
        std::memcpy(&word, text.data() + text.size() - kWord, kWord);
        if constexpr (std::endian::native == std::endian::big) {
            word = __builtin_bswap64(word);
        }
        const std::uint64_t others = word ^ kBlanks;  // a zero byte for each blank
        if (others != 0) {
            const std::size_t last = (63 - static_cast<std::size_t>(__builtin_clzll(others))) / 8;
            text.remove_suffix(kWord - 1 - last);
            return text;
        }
        text.remove_suffix(kWord);
    }
    while (!text.empty() && text.back() == ' ') {
        text.remove_suffix(1);
    }
    return text;
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

// The parts of a trimmed line; false when it holds no name. The bytes from `line.data()` may
// be read up to `limit` (at least the line's end), so that a token is found in wide steps; what
// lies past the line's end never becomes part of a token.
bool split_line(std::string_view line, ToolFileLine& parts, const char* limit) {
    const char* const end = line.data() + line.size();
    const char* pos = line.data();
    std::string_view tokens[3];
    for (int t = 0; t < 3; ++t) {
        while (pos < end && is_separator(*pos)) {
            ++pos;
        }
        if (pos >= end) {
            return false;
        }
        const char* const start = pos;
        pos = std::min(find_separator(pos, limit), end);
        tokens[t] = std::string_view(start, static_cast<std::size_t>(pos - start));
    }
    parts.label = trim_blanks(tokens[0]);
    parts.name = tokens[2];
    // Only the one separator that ended the name is consumed: the value may start with '='.
    parts.value = pos < end ? std::string_view(pos + 1, static_cast<std::size_t>(end - pos - 1))
                            : std::string_view();
    return true;
}

}  // namespace

bool ends_as_comment(std::string_view text) {
    return trim_line_end(text).ends_with("**");
}

std::optional<ToolFileEntry> parse_tool_file_line(std::string_view line) {
    ToolFileLine parts;
    if (!split_line(line, parts, line.data() + line.size())) {
        return std::nullopt;
    }
    return ToolFileEntry{std::string(parts.label), std::string(parts.name),
                         std::string(parts.value)};
}

std::vector<ToolFileEntry> parse_tool_file(std::string_view bytes) {
    std::vector<ToolFileEntry> entries;
    for_each_tool_file_line(bytes, [&entries](const ToolFileLine& line) {
        entries.push_back(
            {std::string(line.label), std::string(line.name), std::string(line.value)});
    });
    return entries;
}

bool ToolFileLines::Next(ToolFileLine& line) {
    const char* const limit = rest_.data() + rest_.size();
    while (!rest_.empty()) {
        // Lines are read whole: cutting a long line into pieces would turn the tail of a long
        // value into a parameter line of its own.
        const std::size_t end = rest_.find('\n');
        const std::size_t next = end == std::string_view::npos ? rest_.size() : end + 1;
        const std::string_view text = trim_line_end(rest_.substr(0, next));
        rest_.remove_prefix(next);
        if (text.empty() || text.ends_with("**")) {
            continue;
        }
        if (split_line(text, line, limit)) {
            return true;
        }
    }
    return false;
}

void for_each_tool_file_line(std::string_view bytes, const ToolFileVisitor& visit) {
    ToolFileLines lines(bytes);
    ToolFileLine line;
    while (lines.Next(line)) {
        visit(line);
    }
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
