#include "tool/tool_parameter_set.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>

#include "language/message_catalogue.h"
#include "platform/filesystem.h"
#include "platform/number_text.h"
#include "tool/tool_reference.h"
#include "tool/toolpath_values.h"
#include "toolfiles/change_file.h"
#include "toolfiles/tool_file.h"
#include "toolfiles/variable_definitions.h"

namespace {

constexpr const char* kAutoFlagKeys[] = {"TP_AUTOSTEPOVER", "TP_AUTOPKTW", "TP_AUTOZSTEP"};
constexpr int kAutoFlagBits[] = {AutoFlags::kAutoStepover, AutoFlags::kAutoPocketWidth,
                                 AutoFlags::kAutoZStep};

std::string fixed3(float value) {
    return platform::format_fixed(value, 3);
}

// The labels of the table's names, looked up once per reading of the definitions file rather
// than once per parameter of every tool loaded. Per thread, as tools are also read on workers.
using TableLabels = std::array<const std::string*, kParameterCount>;
const TableLabels& LabelsOfTable(const VariableDefinitions& definitions) {
    thread_local std::optional<VariableDefinitions> read;  // keeps the reading compared alive
    thread_local TableLabels labels{};
    if (!read || !read->SameReading(definitions)) {
        read = definitions;
        for (ParameterIndex i = 1; i < kParameterCount; ++i) {
            labels[static_cast<std::size_t>(i)] = definitions.Find(ParameterNameTable(i));
        }
    }
    return labels;
}

// The label the definitions give a parameter; nullptr when they give none or an empty one.
const std::string* DefinedLabel(const VariableDefinitions& definitions, const TableLabels& table,
                                const ToolParameter& parameter) {
    // A parameter with an index has the table's name.
    const std::string* label = parameter.index > 0
                                   ? table[static_cast<std::size_t>(parameter.index)]
                                   : definitions.Find(parameter.name);
    return label != nullptr && !label->empty() ? label : nullptr;
}

}  // namespace

void ToolParameterSet::Load(const std::string& path) {
    path_ = path;
    // The bytes are only parsed here: one buffer per thread serves every tool loaded, unless a
    // huge file made it so large that it should not be kept.
    constexpr std::size_t kKeptBuffer = 1 << 16;
    thread_local std::string buffer;
    struct Release {
        ~Release() {
            if (buffer.capacity() > kKeptBuffer) {
                std::string().swap(buffer);
            }
        }
    } release;
    if (!platform::read_file_into(path, buffer)) {
        return;
    }
    loaded_ = true;
    // Every tool that is shown is loaded, and most are never saved nor reported: the records
    // are made in place from the lines and keep the file's labels. Those of the definitions
    // file are taken where a label is written or shown, so a load costs no look at that file.
    // Room is made for the lines of a usual tool file without counting them first.
    constexpr std::size_t kUsualLength = 40;
    constexpr std::size_t kUsualLines = 64;
    parameters_.reserve(parameters_.size() +
                        std::min(buffer.size() / kUsualLength + 1, kUsualLines));
    ToolFileLines file(buffer);
    ToolFileLine line;
    while (file.Next(line)) {
        ToolParameter& parameter = parameters_.emplace_back();
        parameter.name.assign(line.name);
        ParseToolValue(parameter, line.value);
        parameter.label = std::string(line.label);
    }
}

bool ToolParameterSet::Save(const std::string& path) {
    if (path.empty()) {
        return false;
    }
    ReloadLabels();
    std::vector<ToolFileEntry> entries;
    entries.reserve(parameters_.size());
    for (const auto& parameter : parameters_) {
        if (parameter.kind != ParameterKind::None) {
            entries.push_back({parameter.label, parameter.name, FormatParameterValue(parameter)});
        }
    }
    if (!write_tool_file(path, entries)) {
        return false;
    }
    path_ = path;
    return true;
}

void ToolParameterSet::ReloadLabels() {
    const std::optional<VariableDefinitions> definitions =
        VariableDefinitions::Open(VariableDefinitionsPath());
    if (!definitions) {
        return;
    }
    const TableLabels& table = LabelsOfTable(*definitions);
    for (auto& parameter : parameters_) {
        if (const std::string* label = DefinedLabel(*definitions, table, parameter)) {
            parameter.label.Share(*label);
        }
    }
}

int ToolParameterSet::FindByIndex(ParameterIndex index) const {
    return FindByName(ParameterNameTable(index));
}

bool ToolParameterSet::GetByIndex(ParameterIndex index, ParameterValue& value) const {
    int position = FindByIndex(index);
    if (position < 0) {
        return false;
    }
    const ToolParameter& parameter = parameters_[static_cast<std::size_t>(position)];
    switch (parameter.kind) {
        case ParameterKind::Text:
            value.text = parameter.text;
            break;
        case ParameterKind::Real:
            value.real = parameter.real;
            break;
        case ParameterKind::Integer:
            value.integer = parameter.integer;
            break;
        case ParameterKind::None:
            break;
    }
    return true;
}

void ToolParameterSet::SetValueByIndex(ParameterIndex index, const ParameterValue& value) {
    int position = FindByIndex(index);
    if (position < 0) {
        return;
    }
    AssignParameterValue(parameters_[static_cast<std::size_t>(position)], value);
}

void ToolParameterSet::SetByIndex(ParameterIndex index, const ParameterValue& value) {
    ToolParameter parameter = MakeToolParameter(index, value);
    int position = FindByIndex(index);
    if (position >= 0) {
        ToolParameter& present = parameters_[static_cast<std::size_t>(position)];
        parameter.label = present.label;
        present = std::move(parameter);
        return;
    }
    if (auto definitions = VariableDefinitions::Open(VariableDefinitionsPath())) {
        if (const std::string* label = definitions->Find(parameter.name)) {
            parameter.label = ParameterLabel::Shared(*label);
        }
    }
    parameters_.push_back(std::move(parameter));
}

bool ToolParameterSet::RemoveByIndex(ParameterIndex index) {
    int position = FindByIndex(index);
    if (position < 0) {
        return false;
    }
    parameters_.erase(parameters_.begin() + position);
    return true;
}

int ToolParameterSet::FindByName(const std::string& name) const {
    for (std::size_t i = 0; i < parameters_.size(); ++i) {
        if (parameters_[i].name == name) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

bool ToolParameterSet::IsParameterConsistent(const ToolParameter& parameter,
                                             const ToolpathValues& toolpath) const {
    if (!parameter.applied) {
        return true;
    }
    switch (parameter.kind) {
        case ParameterKind::Text: {
            std::string value;
            return toolpath.ReadText(parameter.name, value) && value == parameter.text;
        }
        case ParameterKind::Real: {
            float value = 0.0f;
            return toolpath.ReadReal(parameter.name, value) &&
                   std::fabs(static_cast<double>(value) - parameter.real) < 0.001;
        }
        case ParameterKind::Integer: {
            std::int32_t value = 0;
            if (!toolpath.ReadInteger(parameter.name, value)) {
                return false;
            }
            if (value == parameter.integer) {
                return true;
            }
            return parameter.index == kTpAutoflags &&
                   ((value ^ parameter.integer) & AutoFlags::kCompared) == 0;
        }
        case ParameterKind::None:
            break;
    }
    return false;
}

std::string ToolParameterSet::ReportPart(const ToolParameter& parameter,
                                         const ToolpathValues& toolpath, ReportField field,
                                         const VariableDefinitions* definitions) const {
    const auto text = [field](const std::string& t) { return field ? field(t) : t; };
    const std::string* defined =
        definitions != nullptr ? DefinedLabel(*definitions, LabelsOfTable(*definitions), parameter)
                               : nullptr;
    const std::string label = text(defined != nullptr ? *defined : parameter.label.str());
    switch (parameter.kind) {
        case ParameterKind::Text: {
            std::string value;
            if (!toolpath.ReadText(parameter.name, value)) {
                value.clear();
            }
            return label + "\t\t" + text(value) + "\t\t\t" + text(parameter.text) + "\n";
        }
        case ParameterKind::Real: {
            float value = 0.0f;
            if (!toolpath.ReadReal(parameter.name, value)) {
                value = 0.0f;
            }
            return label + "\t\t" + fixed3(value) + "\t\t\t" + fixed3(parameter.real) + "\n";
        }
        case ParameterKind::Integer: {
            std::int32_t value = 0;
            if (!toolpath.ReadInteger(parameter.name, value)) {
                value = 0;
            }
            if (parameter.index == kTpAutoflags) {
                if (definitions != nullptr) {
                    std::string part;
                    for (int b = 0; b < 3; ++b) {
                        int bit = kAutoFlagBits[b];
                        int theirs = (value & bit) ? 1 : 0;
                        int ours = (parameter.integer & bit) ? 1 : 0;
                        if (theirs != ours) {
                            part += text(definitions->Label(kAutoFlagKeys[b], kAutoFlagKeys[b])) +
                                    "\t" + std::to_string(theirs) + "\t\t\t" +
                                    std::to_string(ours) + "\n";
                        }
                    }
                    return part;
                }
            }
            return label + "\t\t" + std::to_string(value) + "\t\t\t" +
                   std::to_string(parameter.integer) + "\n";
        }
        case ParameterKind::None:
            break;
    }
    return {};
}

std::string ToolParameterSet::InconsistencyReport(const ToolpathValues& toolpath,
                                                  ReportField field) const {
    // Looked for on disk each time a report is built, so it shows the labels of the moment.
    const std::optional<VariableDefinitions> definitions =
        VariableDefinitions::Open(VariableDefinitionsPath());
    std::string report;
    for (const auto& parameter : parameters_) {
        if (!IsParameterConsistent(parameter, toolpath)) {
            report += ReportPart(parameter, toolpath, field, definitions ? &*definitions : nullptr);
        }
    }
    return report;
}

bool ToolParameterSet::IsConsistent(const ToolpathValues& toolpath, bool show_message) const {
    bool consistent = std::all_of(parameters_.begin(), parameters_.end(), [&](const auto& p) {
        return IsParameterConsistent(p, toolpath);
    });
    if (consistent) {
        return true;
    }
    if (show_message) {
        Message("ToolParameterSet", 0, "", "", "LIB_TALMOR_GMBH", "KARVEX_TOOL_INCONSISTENT",
                kButtonsOk, path_, InconsistencyReport(toolpath));
    }
    return false;
}

bool ToolParameterSet::WriteChangeFile(const ToolpathValues& toolpath,
                                       const std::string& change_file_path,
                                       const std::string& tool_directory,
                                       const std::string& tool_file_path) const {
    ParameterChangeFile change;
    int level = 1;
    for (const auto& parameter : parameters_) {
        if (IsParameterConsistent(parameter, toolpath)) {
            continue;
        }
        switch (parameter.kind) {
            case ParameterKind::Text:
                change.AddText(parameter.name, parameter.text);
                break;
            case ParameterKind::Real:
                change.AddReal(parameter.name, parameter.real);
                break;
            case ParameterKind::Integer:
                change.AddInteger(parameter.name, parameter.integer);
                break;
            case ParameterKind::None:
                // Nothing the CAM system could apply; the level still says something differs.
                break;
        }
        level = std::max(level, ParameterEditLevel(parameter.index));
    }
    std::string reference = ToolReference(tool_directory, tool_file_path);
    ParameterValue current;
    if (!toolpath.ReadByIndex(kTpIndex82, current) || !SameToolReference(current.text, reference)) {
        change.AddEscapedText(ParameterNameTable(kTpIndex82), reference);
        level = std::max(level, 2);
    }
    return change.Write(change_file_path, level);
}
