#include "workzone/axis_system_file.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <vector>

#include "platform/filesystem.h"
#include "runtime/report.h"

namespace {

bool is_space(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
}

// Numbers at the start of the line, as a free "%f" scan takes them: the scan stops at the first
// text that is not a finite number.
int scan_numbers(std::string_view line, float* values, int wanted) {
    std::size_t at = 0;
    int count = 0;
    while (count < wanted) {
        while (at < line.size() && is_space(line[at])) {
            ++at;
        }
        if (at < line.size() && line[at] == '+') {
            ++at;
        }
        if (at >= line.size() || line[at] == '+') {
            break;
        }
        float value = 0.0f;
        auto [end, error] = std::from_chars(line.data() + at, line.data() + line.size(), value,
                                            std::chars_format::general);
        if (error != std::errc() || !std::isfinite(value)) {
            break;
        }
        values[count++] = value;
        at = static_cast<std::size_t>(end - line.data());
    }
    return count;
}

std::vector<std::string_view> file_lines(std::string_view text, std::size_t wanted) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start < text.size() && lines.size() < wanted) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) {
            end = text.size();
        }
        std::string_view line = text.substr(start, end - start);
        lines.push_back(line.substr(0, kAxisFileLineMax));
        start = end + 1;
    }
    lines.resize(wanted);
    return lines;
}

// Lines 2.. hold `size` numbers each: the columns of the matrix, then of the inverse.
bool read_form(std::string_view text, int size, Matrix4& matrix, Matrix4& inverse) {
    std::vector<std::string_view> lines = file_lines(text, 1 + 2 * size);
    Matrix4 parts[2] = {identity_matrix(), identity_matrix()};
    for (int line = 0; line < 2 * size; ++line) {
        float column[4];
        if (scan_numbers(lines[1 + line], column, size) < size) {
            return false;
        }
        for (int row = 0; row < size; ++row) {
            parts[line / size].m[row][line % size] = column[row];
        }
    }
    matrix = parts[0];
    inverse = parts[1];
    return true;
}

}  // namespace

bool parse_axis_system_text(std::string_view text, Matrix4& matrix, Matrix4& inverse) {
    return read_form(text, 4, matrix, inverse) || read_form(text, 3, matrix, inverse);
}

int read_axis_system_file(const std::string& path, Matrix4& matrix, Matrix4& inverse) {
    if (!platform::exists(path)) {
        return -1;
    }
    std::optional<std::string> text;
    if (!platform::is_directory(path)) {
        text = platform::read_file(path);
    }
    if (!text) {
        report_warning(format_text("cannot open %s", path.c_str()));
        return -1;
    }
    if (!parse_axis_system_text(*text, matrix, inverse)) {
        report_warning(format_text("read error %s", path.c_str()));
        return -1;
    }
    return 0;
}
