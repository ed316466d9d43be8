#include "runtime/environment.h"
#include "workzone/toolpath_details.h"
#include "workzone/toolpath_variable.h"
#include "workzone/toolpath_variable_enum.h"
#include "workzone/toolpath_variable_fields.h"
#include "workzone/toolpath_variable_table.h"

namespace {

const VariableItem* first_item(const VariableValue& value) {
    return value.values.empty() ? nullptr : &value.values.front();
}

std::optional<float> as_real(const VariableItem* item) {
    if (item == nullptr) {
        return std::nullopt;
    }
    if (const float* f = std::get_if<float>(item)) {
        return *f;
    }
    if (const std::int32_t* i = std::get_if<std::int32_t>(item)) {
        return static_cast<float>(*i);
    }
    return std::nullopt;
}

std::optional<std::int32_t> as_integer(const VariableItem* item) {
    const std::int32_t* i = item ? std::get_if<std::int32_t>(item) : nullptr;
    return i ? std::optional<std::int32_t>(*i) : std::nullopt;
}

const std::string* as_text(const VariableItem* item) {
    return item ? std::get_if<std::string>(item) : nullptr;
}

// An enum is written as its code or as one of its texts.
std::optional<std::int32_t> as_enum_code(std::int32_t id, const VariableItem* item) {
    if (std::optional<std::int32_t> code = as_integer(item)) {
        return code;
    }
    if (const std::string* text = as_text(item)) {
        const std::int32_t code = EnumValueFromText(id, *text);
        if (code != -1) {
            return code;
        }
    }
    return std::nullopt;
}

bool diameter_mode() {
    const std::optional<std::string> mode = get_variable("KVXUSERAD");
    return mode && *mode == "diameter";
}

// One value: a cutter whose corner radius is its radius; two values: radius and corner radius.
int store_cutter_values(ToolpathDetails& details, bool second, bool as_dimensions,
                        const VariableValue& value) {
    if (value.values.empty() || value.values.size() > 2) {
        return kVariableRefused;
    }
    std::optional<float> radius = as_real(&value.values[0]);
    std::optional<float> corner = value.values.size() == 2 ? as_real(&value.values[1]) : radius;
    if (!radius || !corner) {
        return kVariableRefused;
    }
    if (as_dimensions && diameter_mode()) {
        *radius /= 2.0f;
        if (value.values.size() == 1) {
            corner = radius;
        }
    }
    (second ? details.second_cutter_radius : details.cutter_radius) = *radius;
    (second ? details.second_corner_radius : details.corner_radius) = *corner;
    return kVariableOk;
}

int store_points(std::vector<Point3>& points, const VariableValue& value) {
    if (value.values.size() % 3 != 0) {
        return kVariableRefused;
    }
    std::vector<Point3> stored;
    for (std::size_t i = 0; i < value.values.size(); i += 3) {
        const std::optional<float> x = as_real(&value.values[i]);
        const std::optional<float> y = as_real(&value.values[i + 1]);
        const std::optional<float> z = as_real(&value.values[i + 2]);
        if (!x || !y || !z) {
            return kVariableRefused;
        }
        stored.push_back({*x, *y, *z});
    }
    points = std::move(stored);
    return kVariableOk;
}

int write_plain_field(const VariableDescriptor& row, ToolpathDetails& details,
                      const VariableItem* item) {
    const VariableField* field = FindVariableField(row.id);
    if (field == nullptr) {
        return kVariableNoSetter;
    }
    if (field->real) {
        const std::optional<float> real = as_real(item);
        if (!real) {
            return kVariableRefused;
        }
        details.*(field->real) = *real;
    } else if (field->text) {
        const std::string* text = as_text(item);
        if (text == nullptr) {
            return kVariableRefused;
        }
        details.*(field->text) = *text;
        if (row.id == kIdViewName) {
            details.has_own_view = !text->empty();
        }
    } else {
        const std::optional<std::int32_t> code =
            row.type == kVariableTypeEnum ? as_enum_code(row.id, item) : as_integer(item);
        if (!code) {
            return kVariableRefused;
        }
        details.*(field->integer) = *code;
    }
    return kVariableOk;
}

int write_toolpath_variable(const VariableDescriptor& row, ToolpathDetails& details,
                            const VariableValue& value) {
    const VariableItem* item = first_item(value);
    switch (row.id) {
        case kIdNum:
            return kVariableNoSetter;
        case kIdType: {
            const std::optional<std::int32_t> code = as_enum_code(row.id, item);
            if (!code) {
                return kVariableRefused;
            }
            StorePublicToolpathType(details, *code);
            return kVariableOk;
        }
        case kIdRads:
        case kIdRcrads:
            return store_cutter_values(details, row.id == kIdRcrads, false, value);
        case kIdDims:
        case kIdRcdims:
            return store_cutter_values(details, row.id == kIdRcdims, true, value);
        case kIdCdiam:
        case kIdRcdiam: {
            const std::optional<float> diameter = as_real(item);
            if (!diameter) {
                return kVariableRefused;
            }
            (row.id == kIdCdiam ? details.cutter_radius : details.second_cutter_radius) =
                *diameter / 2.0f;
            return kVariableOk;
        }
        case kIdMangle: {
            const std::optional<float> angle = as_real(item);
            if (!angle) {
                return kVariableRefused;
            }
            StoreMachiningAngle(details, *angle);
            return kVariableOk;
        }
        case kIdMdir: {
            const std::optional<std::int32_t> code = as_enum_code(row.id, item);
            return code && StoreMachiningDirection(details, *code) ? kVariableOk : kVariableRefused;
        }
        case kIdEntryPoints:
            return store_points(details.points, value);
        case kIdVarZSteps:
            return store_points(details.levels, value);
        default:
            break;
    }
    if (const int bit = AutoFlagBit(row.id)) {
        const std::optional<std::int32_t> code = as_enum_code(row.id, item);
        if (!code || (*code != 0 && *code != 1)) {
            return kVariableRefused;
        }
        details.auto_flags = *code ? (details.auto_flags | bit) : (details.auto_flags & ~bit);
        return kVariableOk;
    }
    return write_plain_field(row, details, item);
}

int write_user_variable(VariableDescriptor& row, const VariableValue& value) {
    const VariableItem* item = first_item(value);
    bool fits = false;
    switch (row.type) {
        case kVariableTypeDist:
        case kVariableTypeReal:
            fits = as_real(item).has_value();
            break;
        case kVariableTypeInt:
            fits = as_integer(item).has_value();
            break;
        case kVariableTypeChar:
            fits = as_text(item) != nullptr;
            break;
        default:
            break;
    }
    if (!fits) {
        return kVariableRefused;
    }
    StoreUserValue(row, value);
    return kVariableOk;
}

}  // namespace

int SetToolpathVariable(const std::string& name, const std::string& directory,
                        std::int32_t toolpath_number, const VariableValue& value) {
    VariableDescriptor* row = FindVariable(name);
    if (row == nullptr) {
        return kVariableNoSetter;
    }
    if (row->source == kVariableSourceToolpath) {
        return write_toolpath_variable(*row, GetToolpathDetails(directory, toolpath_number), value);
    }
    if (row->id > kVariableIdUserStart && row->id != kVariableIdEnd) {
        return write_user_variable(*row, value);
    }
    return kVariableNoSetter;
}
