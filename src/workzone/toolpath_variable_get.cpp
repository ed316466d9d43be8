#include "runtime/environment.h"
#include "workzone/toolpath_details.h"
#include "workzone/toolpath_variable.h"
#include "workzone/toolpath_variable_enum.h"
#include "workzone/toolpath_variable_fields.h"
#include "workzone/toolpath_variable_table.h"

namespace {

// The joined form's name and suffix are taken from this much of the text.
constexpr std::size_t kJoinedNameLength = 127;

template <typename T>
void put(VariableValue& value, std::int32_t type, const T& item) {
    value.type = type;
    value.values.emplace_back(std::in_place_type<T>, item);
    value.count = static_cast<std::int32_t>(value.values.size());
}

void put_points(VariableValue& value, std::int32_t type, const std::vector<Point3>& points) {
    value.type = type;
    for (const Point3& p : points) {
        put(value, type, p.x);
        put(value, type, p.y);
        put(value, type, p.z);
    }
}

bool diameter_mode() {
    const std::optional<std::string> mode = get_variable("KVXUSERAD");
    return mode && *mode == "diameter";
}

void put_cutter_values(VariableValue& value, const ToolpathDetails& details, bool second,
                       bool as_dimensions) {
    float radius = second ? details.second_cutter_radius : details.cutter_radius;
    const float corner = second ? details.second_corner_radius : details.corner_radius;
    if (as_dimensions && diameter_mode()) {
        radius *= 2.0f;
    }
    put(value, kVariableTypeDist, radius);
    if (details.HasTwoCutterValues(second)) {
        put(value, kVariableTypeDist, corner);
    }
}

void put_enum(VariableValue& value, std::int32_t id, int code,
              const std::optional<std::string>& suffix) {
    put(value, kVariableTypeChar, EnumText(id, code, suffix, false).value_or(std::string()));
}

void read_toolpath_variable(const VariableDescriptor& row, const ToolpathDetails& details,
                            std::int32_t toolpath_number, const std::optional<std::string>& suffix,
                            VariableValue& value) {
    switch (row.id) {
        case kIdNum:
            put(value, kVariableTypeInt, toolpath_number);
            return;
        case kIdType:
            put_enum(value, row.id,
                     PublicToolpathType(details.type, details.sub_mode_1, details.sub_mode_2),
                     suffix);
            return;
        case kIdRads:
        case kIdRcrads:
            put_cutter_values(value, details, row.id == kIdRcrads, false);
            return;
        case kIdDims:
        case kIdRcdims:
            put_cutter_values(value, details, row.id == kIdRcdims, true);
            return;
        case kIdCdiam:
            put(value, row.type, details.cutter_radius * 2.0f);
            return;
        case kIdRcdiam:
            put(value, row.type, details.second_cutter_radius * 2.0f);
            return;
        case kIdMangle:
            put(value, row.type, MachiningAngle(details));
            return;
        case kIdMdir:
            put_enum(value, row.id, MachiningDirection(details), suffix);
            return;
        case kIdEntryPoints:
            put_points(value, row.type, details.points);
            return;
        case kIdVarZSteps:
            put_points(value, row.type, details.levels);
            return;
        default:
            break;
    }
    if (const int bit = AutoFlagBit(row.id)) {
        put_enum(value, row.id, (details.auto_flags & bit) != 0 ? 1 : 0, suffix);
        return;
    }
    const VariableField* field = FindVariableField(row.id);
    if (field == nullptr) {
        return;
    }
    if (field->real) {
        put(value, row.type, details.*(field->real));
    } else if (field->text) {
        put(value, kVariableTypeChar, details.*(field->text));
    } else if (row.type == kVariableTypeEnum) {
        put_enum(value, row.id, details.*(field->integer), suffix);
    } else {
        put(value, kVariableTypeInt, details.*(field->integer));
    }
}

int read_user_variable(const VariableDescriptor& row, VariableValue& value) {
    switch (row.type) {
        case kVariableTypeDist:
        case kVariableTypeReal:
            put(value, row.type,
                row.value && std::holds_alternative<float>(*row.value) ? std::get<float>(*row.value)
                                                                       : 0.0f);
            return kVariableOk;
        case kVariableTypeInt:
            put(value, row.type,
                row.value && std::holds_alternative<std::int32_t>(*row.value)
                    ? std::get<std::int32_t>(*row.value)
                    : 0);
            return kVariableOk;
        case kVariableTypeChar:
            put(value, row.type,
                row.value && std::holds_alternative<std::string>(*row.value)
                    ? std::get<std::string>(*row.value)
                    : std::string());
            return kVariableOk;
        default:
            put(value, kVariableTypeChar, std::string("Whoops!!"));
            return kVariableRefused;
    }
}

}  // namespace

int GetToolpathVariable(const std::string& name, const std::optional<std::string>& suffix,
                        const std::string& directory, std::int32_t toolpath_number,
                        VariableValue& value) {
    DefineUnitVariable();
    ReleaseVariableValue(value);
    const VariableDescriptor* row = FindVariable(name);
    if (row == nullptr) {
        return kVariableOk;
    }
    value.type = row->type;
    if (row->source == kVariableSourceToolpath) {
        const ToolpathDetails& details = GetToolpathDetails(directory, toolpath_number);
        read_toolpath_variable(*row, details, toolpath_number, suffix, value);
        return kVariableOk;
    }
    if (row->id > kVariableIdUserStart) {
        return read_user_variable(*row, value);
    }
    // Rows without a getter answer with a placeholder text.
    put(value, kVariableTypeChar, "??" + row->name + "(" + VariableTypeName(row->type) + ")??");
    return kVariableNoGetter;
}

int GetToolpathVariable(const std::string& name_and_suffix, const std::string& directory,
                        std::int32_t toolpath_number, VariableValue& value) {
    const std::string text = name_and_suffix.substr(0, kJoinedNameLength);
    const std::size_t point = text.find('.');
    if (point == std::string::npos) {
        return GetToolpathVariable(text, std::nullopt, directory, toolpath_number, value);
    }
    return GetToolpathVariable(text.substr(0, point), text.substr(point + 1), directory,
                               toolpath_number, value);
}
