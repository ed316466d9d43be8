#include "workzone/axis_system.h"

#include <array>
#include <optional>

#include "platform/filesystem.h"
#include "workzone/axis_system_file.h"
#include "workzone/workzone_paths_kinds.h"

namespace {

using Registry = std::array<AxisSystem, kAxisSystemCount>;

Registry initial_registry() {
    Registry slots;
    slots[kAxisSystemCad - 1].name = "CAD";
    slots[kAxisSystemCad - 1].flags = kAxisDefined | kAxisLoaded | kAxisIdentity;
    slots[kAxisSystemMachine - 1].name = "MACHINE";
    slots[kAxisSystemMachine - 1].flags = kAxisDefined | kAxisIdentity;
    slots[kAxisSystemCalculation - 1].name = "CALCUL";
    slots[kAxisSystemCalculation - 1].flags = kAxisDefined;
    return slots;
}

Registry& registry() {
    static Registry slots = initial_registry();
    return slots;
}

AxisSystem& slot(int index) {
    return registry()[static_cast<std::size_t>(index - 1)];
}

bool valid_index(int index) {
    return index >= 1 && index <= kAxisSystemCount;
}

bool loaded(int index) {
    return (slot(index).flags & kAxisLoaded) != 0;
}

std::string bounded_name(const std::string& name) {
    return name.substr(0, kAxisNameMax);
}

void make_identity(AxisSystem& system, const std::string& name) {
    system.name = bounded_name(name);
    system.flags = kAxisDefined | kAxisLoaded | kAxisIdentity;
    system.matrix = identity_matrix();
    system.inverse = identity_matrix();
}

void compute_relations(AxisSystem& system) {
    const AxisSystem& calculation = slot(kAxisSystemCalculation);
    system.to_calculation = multiply(system.matrix, calculation.inverse);
    system.from_calculation = multiply(calculation.matrix, system.inverse);
    if (is_identity(system.to_calculation)) {
        system.flags |= kAxisRelationIdentity;
    } else {
        system.flags &= ~kAxisRelationIdentity;
    }
}

std::string machine_file_path() {
    std::string path;
    WorkzoneFilePath(kFileKindKarvexAxisSystem, std::nullopt, static_cast<int>(kAxisNameMax), path);
    return path;
}

int read_into(int index, const std::string& path) {
    AxisSystem& system = slot(index);
    system.flags &= ~kAxisLoaded;
    Matrix4 matrix;
    Matrix4 inverse;
    if (read_axis_system_file(path, matrix, inverse) != 0) {
        return -1;
    }
    system.matrix = matrix;
    system.inverse = inverse;
    system.flags |= kAxisLoaded;
    if (is_identity(matrix)) {
        system.flags |= kAxisIdentity;
    } else {
        system.flags &= ~kAxisIdentity;
    }
    return 0;
}

void update_relations(int index) {
    if (index != kAxisSystemMachine && !loaded(kAxisSystemMachine)) {
        std::string path = machine_file_path();
        if (!platform::exists(path)) {
            make_identity(slot(kAxisSystemMachine), path);
            if (loaded(kAxisSystemCalculation)) {
                compute_relations(slot(kAxisSystemMachine));
            }
        } else {
            load_axis_system(kAxisSystemMachine, path);
        }
    }
    if (index == kAxisSystemCalculation) {
        for (int i = kAxisSystemCount; i >= 1; --i) {
            AxisSystem& system = slot(i);
            if ((system.flags & kAxisDefined) && (system.flags & kAxisLoaded)) {
                compute_relations(system);
            }
        }
    } else if (loaded(kAxisSystemCalculation)) {
        compute_relations(slot(index));
    }
}

}  // namespace

const AxisSystem* axis_system(int index) {
    return valid_index(index) ? &slot(index) : nullptr;
}

int set_axis_system(int index, const Matrix4& matrix, const Matrix4& inverse) {
    if (!valid_index(index)) {
        return -1;
    }
    AxisSystem& system = slot(index);
    system.matrix = matrix;
    system.inverse = inverse;
    system.flags = kAxisDefined | kAxisLoaded | (is_identity(matrix) ? kAxisIdentity : 0u);
    update_relations(index);
    return 0;
}

int load_axis_system(int index, const std::string& name) {
    if (!valid_index(index)) {
        return -1;
    }
    AxisSystem& system = slot(index);
    if (name == "CAO" || name == "CAD") {
        make_identity(system, name);
    } else if (name == "MACHINE") {
        std::string path = machine_file_path();
        if (!platform::exists(path)) {
            make_identity(system, name);
        } else if (read_into(index, path) != 0) {
            return -1;
        } else {
            system.name = name;
        }
    } else {
        if (read_into(index, name) != 0) {
            return -1;
        }
        system.name = bounded_name(name);
    }
    system.flags |= kAxisDefined;
    update_relations(index);
    return 0;
}

void reset_axis_systems() {
    registry() = initial_registry();
}
