#include "exchange/tool_table_format.h"

#include <cctype>
#include <cmath>
#include <unordered_map>
#include <unordered_set>

#include "platform/code_page.h"
#include "platform/number_text.h"
#include "tool/parameter_table.h"

namespace {

constexpr double kMillimetresPerInch = 25.4;

// The fields a table line carries; every other parameter is reported.
bool carried(ParameterIndex index) {
    return index == kTpCppnum || index == kTpCdiam || index == kTpBrad || index == kTpCdesc;
}

std::string_view trim(std::string_view text) {
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

}  // namespace

std::string WriteToolTable(const std::vector<ExchangeTool>& tools, bool inch, LossReport& report) {
    std::string out;
    std::unordered_map<std::int32_t, const std::string*> numbers;
    for (const ExchangeTool& tool : tools) {
        const ToolParameter* number = tool.Find(ParameterNameTable(kTpCppnum));
        if (number == nullptr || number->kind != ParameterKind::Integer) {
            report.Add(tool.path, ParameterNameTable(kTpCppnum), LossReason::NoToolNumber);
            continue;
        }
        if (number->integer <= 0) {
            report.Add(tool.path, ParameterNameTable(kTpCppnum), LossReason::ToolNumberRange,
                       std::to_string(number->integer));
            continue;
        }
        const auto [first, added] = numbers.emplace(number->integer, &tool.path);
        if (!added) {
            report.Add(tool.path, ParameterNameTable(kTpCppnum), LossReason::ToolNumberUsed,
                       *first->second + ", tool skipped");
            continue;
        }
        const std::optional<double> diameter = tool.Diameter();
        if (!diameter) {
            report.Add(tool.path, ParameterNameTable(kTpCdiam), LossReason::NoSize, "D0");
        }
        std::unordered_set<std::string_view> seen;
        for (const ToolParameter& parameter : tool.parameters) {
            if (!carried(parameter.index)) {
                report.Add(tool.path, parameter.name, LossReason::NotCarried,
                           FormatParameterValue(parameter));
            } else if (!seen.insert(parameter.name).second) {
                report.Add(tool.path, parameter.name, LossReason::Repeated);
            }
        }
        const ToolParameter* description = tool.Find(ParameterNameTable(kTpCdesc));
        const std::string comment = description != nullptr && !description->text.empty()
                                        ? platform::code_page_to_utf8(description->text)
                                        : tool.path;
        const std::string n = std::to_string(number->integer);
        const double size = diameter.value_or(0.0);
        out += "T" + n + " P" + n + " Z0 D" +
               (inch ? platform::format_fixed(size / kMillimetresPerInch, 4)
                     : platform::format_fixed(size, 3)) +
               " ;" + comment + "\n";
    }
    return out;
}

std::vector<ExchangeTool> ReadToolTable(std::string_view bytes, LossReport& report) {
    std::vector<ExchangeTool> tools;
    std::unordered_map<std::int32_t, std::string> numbers;
    std::size_t line_number = 0;
    while (!bytes.empty()) {
        ++line_number;
        const std::size_t end = std::min(bytes.find('\n'), bytes.size());
        std::string_view line = bytes.substr(0, end);
        bytes.remove_prefix(std::min(end + 1, bytes.size()));
        std::string_view comment;
        if (const std::size_t semicolon = line.find(';'); semicolon != std::string_view::npos) {
            comment = trim(line.substr(semicolon + 1));
            line = line.substr(0, semicolon);
        }
        line = trim(line);
        if (line.empty()) {
            continue;
        }
        const std::string where = "line " + std::to_string(line_number);
        std::optional<double> number, diameter;
        std::vector<std::pair<std::string, std::string>> others;
        bool malformed = false;
        while (!line.empty()) {
            const std::size_t word_end = std::min(line.find_first_of(" \t"), line.size());
            const std::string_view word = line.substr(0, word_end);
            line = trim(line.substr(word_end));
            const char letter =
                static_cast<char>(std::toupper(static_cast<unsigned char>(word[0])));
            const std::optional<double> value = ParseWholeNumber(word.substr(1));
            if (!std::isalpha(static_cast<unsigned char>(word[0])) || !value) {
                malformed = true;
                break;
            }
            if (letter == 'T') {
                number = value;
            } else if (letter == 'D') {
                diameter = value;
            } else if (letter != 'P' && *value != 0.0) {
                others.emplace_back(std::string(1, letter), std::string(word.substr(1)));
            }
        }
        if (malformed || !number) {
            report.Add(where, "T", LossReason::Unreadable);
            continue;
        }
        if (*number != std::trunc(*number) || *number < 1 || *number > 2147483647.0) {
            report.Add(where, "T", LossReason::ToolNumberRange, platform::format_fixed(*number, 3));
            continue;
        }
        ExchangeTool tool;
        const auto n = static_cast<std::int32_t>(*number);
        tool.path = comment.empty() ? "T" + std::to_string(n) : std::string(comment);
        if (const auto [first, added] = numbers.emplace(n, tool.path); !added) {
            report.Add(tool.path, "T", LossReason::ToolNumberUsed, first->second);
        }
        AddExchangeValue(tool, ParameterNameTable(kTpCppnum), std::to_string(n), report);
        if (diameter && *diameter >= 0) {
            AddExchangeReal(tool, ParameterNameTable(kTpCdiam), *diameter, report);
        } else {
            report.Add(tool.path, "D", diameter ? LossReason::NotANumber : LossReason::NotInSource);
        }
        AddExchangeReal(tool, ParameterNameTable(kTpCrad), 0.0, report);
        if (!comment.empty()) {
            AddExchangeValue(tool, ParameterNameTable(kTpCdesc), comment, report);
        }
        for (const auto& [letter, value] : others) {
            report.Add(tool.path, letter, LossReason::NotCarried, value);
        }
        tools.push_back(std::move(tool));
    }
    return tools;
}
