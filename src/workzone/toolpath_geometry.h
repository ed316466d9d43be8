#pragma once
// Points of a toolpath's levels and drill points files, and the machining-zone view.

#include <string>
#include <vector>

#include "workzone/axis_matrix.h"

struct Point3 {
    float x = 0.0f;
    float y = 0.0f;
    float z = 0.0f;
    bool operator==(const Point3&) const = default;
};

// What the view file of a toolpath holds: its view transformation, the box of the machining
// zone when it has one, and the names of the curves that limit it.
struct MachiningZoneView {
    Matrix4 transform = identity_matrix();
    bool has_box = false;
    Point3 box_min;
    Point3 box_max;
    std::vector<std::string> limit_curves;
    // The transformation of the named view (the ".trn" file), kept apart so that it does not
    // replace the toolpath's own, rotated transformation.
    bool has_named_view = false;
    Matrix4 named_view_transform = identity_matrix();

    // Text for the machining-zone debug output.
    std::string description() const;
};

// Text layouts of the view, levels and drill points files (see docs/file-formats.md).

// Lines of exactly three numbers; false (and `points` untouched) on any other line.
bool parse_point_list(const std::string& text, std::vector<Point3>& points);
std::string format_point_list(const std::vector<Point3>& points);

// Keyword lines "matrix" (followed by four rows of four numbers), "box" with six numbers and
// "curve" with a name; blank lines and lines starting with '#' are skipped. False (and `view`
// untouched) on anything else. The named-view part of `view` is not changed.
bool parse_view_text(const std::string& text, MachiningZoneView& view);
std::string format_view_text(const MachiningZoneView& view);
