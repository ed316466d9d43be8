#include "workzone/toolpath_geometry.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <sstream>

namespace {

bool is_blank(char c) {
    return c == ' ' || c == '\t';
}

std::vector<std::string_view> split_fields(std::string_view line) {
    std::vector<std::string_view> fields;
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && is_blank(line[i])) {
            ++i;
        }
        std::size_t start = i;
        while (i < line.size() && !is_blank(line[i])) {
            ++i;
        }
        if (i > start) {
            fields.push_back(line.substr(start, i - start));
        }
    }
    return fields;
}

// A whole field as a finite float: decimal with optional sign, point and exponent.
bool parse_float(std::string_view field, float& value) {
    if (!field.empty() && field[0] == '+') {
        field.remove_prefix(1);
    }
    if (field.empty() || !(std::isdigit(static_cast<unsigned char>(field[0])) || field[0] == '-' ||
                           field[0] == '.')) {
        return false;
    }
    float parsed = 0.0f;
    auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), parsed,
                                        std::chars_format::general);
    if (error != std::errc() || end != field.data() + field.size() || !std::isfinite(parsed)) {
        return false;
    }
    value = parsed;
    return true;
}

bool parse_floats(const std::vector<std::string_view>& fields, std::size_t first, float* values,
                  std::size_t count) {
    if (fields.size() != first + count) {
        return false;
    }
    for (std::size_t i = 0; i < count; ++i) {
        if (!parse_float(fields[first + i], values[i])) {
            return false;
        }
    }
    return true;
}

std::vector<std::string_view> split_lines(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) {
            end = text.size();
        }
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

std::string number_text(float value) {
    char buffer[32];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

std::string trimmed(std::string_view text) {
    while (!text.empty() && is_blank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && is_blank(text.back())) {
        text.remove_suffix(1);
    }
    return std::string(text);
}

}  // namespace

bool parse_point_list(const std::string& text, std::vector<Point3>& points) {
    std::vector<Point3> parsed;
    for (std::string_view line : split_lines(text)) {
        float xyz[3];
        if (!parse_floats(split_fields(line), 0, xyz, 3)) {
            return false;
        }
        parsed.push_back({xyz[0], xyz[1], xyz[2]});
    }
    points = std::move(parsed);
    return true;
}

std::string format_point_list(const std::vector<Point3>& points) {
    std::string text;
    for (const Point3& p : points) {
        text += number_text(p.x) + " " + number_text(p.y) + " " + number_text(p.z) + "\n";
    }
    return text;
}

bool parse_view_text(const std::string& text, MachiningZoneView& view) {
    MachiningZoneView parsed;
    parsed.has_named_view = view.has_named_view;
    parsed.named_view_transform = view.named_view_transform;
    std::vector<std::string_view> lines = split_lines(text);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        std::vector<std::string_view> fields = split_fields(lines[i]);
        if (fields.empty() || fields[0][0] == '#') {
            continue;
        }
        if (fields[0] == "matrix" && fields.size() == 1) {
            for (int row = 0; row < 4; ++row) {
                if (++i >= lines.size() ||
                    !parse_floats(split_fields(lines[i]), 0, parsed.transform.m[row].data(), 4)) {
                    return false;
                }
            }
        } else if (fields[0] == "box") {
            float v[6];
            if (!parse_floats(fields, 1, v, 6)) {
                return false;
            }
            parsed.has_box = true;
            parsed.box_min = {v[0], v[1], v[2]};
            parsed.box_max = {v[3], v[4], v[5]};
        } else if (fields[0] == "curve" && fields.size() > 1) {
            std::string_view line = lines[i];
            std::size_t at = line.find("curve") + 5;
            parsed.limit_curves.push_back(trimmed(line.substr(at)));
        } else {
            return false;
        }
    }
    view = std::move(parsed);
    return true;
}

std::string format_view_text(const MachiningZoneView& view) {
    std::ostringstream out;
    out << "matrix\n";
    for (const auto& row : view.transform.m) {
        out << number_text(row[0]) << ' ' << number_text(row[1]) << ' ' << number_text(row[2])
            << ' ' << number_text(row[3]) << '\n';
    }
    if (view.has_box) {
        out << "box " << number_text(view.box_min.x) << ' ' << number_text(view.box_min.y) << ' '
            << number_text(view.box_min.z) << ' ' << number_text(view.box_max.x) << ' '
            << number_text(view.box_max.y) << ' ' << number_text(view.box_max.z) << '\n';
    }
    for (const std::string& curve : view.limit_curves) {
        out << "curve " << curve << '\n';
    }
    return out.str();
}

std::string MachiningZoneView::description() const {
    std::string text = format_view_text(*this);
    if (!text.empty() && text.back() == '\n') {
        text.pop_back();
    }
    return text;
}
