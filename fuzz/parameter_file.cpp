// Parameter files (and the view and point files beside them) from arbitrary bytes: reading
// must not crash, and whatever the writer accepts must read back as a valid file.

#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

#include "workzone/parameter_file.h"
#include "workzone/toolpath_details.h"
#include "workzone/toolpath_geometry.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string content(reinterpret_cast<const char*>(data), size);
    ParameterItems items;
    parse_parameter_items(content, items);

    // Curve names would be looked up on disk: too slow for fuzzing, and not parsing.
    for (int item : {62, 64, 81}) {
        items.set_text(item, {});
    }
    ToolpathDetails details;
    details.CopyFromItems(items, {});
    std::ostringstream out;
    if (write_parameter_items(out, details.ToItems())) {
        ParameterItems back;
        parse_parameter_items(out.str(), back);
        if (!back.valid()) {
            __builtin_trap();
        }
    }

    std::vector<Point3> points;
    parse_point_list(content, points);
    MachiningZoneView view;
    if (parse_view_text(content, view)) {
        MachiningZoneView back;
        if (!parse_view_text(format_view_text(view), back)) {
            __builtin_trap();
        }
    }
    return 0;
}
