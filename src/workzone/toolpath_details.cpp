#include "workzone/toolpath_details.h"

#include <cmath>
#include <limits>

#include "platform/filesystem.h"
#include "workzone/parameter_file_reader.h"
#include "workzone/workzone_paths.h"

namespace {

template <typename Field>
struct ItemField {
    int item;
    Field ToolpathDetails::*field;
};

// Items copied as they stand, in both directions.
constexpr ItemField<float> kFloatItems[] = {
    {7, &ToolpathDetails::step},
    {9, &ToolpathDetails::tolerance},
    {10, &ToolpathDetails::stock},
    {11, &ToolpathDetails::link},
    {12, &ToolpathDetails::edge},
    {13, &ToolpathDetails::max_cut},
    {14, &ToolpathDetails::max_pocket_width},
    {15, &ToolpathDetails::min_pocket_width},
    {16, &ToolpathDetails::max_pocket_depth},
    {17, &ToolpathDetails::min_ramp_width},
    {18, &ToolpathDetails::retract},
    {20, &ToolpathDetails::approach},
    {21, &ToolpathDetails::machining_angle},
    {22, &ToolpathDetails::max_slope},
    {23, &ToolpathDetails::feed_cut},
    {24, &ToolpathDetails::feed_approach},
    {25, &ToolpathDetails::feed_rapid},
    {26, &ToolpathDetails::spindle},
    {27, &ToolpathDetails::slope_limit},
    {36, &ToolpathDetails::lead_in_radius},
    {37, &ToolpathDetails::min_stock},
    {38, &ToolpathDetails::peck_plunge},
    {41, &ToolpathDetails::forward_step},
    {42, &ToolpathDetails::lead_in_ramp},
    {43, &ToolpathDetails::total_depth},
    {48, &ToolpathDetails::extra_radius},
    {49, &ToolpathDetails::z_block_depth},
    {56, &ToolpathDetails::z_plane},
    {58, &ToolpathDetails::stock_thickness},
    {71, &ToolpathDetails::min_x},
    {72, &ToolpathDetails::min_y},
    {75, &ToolpathDetails::max_x},
    {79, &ToolpathDetails::max_y},
    {91, &ToolpathDetails::fsm_wall_stock},
    {92, &ToolpathDetails::fsm_flat_stock},
    {93, &ToolpathDetails::hsr_z_step},
    {94, &ToolpathDetails::hsr_spiral_width},
    {95, &ToolpathDetails::hsr_smooth_radius},
    {102, &ToolpathDetails::cc_precision},
    {103, &ToolpathDetails::cc_stock},
    {104, &ToolpathDetails::cc_tool_length},
    {105, &ToolpathDetails::cc_overlap},
};

// Items truncated to an integer when read.
constexpr ItemField<int> kIntItems[] = {
    {2, &ToolpathDetails::number},
    {28, &ToolpathDetails::type},
    {29, &ToolpathDetails::sub_mode_1},
    {30, &ToolpathDetails::sub_mode_2},
    {31, &ToolpathDetails::cutter_shape},
    {32, &ToolpathDetails::second_cutter_shape},
    {33, &ToolpathDetails::z_block},
    {34, &ToolpathDetails::stock_trim},
    {35, &ToolpathDetails::z_stop},
    {39, &ToolpathDetails::boundary_stop},
    {40, &ToolpathDetails::cut_side},
    {44, &ToolpathDetails::pattern},
    {45, &ToolpathDetails::order},
    {46, &ToolpathDetails::start_point_choice},
    {50, &ToolpathDetails::drive_direction},
    {51, &ToolpathDetails::rest_type},
    {52, &ToolpathDetails::step_variation},
    {53, &ToolpathDetails::cpp_number},
    {54, &ToolpathDetails::stock_type},
    {55, &ToolpathDetails::fsm_areas},
    {57, &ToolpathDetails::cc_type},
    {60, &ToolpathDetails::auto_flags},
    {70, &ToolpathDetails::start_point_index},
};

constexpr ItemField<std::string> kTextItems[] = {
    {61, &ToolpathDetails::comment}, {63, &ToolpathDetails::view_name},
    {82, &ToolpathDetails::index82}, {83, &ToolpathDetails::index83},
    {84, &ToolpathDetails::index84},
};

constexpr ItemField<std::string> kCurveItems[] = {
    {62, &ToolpathDetails::boundary_curve},
    {64, &ToolpathDetails::drive_curve},
    {81, &ToolpathDetails::machined_curve},
};

constexpr int kDescriptionItem = 67;
constexpr int kDescriptionMoreItem = 68;

// Float to int without undefined behaviour for NaN or values beyond the int range.
int truncated(float value) {
    if (std::isnan(value)) {
        return 0;
    }
    double whole = std::trunc(static_cast<double>(value));
    if (whole >= static_cast<double>(std::numeric_limits<int>::max())) {
        return std::numeric_limits<int>::max();
    }
    if (whole <= static_cast<double>(std::numeric_limits<int>::min())) {
        return std::numeric_limits<int>::min();
    }
    return static_cast<int>(whole);
}

std::string bare_name(const std::string& name) {
    std::size_t at = name.find_last_of("/\\");
    return at == std::string::npos ? name : name.substr(at + 1);
}

// A curve name that names no file is looked for in the workzone directory, bare and with
// ".crv"; otherwise it stays as read.
std::string resolve_curve(const std::string& name, const std::string& directory) {
    if (name.empty() || platform::is_regular_file(name)) {
        return name;
    }
    std::string candidate = platform::join_path(directory, bare_name(name));
    if (platform::is_regular_file(candidate)) {
        return candidate;
    }
    if (platform::is_regular_file(candidate + ".crv")) {
        return candidate + ".crv";
    }
    return name;
}

std::string directory_of(const std::string& path) {
    std::size_t at = path.find_last_of(platform::kPathSeparator);
    return at == std::string::npos ? std::string() : path.substr(0, at);
}

int lead_in_from_item(float value) {
    if (value == 1.0f || value == 2.0f || value == 3.0f) {
        return static_cast<int>(value);
    }
    return value == 99.0f ? 3 : 0;
}

float item_from_lead_in(int lead_in_type, int step_type) {
    if (lead_in_type == 3 && step_type == 2) {
        return 99.0f;
    }
    if (lead_in_type >= 1 && lead_in_type <= 3) {
        return static_cast<float>(lead_in_type);
    }
    return 0.0f;
}

// A file whose item 1 is 0 counts as not readable.
int read_valid_items(const std::string& path, ParameterItems& items) {
    ParameterFileReader reader(path, DataFileReader::kRead, items);
    int status = reader.Run();
    if (status == kDataFileOk && !items.valid()) {
        status = kDataFileMissing;
    }
    return status;
}

}  // namespace

void ToolpathDetails::SetType(int type_number) {
    switch (type_number) {
        case 200:
            type = 201;
            break;
        case 300:
            type = 301;
            break;
        case 400:
            type = 401;
            break;
        case 500:
            type = 502;
            break;
        case 600:
            type = 601;
            break;
        case 700:
            type = 710;
            break;
        default:
            type = type_number;
            break;
    }
}

float ToolpathDetails::DefaultSlopeLimit(int type_number) const {
    return (type_number == 696 || type_number == 700 || type_number == 2848) ? 90.0f : kNoLimit;
}

bool ToolpathDetails::HasTwoCutterValues(bool second_cutter) const {
    return second_cutter ? second_cutter_radius != second_corner_radius
                         : cutter_radius != corner_radius;
}

void ToolpathDetails::CopyFromItems(const ParameterItems& items, const std::string& directory) {
    Reset();
    other_items = items;
    for (const auto& [item, field] : kFloatItems) {
        this->*field = items.number(item);
    }
    for (const auto& [item, field] : kIntItems) {
        this->*field = truncated(items.number(item));
    }
    for (const auto& [item, field] : kTextItems) {
        this->*field = items.text(item);
    }
    for (const auto& [item, field] : kCurveItems) {
        this->*field = resolve_curve(items.text(item), directory);
    }
    corner_radius = items.number(3);
    cutter_radius = items.number(4) != 0.0f ? items.number(4) : corner_radius;
    second_corner_radius = items.number(5);
    second_cutter_radius = items.number(6) != 0.0f ? items.number(6) : second_corner_radius;
    direction_mode = items.number(8) > 0.0f ? 1 : 2;
    z_step = items.number(19);
    z_step_type = z_step == 0.0f ? 1 : 2;
    lead_in_type = lead_in_from_item(items.number(47));
    step_type = items.number(47) == 99.0f ? 2 : 1;
    cutter_description = items.text(kDescriptionItem);
    if (!items.text(kDescriptionMoreItem).empty()) {
        cutter_description.resize(kParameterTextWidth, ' ');
        cutter_description += items.text(kDescriptionMoreItem);
    }
    has_own_view = !view_name.empty();
}

ParameterItems ToolpathDetails::ToItems() const {
    ParameterItems items = other_items;
    items.set_number(1, 1.0f);
    for (const auto& [item, field] : kFloatItems) {
        items.set_number(item, this->*field);
    }
    for (const auto& [item, field] : kIntItems) {
        items.set_number(item, static_cast<float>(this->*field));
    }
    for (const auto& [item, field] : kTextItems) {
        items.set_text(item, this->*field);
    }
    for (const auto& [item, field] : kCurveItems) {
        items.set_text(item, bare_name(this->*field));
    }
    items.set_number(3, corner_radius);
    items.set_number(4, cutter_radius != corner_radius ? cutter_radius : 0.0f);
    items.set_number(5, second_corner_radius);
    items.set_number(6, second_cutter_radius != second_corner_radius ? second_cutter_radius : 0.0f);
    items.set_number(8, direction_mode == 1 ? 1.0f : 0.0f);
    items.set_number(19, (z_step_type == 1 || z_step_type == 3) ? 0.0f : z_step);
    items.set_number(47, item_from_lead_in(lead_in_type, step_type));
    std::size_t width = static_cast<std::size_t>(kParameterTextWidth);
    items.set_text(kDescriptionItem, cutter_description.substr(0, width));
    items.set_text(kDescriptionMoreItem, cutter_description.size() > width
                                             ? cutter_description.substr(width, width)
                                             : std::string());
    return items;
}

int ToolpathDetails::ReadParameterFile(const std::string& path) {
    ParameterItems items;
    int status = read_valid_items(path, items);
    if (status == kDataFileOk) {
        CopyFromItems(items, directory_of(path));
    }
    return status;
}

int ToolpathDetails::ReadParameterFile(int toolpath_number, const std::string& directory) {
    ParameterItems items;
    int status = read_valid_items(ToolpathFilePath(directory, toolpath_number, ".par"), items);
    if (status == kDataFileOk) {
        CopyFromItems(items, directory);
    }
    return status;
}

int ToolpathDetails::WriteParameterFile(const std::string& path) const {
    ParameterItems items = ToItems();
    ParameterFileReader writer(path, DataFileReader::kWrite, items, language_parameter_labels());
    return writer.Run();
}

int ToolpathDetails::WriteParameterFile(int toolpath_number, const std::string& directory) const {
    return WriteParameterFile(ToolpathFilePath(directory, toolpath_number, ".par"));
}
