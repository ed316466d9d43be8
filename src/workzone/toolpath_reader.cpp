#include "workzone/toolpath_reader.h"

#include <cmath>
#include <optional>

#include "platform/number_text.h"
#include "workzone/toolpath_details.h"
#include "workzone/toolpath_variable.h"
#include "workzone/workzone_paths.h"

namespace {

struct IndexedParameter {
    const char* name;
    std::int32_t kind;
    bool as_code;  // read with the suffix ".int"
};

constexpr IndexedParameter kIndexedParameters[kToolpathParameterCount + 1] = {
    {"", 0, false},
    {"TP_COMMENT", kVariableTypeChar, false},
    {"TP_CDESC", kVariableTypeChar, false},
    {"TP_CDIAM", kVariableTypeDist, false},
    {"TP_BRAD", kVariableTypeDist, false},
    {"TP_CRAD", kVariableTypeDist, false},
    {"TP_TOL", kVariableTypeDist, false},
    {"TP_STOCK", kVariableTypeDist, false},
    {"TP_STEP", kVariableTypeDist, false},
    {"TP_DZSTEP", kVariableTypeDist, false},
    {"TP_ZSTEPTYPE", kVariableTypeChar, true},
    {"TP_APPROACH", kVariableTypeDist, false},
    {"TP_RETRACT", kVariableTypeDist, false},
    {"TP_FRRAPID", kVariableTypeReal, false},
    {"TP_FRAPPROACH", kVariableTypeReal, false},
    {"TP_FRCUT", kVariableTypeReal, false},
    {"TP_SPINDLE", kVariableTypeReal, false},
    {"TP_CPPNUM", kVariableTypeInt, false},
    {"TP_LITYPE", kVariableTypeChar, true},
    {"TP_LIRAMP", kVariableTypeAngle, false},
    {"TP_LIRAD", kVariableTypeDist, false},
    {"TP_STEPTYPE", kVariableTypeChar, true},
    {"TP_AUTOFLAGS", kVariableTypeInt, false},
    {"TP_TYPE", kVariableTypeChar, false},
    {"TP_INDEX82", kVariableTypeChar, false},
};

const IndexedParameter* indexed(int index) {
    if (index < 1 || index > kToolpathParameterCount) {
        return nullptr;
    }
    return &kIndexedParameters[index];
}

std::string workzone_directory() {
    // An undefined workzone reads the bare file names of the current directory.
    return WorkzoneDirectory().value_or("");
}

// One read; nullopt when it gave no value.
std::optional<VariableValue> read(std::int32_t number, const std::string& name,
                                  const std::optional<std::string>& suffix) {
    VariableValue value;
    GetToolpathVariable(name, suffix, workzone_directory(), number, value);
    if (value.values.empty()) {
        return std::nullopt;
    }
    return value;
}

bool is_real_type(std::int32_t type) {
    return type == kVariableTypeDist || type == kVariableTypeReal || type == kVariableTypeAngle;
}

bool reads_as_code(const std::string& name) {
    return name == "TP_LITYPE" || name == "TP_STEPTYPE" || name == "TP_ZSTEPTYPE";
}

// Three decimals, half away from zero; in double so that no integer conversion can overflow.
float round_to_thousandths(float value) {
    return static_cast<float>(std::round(static_cast<double>(value) * 1000.0) * 0.001);
}

}  // namespace

std::string ToolpathParameterName(int index) {
    const IndexedParameter* p = indexed(index);
    return p ? p->name : "";
}

std::int32_t ToolpathParameterKind(int index) {
    const IndexedParameter* p = indexed(index);
    return p ? p->kind : 0;
}

bool IsFamily200Type(int public_type) {
    return (public_type >= 201 && public_type <= 299) || public_type == 10204 ||
           public_type == 20204 || public_type == 30204;
}

int ToolpathTypeNumber(const std::string& text) {
    return platform::parse_leading_int(text);
}

bool ToolpathReader::ReadText(const std::string& name, std::string& text) const {
    const auto suffix = reads_as_code(name) ? std::optional<std::string>(".int") : std::nullopt;
    const std::optional<VariableValue> value = read(toolpath_number_, name, suffix);
    if (!value || value->type != kVariableTypeChar) {
        return false;
    }
    text = value->text();
    return true;
}

bool ToolpathReader::ReadReal(const std::string& name, float& result) const {
    const std::optional<VariableValue> value = read(toolpath_number_, name, std::nullopt);
    if (!value || !is_real_type(value->type)) {
        return false;
    }
    result = value->real();
    return true;
}

bool ToolpathReader::ReadInteger(const std::string& name, std::int32_t& result) const {
    const std::optional<VariableValue> value = read(toolpath_number_, name, std::nullopt);
    if (!value || value->type != kVariableTypeInt) {
        return false;
    }
    result = value->integer();
    return true;
}

bool ToolpathReader::ReadIndexed(int index, std::string& text) const {
    const IndexedParameter* p = indexed(index);
    if (p == nullptr || p->kind != kVariableTypeChar) {
        return false;
    }
    const auto suffix = p->as_code ? std::optional<std::string>(".int") : std::nullopt;
    const std::optional<VariableValue> value = read(toolpath_number_, p->name, suffix);
    if (!value || value->type != p->kind) {
        return false;
    }
    text = value->text();
    return true;
}

bool ToolpathReader::ReadIndexed(int index, float& result) const {
    const IndexedParameter* p = indexed(index);
    if (p == nullptr || !is_real_type(p->kind)) {
        return false;
    }
    const std::optional<VariableValue> value = read(toolpath_number_, p->name, std::nullopt);
    if (!value || value->type != p->kind) {
        return false;
    }
    result = round_to_thousandths(value->real());
    return true;
}

bool ToolpathReader::ReadIndexed(int index, std::int32_t& result) const {
    const IndexedParameter* p = indexed(index);
    if (p == nullptr || p->kind != kVariableTypeInt) {
        return false;
    }
    const std::optional<VariableValue> value = read(toolpath_number_, p->name, std::nullopt);
    if (!value || value->type != p->kind) {
        return false;
    }
    result = value->integer();
    return true;
}

int ToolpathReader::LoadStatus(std::string* failed_path) const {
    return ToolpathLoadStatus(workzone_directory(), toolpath_number_, failed_path);
}

std::string ToolpathReader::ReadToolpathType() const {
    const std::optional<VariableValue> value = read(toolpath_number_, "TP_TYPE", ".int");
    return value ? value->text() : std::string();
}
