#pragma once
// A tool: the ordered parameters it imposes on a toolpath. A parameter present in the tool is
// applied; an absent one is left as the toolpath has it.

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "tool/parameter_table.h"
#include "tool/tool_parameter.h"
#include "toolfiles/variable_definitions.h"

class ToolpathValues;

class ToolParameterSet {
public:
    // Reads a tool file into this (empty) set, with the labels the file gives. A file that
    // cannot be read leaves the set empty and `loaded` clear.
    void Load(const std::string& path);
    // Writes the set as a tool file (atomically), with the labels of the variable definitions
    // file; false when the path is empty or the file cannot be written, in which case the
    // previous file is untouched.
    bool Save(const std::string& path);
    // Replaces labels by those of the variable definitions file of the user's language. Save
    // and the report do so themselves; whoever shows `parameters()` with labels calls this.
    void ReloadLabels();

    bool GetByIndex(ParameterIndex index, ParameterValue& value) const;
    void SetValueByIndex(ParameterIndex index, const ParameterValue& value);
    void SetByIndex(ParameterIndex index, const ParameterValue& value);
    bool RemoveByIndex(ParameterIndex index);
    // Adds a record at the end as a tool file line would add it: a repeated name gives a
    // second record. For tools built from other formats.
    void Append(ToolParameter parameter) { parameters_.push_back(std::move(parameter)); }
    int FindByName(const std::string& name) const;

    // Compares every applied parameter with the toolpath; when some differ and show_message is
    // set, raises KARVEX_TOOL_INCONSISTENT with the path and the InconsistencyReport.
    bool IsConsistent(const ToolpathValues& toolpath, bool show_message) const;
    // Rewrites a label or value before it is placed between the report's tabs.
    using ReportField = std::string (*)(const std::string&);
    // The report of the parameters that differ ("" when none do); with `field`, each label and
    // value as `field` rewrites it, so that a listing can keep a tab inside a label in its field.
    std::string InconsistencyReport(const ToolpathValues& toolpath,
                                    ReportField field = nullptr) const;
    // Writes the change file: the edit level, the differing parameters and the tool reference.
    // False when the file could not be written.
    bool WriteChangeFile(const ToolpathValues& toolpath, const std::string& change_file_path,
                         const std::string& tool_directory,
                         const std::string& tool_file_path) const;

    const std::string& path() const { return path_; }
    bool loaded() const { return loaded_; }
    const std::vector<ToolParameter>& parameters() const { return parameters_; }

private:
    bool IsParameterConsistent(const ToolParameter& parameter,
                               const ToolpathValues& toolpath) const;
    std::string ReportPart(const ToolParameter& parameter, const ToolpathValues& toolpath,
                           ReportField field, const VariableDefinitions* definitions) const;
    int FindByIndex(ParameterIndex index) const;

    std::string path_;
    bool loaded_ = false;
    std::vector<ToolParameter> parameters_;
};
