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
