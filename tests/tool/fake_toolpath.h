#pragma once
// A toolpath made of a table of values, for comparing tools without a workzone.

#include <map>
#include <string>

#include "tool/toolpath_values.h"

class FakeToolpath : public ToolpathValues {
public:
    std::map<std::string, std::string> texts;
    std::map<std::string, float> reals;
    std::map<std::string, std::int32_t> integers;

    bool ReadText(const std::string& name, std::string& value) const override {
        return find(texts, name, value);
    }
    bool ReadReal(const std::string& name, float& value) const override {
        return find(reals, name, value);
    }
    bool ReadInteger(const std::string& name, std::int32_t& value) const override {
        return find(integers, name, value);
    }
    bool ReadByIndex(ParameterIndex index, ParameterValue& value) const override {
        std::string name = ParameterNameTable(index);
        ParameterKind kind = ParameterKindOf(index);
        return kind == ParameterKind::Real      ? ReadReal(name, value.real)
               : kind == ParameterKind::Integer ? ReadInteger(name, value.integer)
                                                : ReadText(name, value.text);
    }

private:
    template <typename T>
    static bool find(const std::map<std::string, T>& table, const std::string& name, T& value) {
        const auto it = table.find(name);
        return it != table.end() && (value = it->second, true);
    }
};
