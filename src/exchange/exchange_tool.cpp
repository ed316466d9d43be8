#include "exchange/exchange_tool.h"

#include <cmath>
#include <limits>

#include "app/tool_tree.h"
#include "platform/code_page.h"
#include "platform/filesystem.h"
#include "platform/number_text.h"
#include "tool/parameter_table.h"
#include "tool/tool_parameter_set.h"
#include "toolfiles/tool_file.h"

namespace {

void load(const std::string& path, const std::string& name, std::vector<ExchangeTool>& tools,
          LossReport& report) {
    ToolParameterSet set;
    set.Load(path);
    if (!set.loaded()) {
        report.Add(name, "", LossReason::Unreadable);
        return;
    }
    tools.push_back({name, set.parameters()});
}

void collect(const ToolTreeItem& folder, const std::string& prefix, bool recursive,
             std::vector<ExchangeTool>& tools, LossReport& report) {
    for (const ToolTreeItem& item : folder.children) {
        if (item.kind != ToolTreeKind::Tool) {
            if (recursive) {
                collect(item, prefix + item.text + "/", recursive, tools, report);
            }
            continue;
        }
        load(item.path, prefix + item.text, tools, report);
    }
}

std::string_view trim(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

}  // namespace

const ToolParameter* ExchangeTool::Find(std::string_view name) const {
    for (const ToolParameter& parameter : parameters) {
        if (parameter.name == name) {
            return &parameter;
        }
    }
    return nullptr;
}

std::optional<double> ExchangeTool::Diameter() const {
    const ToolParameter* body = Find(ParameterNameTable(kTpBrad));
    if (body != nullptr && body->kind == ParameterKind::Real && body->real != 0.0f) {
        return 2.0 * static_cast<double>(body->real);
    }
    const ToolParameter* diameter = Find(ParameterNameTable(kTpCdiam));
    if (diameter != nullptr && diameter->kind == ParameterKind::Real) {
        return static_cast<double>(diameter->real);
    }
    if (body != nullptr && body->kind == ParameterKind::Real) {
        return 0.0;
    }
    return std::nullopt;
}

double ExchangeTool::CornerRadius() const {
    const ToolParameter* corner = Find(ParameterNameTable(kTpCrad));
    return corner != nullptr && corner->kind == ParameterKind::Real
               ? static_cast<double>(corner->real)
               : 0.0;
}

std::optional<std::vector<ExchangeTool>> CollectTools(const std::string& folder, bool recursive,
                                                      LossReport& report) {
    if (!platform::is_directory(folder)) {
        return std::nullopt;
    }
    std::vector<ExchangeTool> tools;
    collect(ScanToolTree(folder, false), "", recursive, tools, report);
    return tools;
}

std::vector<ExchangeTool> LoadTools(const std::vector<std::string>& paths,
                                    const std::vector<std::string>& names, LossReport& report) {
    std::vector<ExchangeTool> tools;
    for (std::size_t i = 0; i < paths.size() && i < names.size(); ++i) {
        load(paths[i], names[i], tools, report);
    }
    return tools;
}

bool IsToolFileName(std::string_view name) {
    if (name.empty()) {
        return false;
    }
    for (const char c : name) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte <= ' ' || byte == 0x7F || c == ':' || c == '&' || c == '=') {
            return false;
        }
    }
    return true;
}

std::optional<double> ParseWholeNumber(std::string_view text) {
    text = trim(text);
    if (text.empty()) {
        return std::nullopt;
    }
    const platform::ParsedDouble parsed = platform::parse_leading_double(text);
    if (parsed.consumed != text.size() || !std::isfinite(parsed.value)) {
        return std::nullopt;
    }
    return parsed.value;
}

void AddExchangeValue(ExchangeTool& tool, const std::string& name, std::string_view utf8,
                      LossReport& report) {
    if (!IsToolFileName(name)) {
        report.Add(tool.path, name, LossReason::BadName);
        return;
    }
    const ParameterIndex index = ParameterIndexOf(name);
    const ParameterKind kind = ParameterKindOf(index);
    if (kind == ParameterKind::Real) {
        const std::optional<double> number = ParseWholeNumber(utf8);
        // The largest float with three decimals that still reads back as a finite value.
        if (!number || std::fabs(*number) > std::numeric_limits<float>::max() / 1000.0f) {
            report.Add(tool.path, name, LossReason::NotANumber, std::string(utf8));
            return;
        }
        tool.parameters.push_back(ParseToolParameter(name, name, std::string(trim(utf8))));
        return;
    }
    if (kind == ParameterKind::Integer) {
        const std::optional<double> number = ParseWholeNumber(utf8);
        if (!number || *number != std::trunc(*number) ||
            *number < std::numeric_limits<std::int32_t>::min() ||
            *number > std::numeric_limits<std::int32_t>::max()) {
            report.Add(tool.path, name, LossReason::NotANumber, std::string(utf8));
            return;
        }
        tool.parameters.push_back(
            ParseToolParameter(name, name, std::to_string(static_cast<std::int32_t>(*number))));
        return;
    }
    if (utf8.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos) {
        report.Add(tool.path, name, LossReason::LineBreak);
        return;
    }
    std::string text = platform::utf8_to_code_page(utf8);
    if (platform::code_page_to_utf8(text) != utf8) {
        report.Add(tool.path, name, LossReason::Unmappable, text);
    }
    if (ends_as_comment(text)) {
        report.Add(tool.path, name, LossReason::EndsAsComment);
        return;
    }
    if (text.size() > kMaxParameterText) {
        report.Add(tool.path, name, LossReason::TextCut);
    }
    tool.parameters.push_back(ParseToolParameter(name, name, text));
}

void AddExchangeReal(ExchangeTool& tool, const std::string& name, double value,
                     LossReport& report) {
    AddExchangeValue(tool, name, platform::format_fixed(value, 3), report);
}
