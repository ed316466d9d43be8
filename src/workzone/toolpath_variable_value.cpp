#include "workzone/toolpath_variable.h"

namespace {

template <typename T>
const T* item(const VariableValue& value, int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= value.values.size()) {
        return nullptr;
    }
    return std::get_if<T>(&value.values[static_cast<std::size_t>(index)]);
}

}  // namespace

float VariableValue::real(int index) const {
    const float* v = item<float>(*this, index);
    return v ? *v : 0.0f;
}

std::int32_t VariableValue::integer(int index) const {
    const std::int32_t* v = item<std::int32_t>(*this, index);
    return v ? *v : 0;
}

const std::string& VariableValue::text(int index) const {
    static const std::string empty;
    const std::string* v = item<std::string>(*this, index);
    return v ? *v : empty;
}

VariableValue MakeRealValue(std::int32_t type, float value) {
    return {type, 1, {value}};
}

VariableValue MakeIntegerValue(std::int32_t value) {
    return {kVariableTypeInt, 1, {value}};
}

VariableValue MakeTextValue(const std::string& value) {
    return {kVariableTypeChar, 1, {value}};
}

void ReleaseVariableValue(VariableValue& value) {
    value.values.clear();
    value.values.shrink_to_fit();
    value.count = 0;
    value.type = 0;
}

const char* VariableTypeName(std::int32_t type) {
    switch (type) {
        case 1:
            return "dist";
        case 2:
            return "real";
        case 3:
            return "angle";
        case 4:
            return "int";
        case 5:
            return "char";
        case 6:
            return "enum";
        case 101:
            return "coord";
        case 102:
            return "step";
        case 103:
            return "vector";
        case 104:
            return "ppercage";
        case 105:
            return "surface";
        case 106:
            return "2_int";
        default:
            return type >= 201 && type <= 205 ? "loop" : "unknown";
    }
}
