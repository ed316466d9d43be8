#include "workzone/toolpath_variable_fields.h"

namespace {

using TD = ToolpathDetails;

VariableField real_field(std::int32_t id, float TD::*member) {
    return {id, member, nullptr, nullptr};
}
VariableField int_field(std::int32_t id, int TD::*member) {
    return {id, nullptr, member, nullptr};
}
VariableField text_field(std::int32_t id, std::string TD::*member) {
    return {id, nullptr, nullptr, member};
}

const VariableField kFields[] = {
    text_field(3, &TD::comment),
    real_field(5, &TD::cutter_radius),
    real_field(6, &TD::corner_radius),
    text_field(10, &TD::cutter_description),
    int_field(11, &TD::cutter_shape),
    int_field(12, &TD::cpp_number),
    real_field(13, &TD::second_cutter_radius),
    real_field(14, &TD::second_corner_radius),
    int_field(18, &TD::second_cutter_shape),
    real_field(19, &TD::feed_rapid),
    real_field(20, &TD::feed_approach),
    real_field(21, &TD::feed_cut),
    real_field(22, &TD::spindle),
    int_field(23, &TD::auto_flags),
    real_field(29, &TD::tolerance),
    real_field(30, &TD::stock),
    real_field(31, &TD::approach),
    real_field(32, &TD::retract),
    real_field(33, &TD::link),
    real_field(34, &TD::step),
    real_field(35, &TD::edge),
    real_field(36, &TD::max_cut),
    real_field(37, &TD::max_pocket_width),
    real_field(38, &TD::min_pocket_width),
    real_field(39, &TD::max_pocket_depth),
    real_field(40, &TD::min_ramp_width),
    real_field(41, &TD::min_stock),
    real_field(42, &TD::peck_plunge),
    real_field(43, &TD::forward_step),
    real_field(44, &TD::total_depth),
    real_field(45, &TD::extra_radius),
    real_field(46, &TD::z_block_depth),
    int_field(47, &TD::z_block),
    int_field(48, &TD::stock_trim),
    real_field(50, &TD::max_slope),
    real_field(51, &TD::slope_limit),
    real_field(52, &TD::min_x),
    real_field(53, &TD::min_y),
    real_field(54, &TD::max_x),
    real_field(55, &TD::max_y),
    real_field(56, &TD::z_plane),
    int_field(57, &TD::z_stop),
    text_field(58, &TD::view_name),
    text_field(59, &TD::boundary_curve),
    int_field(60, &TD::boundary_stop),
    int_field(61, &TD::cut_side),
    int_field(63, &TD::pattern),
    int_field(64, &TD::order),
    int_field(65, &TD::start_point_index),
    int_field(66, &TD::start_point_choice),
    int_field(67, &TD::drive_direction),
    int_field(69, &TD::z_step_type),
    real_field(70, &TD::z_step),
    text_field(72, &TD::drive_curve),
    text_field(73, &TD::machined_curve),
    int_field(74, &TD::rest_type),
    int_field(75, &TD::lead_in_type),
    real_field(76, &TD::lead_in_radius),
    real_field(77, &TD::lead_in_ramp),
    int_field(78, &TD::step_variation),
    int_field(79, &TD::step_type),
    int_field(80, &TD::stock_type),
    real_field(81, &TD::stock_thickness),
    real_field(82, &TD::fsm_wall_stock),
    real_field(83, &TD::fsm_flat_stock),
    int_field(84, &TD::fsm_areas),
    real_field(85, &TD::hsr_z_step),
    real_field(86, &TD::hsr_spiral_width),
    real_field(87, &TD::hsr_smooth_radius),
    real_field(88, &TD::cc_precision),
    real_field(89, &TD::cc_stock),
    real_field(90, &TD::cc_tool_length),
    real_field(91, &TD::cc_overlap),
    int_field(92, &TD::cc_type),
    text_field(93, &TD::index82),
    text_field(94, &TD::index83),
    text_field(95, &TD::index84),
};

constexpr int kMachiningAngleOfMode2 = 90;

bool direction_is_fixed(int type) {
    switch (type) {
        case 304:
        case 305:
        case 505:
        case 506:
        case 601:
        case 602:
        case 710:
        case 720:
        case 730:
        case 750:
        case 760:
        case 770:
            return true;
        default:
            return false;
    }
}

}  // namespace

const VariableField* FindVariableField(std::int32_t id) {
    for (const auto& field : kFields) {
        if (field.id == id) {
            return &field;
        }
    }
    return nullptr;
}

int AutoFlagBit(std::int32_t id) {
    switch (id) {
        case 24:  // TP_AUTOSTEPOVER
            return 0x1;
        case 25:  // TP_AUTOPKTW
            return 0x2;
        case 26:  // TP_AUTORAMPW
            return 0x4;
        case 27:  // TP_AUTOZSTEP
            return 0x8;
        case 28:  // TP_AUTODRILLZPLANE
            return 0x10;
        default:
            return 0;
    }
}

int PublicToolpathType(int stored_type, int sub_mode_1, int sub_mode_2) {
    switch (stored_type) {
        case 305:
            return sub_mode_1 == 1 ? 10305 : 20305;
        case 204:
            if (sub_mode_2 == 2) {
                return 20204;
            }
            return sub_mode_2 == 3 ? 30204 : 10204;
        case 205:
        case 209:
            return 205;
        case 210:
            return 208;
        case 502:
        case 503:
        case 504:
            return 10502;
        default:
            return stored_type;
    }
}

void StorePublicToolpathType(ToolpathDetails& details, int public_type) {
    switch (public_type) {
        case 208:
            details.type = 210;
            break;
        case 205:
            details.type = 209;
            break;
        case 10305:
        case 20305:
            details.type = 305;
            details.sub_mode_1 = public_type == 10305 ? 1 : 2;
            break;
        case 10204:
        case 20204:
        case 30204:
            details.type = 204;
            details.sub_mode_2 = public_type / 10000;
            break;
        case 10502:
            details.type = 502;
            break;
        default:
            details.type = public_type;
            break;
    }
}

float MachiningAngle(const ToolpathDetails& details) {
    return details.direction_mode == 2 ? static_cast<float>(kMachiningAngleOfMode2)
                                       : details.machining_angle;
}

void StoreMachiningAngle(ToolpathDetails& details, float angle) {
    if (angle == static_cast<float>(kMachiningAngleOfMode2)) {
        details.machining_angle = 0.0f;
        details.direction_mode = 2;
    } else {
        details.machining_angle = angle;
        details.direction_mode = 1;
    }
}

int MachiningDirection(const ToolpathDetails& details) {
    switch (details.type) {
        case 304:
        case 305:
        case 505:
        case 601:
        case 710:
        case 720:
        case 730:
        case 750:
        case 760:
        case 770:
            return 4;
        case 506:
        case 602:
            return 3;
        default:
            return details.direction_mode == 1 ? 1 : 2;
    }
}

bool StoreMachiningDirection(ToolpathDetails& details, int direction) {
    if (direction_is_fixed(details.type) || (direction != 1 && direction != 2)) {
        return false;
    }
    details.direction_mode = direction;
    return true;
}
