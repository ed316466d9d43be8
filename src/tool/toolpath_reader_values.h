#pragma once
// The toolpath's values as the application reads them: through its ToolpathReader.

#include "tool/toolpath_values.h"
#include "workzone/toolpath_reader.h"

class ToolpathReaderValues : public ToolpathValues {
public:
    explicit ToolpathReaderValues(const ToolpathReader& reader) : reader_(reader) {}

    bool ReadText(const std::string& name, std::string& value) const override {
        return reader_.ReadText(name, value);
    }
    bool ReadReal(const std::string& name, float& value) const override {
        return reader_.ReadReal(name, value);
    }
    bool ReadInteger(const std::string& name, std::int32_t& value) const override {
        return reader_.ReadInteger(name, value);
    }
    bool ReadByIndex(ParameterIndex index, ParameterValue& value) const override;

private:
    const ToolpathReader& reader_;
};
