#pragma once
// The in-memory toolpath: the values behind the toolpath variables, loaded from the toolpath's
// parameter, view, levels and drill points files. One object per process.

#include <string>
#include <vector>

#include "workzone/parameter_file.h"
#include "workzone/toolpath_geometry.h"

// Stands for the absence of a limit.
inline constexpr float kNoLimit = 99999.0f;

class ToolpathDetails {
public:
    ToolpathDetails() = default;

    // Back to the default values.
    void Reset() { *this = ToolpathDetails(); }

    // Stores the type with normalisation: 200 -> 201, 300 -> 301, 400 -> 401, 500 -> 502,
    // 600 -> 601, 700 -> 710.
    void SetType(int type_number);
    // 90.0 for 696, 700 and 2848, else kNoLimit.
    float DefaultSlopeLimit(int type_number) const;

    // True when a cutter description has two values (radius and a different corner radius).
    bool HasTwoCutterValues(bool second_cutter) const;

    // Parameter file by path or by toolpath number in a workzone directory. Reading resets the
    // object and copies the items in; status 0, or a DataFileReader code (7 also for a file
    // whose item 1 is 0). Curve names are completed against `directory` (the file's own
    // directory for the path form).
    int ReadParameterFile(const std::string& path);
    int ReadParameterFile(int toolpath_number, const std::string& directory);
    // Status 0, 5 (path too long) or 10 (write failed).
    int WriteParameterFile(const std::string& path) const;
    int WriteParameterFile(int toolpath_number, const std::string& directory) const;

    // Items -> object (reset first) and object -> items, by the fixed mapping.
    void CopyFromItems(const ParameterItems& items, const std::string& directory);
    ParameterItems ToItems() const;

    // The whole load of a toolpath: parameter, view, named view, axis systems, levels, drill
    // points, derived modes. Status 0, 7 or the view reader's status; `failed_path` (when
    // given) receives the path of the file that failed, else empty.
    int Load(int toolpath_number, const std::string& directory, std::string* failed_path);

    // Item 2 and the stored type (item 28) with its two sub-modes (items 29, 30).
    int number = 0;
    int type = 0;
    int sub_mode_1 = 0;
    int sub_mode_2 = 0;
    // Item 8: 1 when greater than 0, else 2 (machining angle 90 is stored as 0 with mode 2).
    int direction_mode = 1;
    float machining_angle = 0.0f;  // 21

    // Cutter: radius TP_BRAD (item 4, item 3 when 0), corner radius TP_CRAD (item 3); the
    // same for the second cutter (items 6 and 5).
    float cutter_radius = 0.0f;
    float corner_radius = 0.0f;
    float second_cutter_radius = 0.0f;
    float second_corner_radius = 0.0f;
    int cutter_shape = 0;         // 31
    int second_cutter_shape = 0;  // 32

    float step = 0.0f;                  // 7
    float tolerance = 0.0f;             // 9
    float stock = 0.0f;                 // 10
    float link = 0.0f;                  // 11
    float edge = 0.0f;                  // 12
    float max_cut = kNoLimit;           // 13
    float max_pocket_width = kNoLimit;  // 14
    float min_pocket_width = 0.0f;      // 15
    float max_pocket_depth = kNoLimit;  // 16
    float min_ramp_width = 0.0f;        // 17
    float retract = 0.0f;               // 18
    float z_step = 0.0f;                // 19
    float approach = 0.0f;              // 20
    // 1 when item 19 is 0, else 2; 3 when a levels file was read.
    int z_step_type = 1;
    float max_slope = kNoLimit;    // 22
    float feed_cut = 0.0f;         // 23
    float feed_approach = 0.0f;    // 24
    float feed_rapid = 0.0f;       // 25
    float spindle = 0.0f;          // 26
    float slope_limit = kNoLimit;  // 27
    int z_block = 0;               // 33
    int stock_trim = 0;            // 34
    int z_stop = 0;                // 35
    float lead_in_radius = 0.0f;   // 36
    float min_stock = 0.0f;        // 37
    float peck_plunge = 0.0f;      // 38
    int boundary_stop = 0;         // 39
    int cut_side = 0;              // 40
    float forward_step = 0.0f;     // 41
    float lead_in_ramp = 0.0f;     // 42, degrees
    float total_depth = 0.0f;      // 43
    int pattern = 0;               // 44
    int order = 0;                 // 45
    int start_point_choice = 0;    // 46
    // Item 47: 1, 2, 3 give lead-in type 1, 2, 3; 99 gives lead-in 3 with step type 2.
    int lead_in_type = 0;
    int step_type = 1;
    float extra_radius = 0.0f;       // 48
    float z_block_depth = 0.0f;      // 49
    int drive_direction = 0;         // 50
    int rest_type = 0;               // 51
    int step_variation = 0;          // 52
    int cpp_number = 0;              // 53
    int stock_type = 0;              // 54
    int fsm_areas = 0;               // 55
    float z_plane = 0.0f;            // 56
    int cc_type = 0;                 // 57
    float stock_thickness = 0.0f;    // 58
    int auto_flags = 0;              // 60
    int start_point_index = 0;       // 70
    float min_x = -kNoLimit;         // 71
    float min_y = -kNoLimit;         // 72
    float max_x = kNoLimit;          // 75
    float max_y = kNoLimit;          // 79
    float fsm_wall_stock = 0.0f;     // 91
    float fsm_flat_stock = 0.0f;     // 92
    float hsr_z_step = 0.0f;         // 93
    float hsr_spiral_width = 0.0f;   // 94
    float hsr_smooth_radius = 0.0f;  // 95
    float cc_precision = 0.0f;       // 102
    float cc_stock = 0.0f;           // 103
    float cc_tool_length = 0.0f;     // 104
    float cc_overlap = 0.0f;         // 105

    std::string comment;             // 61
    std::string boundary_curve;      // 62
    std::string view_name;           // 63
    std::string drive_curve;         // 64
    std::string cutter_description;  // 67 and 68
    std::string machined_curve;      // 81
    std::string index82;             // 82 (the tool reference)
    std::string index83;             // 83
    std::string index84;             // 84
    // A non-empty view name: the toolpath has its own view.
    bool has_own_view = false;

    // Derived at load: for type 305 with sub-mode 1 equal to 2, 2 with a drive curve, else 1
    // without points and 3 with them; for type 773, 2 without points, else 1.
    int curve_mode = 0;
    int point_mode = 0;

    std::vector<Point3> levels;  // the levels file
    std::vector<Point3> points;  // the drill points file
    MachiningZoneView view;      // the view file

    // Items without a field of their own, written back unchanged.
    ParameterItems other_items;
};

// The single process-wide object, created on first use.
ToolpathDetails& toolpath_details();

// The object loaded for this toolpath of this workzone directory: loaded again only when the
// number or the directory (exact text) differ from the last load, failed loads included.
// With KVXDEBUG set, prints the load's line to standard output.
ToolpathDetails& GetToolpathDetails(const std::string& directory, int toolpath_number);

// The status of the load behind GetToolpathDetails for this key (loading when it is not the last
// load): 0, or Load's status, with the path of the file that failed (else empty).
int ToolpathLoadStatus(const std::string& directory, int toolpath_number,
                       std::string* failed_path = nullptr);

// Forgets the last load, so that the next GetToolpathDetails loads again.
void forget_toolpath_details_load();
