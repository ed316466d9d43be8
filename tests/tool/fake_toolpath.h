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
        auto it = texts.find(name);
        if (it == texts.end()) {
            return false;
        }
        value = it->second;
        return true;
    }
    bool ReadReal(const std::string& name, float& value) const override {
        auto it = reals.find(name);
        if (it == reals.end()) {
            return false;
        }
        value = it->second;
        return true;
    }
    bool ReadInteger(const std::string& name, std::int32_t& value) const override {
        auto it = integers.find(name);
        if (it == integers.end()) {
            return false;
        }
        value = it->second;
        return true;
    }
    bool ReadByIndex(ParameterIndex index, ParameterValue& value) const override {
        std::string name = ParameterNameTable(index);
        switch (ParameterKindOf(index)) {
            case ParameterKind::Real:
                return ReadReal(name, value.real);
            case ParameterKind::Integer:
                return ReadInteger(name, value.integer);
            default:
                return ReadText(name, value.text);
        }
    }
};
