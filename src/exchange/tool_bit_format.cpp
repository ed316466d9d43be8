#include "exchange/tool_bit_format.h"

#include <cmath>
#include <nlohmann/json.hpp>
#include <set>
#include <unordered_set>

#include "platform/code_page.h"
#include "platform/number_text.h"
#include "tool/parameter_table.h"

namespace {

using Json = nlohmann::ordered_json;

constexpr double kSameRadius = 0.001;  // radii equal within this are one (a ball)

bool carried(ParameterIndex index) {
    return index == kTpCppnum || index == kTpCdiam || index == kTpBrad || index == kTpCrad ||
           index == kTpCdesc;
}

std::string millimetres(double value) {
    return platform::format_fixed(value, 3) + " mm";
}

std::string bit_path(const std::string& tool_path) {
    const std::size_t slash = tool_path.rfind('/');
    const std::size_t dot = tool_path.rfind('.');
    const bool has_extension =
        dot != std::string::npos && (slash == std::string::npos || dot > slash);
    return (has_extension ? tool_path.substr(0, dot) : tool_path) + ".fctb";
}

std::string stem(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    const std::size_t dot = name.rfind('.');
    return dot == std::string::npos || dot == 0 ? name : name.substr(0, dot);
}

std::string value_text(const Json& value) {
    return value.is_string() ? value.get<std::string>() : value.dump();
}

}  // namespace

std::optional<double> ParseQuantity(std::string_view text) {
    const platform::ParsedDouble parsed = platform::parse_leading_double(text);
    if (parsed.consumed == 0 || !std::isfinite(parsed.value)) {
        return std::nullopt;
    }
    std::string_view unit = text.substr(parsed.consumed);
    while (!unit.empty() && unit.front() == ' ') {
        unit.remove_prefix(1);
    }
    while (!unit.empty() && unit.back() == ' ') {
        unit.remove_suffix(1);
    }
    if (unit.empty() || unit == "mm") {
        return parsed.value;
    }
    if (unit == "in" || unit == "\"") {
        return parsed.value * 25.4;
    }
    if (unit == "cm") {
        return parsed.value * 10.0;
    }
    if (unit == "m") {
        return parsed.value * 1000.0;
    }
    return std::nullopt;
}

std::vector<ExchangeFile> WriteToolBits(const std::vector<ExchangeTool>& tools,
                                        const std::string& library_name, LossReport& report) {
    std::vector<ExchangeFile> files;
    std::set<int> used;
    for (const ExchangeTool& tool : tools) {
        const ToolParameter* number = tool.Find(ParameterNameTable(kTpCppnum));
        if (number != nullptr && number->kind == ParameterKind::Integer && number->integer > 0) {
            used.insert(number->integer);
        }
    }
    Json library = {{"version", 1}, {"tools", Json::array()}};
    std::set<int> listed;
    int next = used.empty() ? 1 : *used.rbegin() + 1;
    for (const ExchangeTool& tool : tools) {
        const double diameter = tool.Diameter().value_or(0.0);
        if (!tool.Diameter()) {
            report.Add(tool.path, ParameterNameTable(kTpCdiam), LossReason::NoSize);
        }
        const double corner = tool.CornerRadius();
        Json parameters = {{"Diameter", millimetres(diameter)}};
        std::string shape = "endmill.fcstd";
        if (std::fabs(corner) >= kSameRadius) {
            if (std::fabs(corner - diameter / 2) < kSameRadius) {
                shape = "ballend.fcstd";
            } else {
                shape = "bullnose.fcstd";
                parameters["FlatRadius"] = millimetres(diameter / 2 - corner);
            }
        }
        const ToolParameter* description = tool.Find(ParameterNameTable(kTpCdesc));
        const std::string name = description != nullptr && !description->text.empty()
                                     ? platform::code_page_to_utf8(description->text)
                                     : stem(tool.path);
        std::unordered_set<std::string_view> seen;
        for (const ToolParameter& parameter : tool.parameters) {
            if (!carried(parameter.index)) {
                report.Add(tool.path, parameter.name, LossReason::NotCarried,
                           FormatParameterValue(parameter));
            } else if (!seen.insert(parameter.name).second) {
                report.Add(tool.path, parameter.name, LossReason::Repeated);
            }
        }
        const ToolParameter* number = tool.Find(ParameterNameTable(kTpCppnum));
        int nr = number != nullptr && number->kind == ParameterKind::Integer ? number->integer : 0;
        if (nr <= 0 || !listed.insert(nr).second) {
            nr = next++;
            listed.insert(nr);
            report.Add(tool.path, ParameterNameTable(kTpCppnum), LossReason::Renumbered,
                       std::to_string(nr));
        }
        const Json bit = {{"version", 2},
                          {"name", name},
                          {"shape", shape},
                          {"parameter", parameters},
                          {"attribute", Json::object()}};
        const std::string path = bit_path(tool.path);
        files.push_back({path, bit.dump(2, ' ', false, Json::error_handler_t::replace) + "\n"});
        library["tools"].push_back({{"nr", nr}, {"path", path}});
    }
    files.push_back(
        {library_name, library.dump(2, ' ', false, Json::error_handler_t::replace) + "\n"});
    return files;
}

std::optional<ExchangeTool> ReadToolBit(std::string_view bytes, const std::string& file_name,
                                        std::optional<int> number, LossReport& report) {
    const std::string name =
        file_name.ends_with(".fctb") ? file_name.substr(0, file_name.size() - 5) : file_name;
    const Json bit = Json::parse(bytes, nullptr, false);
    if (bit.is_discarded() || !bit.is_object() || !bit.contains("shape") ||
        !bit["shape"].is_string()) {
        report.Add(name, "shape", LossReason::Unreadable);
        return std::nullopt;
    }
    std::string shape = bit["shape"].get<std::string>();
    shape = shape.substr(shape.find_last_of("/\\") + 1);
    if (shape.size() > 6 && shape.ends_with(".fcstd")) {
        shape.resize(shape.size() - 6);
    }
    if (shape != "endmill" && shape != "ballend" && shape != "bullnose" && shape != "torus") {
        report.Add(name, "shape", LossReason::UnknownShape, shape);
        return std::nullopt;
    }
    const Json empty = Json::object();
    const Json& parameters =
        bit.contains("parameter") && bit["parameter"].is_object() ? bit["parameter"] : empty;
    auto length = [&](const char* key) -> std::optional<double> {
        if (!parameters.contains(key)) {
            return std::nullopt;
        }
        const std::optional<double> value = ParseQuantity(value_text(parameters[key]));
        if (!value || *value < 0) {
            report.Add(name, key, LossReason::NotANumber, value_text(parameters[key]));
            return std::nullopt;
        }
        return value;
    };
    ExchangeTool tool;
    tool.path = name;
    if (bit.contains("name") && bit["name"].is_string()) {
        AddExchangeValue(tool, ParameterNameTable(kTpCdesc), bit["name"].get<std::string>(),
                         report);
    }
    const std::optional<double> diameter = length("Diameter");
    if (diameter) {
        AddExchangeReal(tool, ParameterNameTable(kTpCdiam), *diameter, report);
    } else if (!parameters.contains("Diameter")) {
        report.Add(name, "Diameter", LossReason::NotInSource);
    }
    const char* corner_key = shape == "bullnose" ? "FlatRadius"
                             : shape == "torus"  ? "TorusRadius"
                                                 : nullptr;
    double corner = 0.0;
    if (shape == "ballend") {
        corner = diameter.value_or(0.0) / 2;
    } else if (corner_key != nullptr) {
        const std::optional<double> radius = length(corner_key);
        if (!radius && !parameters.contains(corner_key)) {
            report.Add(name, corner_key, LossReason::NotInSource);
        }
        corner = shape == "torus"
                     ? radius.value_or(0.0)
                     : std::max(0.0, diameter.value_or(0.0) / 2 - radius.value_or(0.0));
    }
    AddExchangeReal(tool, ParameterNameTable(kTpCrad), corner, report);
    if (number) {
        AddExchangeValue(tool, ParameterNameTable(kTpCppnum), std::to_string(*number), report);
    }
    for (const auto& [key, value] : parameters.items()) {
        if (key != "Diameter" && (corner_key == nullptr || key != corner_key)) {
            report.Add(name, key, LossReason::NotCarried, value_text(value));
        }
    }
    if (bit.contains("attribute") && bit["attribute"].is_object()) {
        for (const auto& [key, value] : bit["attribute"].items()) {
            report.Add(name, key, LossReason::NotCarried, value_text(value));
        }
    }
    return tool;
}

ToolLibraryRead ReadToolLibrary(std::string_view bytes) {
    ToolLibraryRead read;
    const Json library = Json::parse(bytes, nullptr, false);
    if (library.is_discarded() || !library.is_object() || !library.contains("tools") ||
        !library["tools"].is_array()) {
        read.error = "no tool bit library: a JSON object with a list \"tools\" is expected";
        return read;
    }
    for (const Json& entry : library["tools"]) {
        if (!entry.is_object() || !entry.contains("path") || !entry["path"].is_string()) {
            read.error = "a tool of the library has no \"path\"";
            read.entries.clear();
            return read;
        }
        ToolLibraryEntry tool;
        tool.path = entry["path"].get<std::string>();
        if (entry.contains("nr") && entry["nr"].is_number_integer()) {
            const auto nr = entry["nr"].get<std::int64_t>();
            if (nr > 0 && nr <= 2147483647) {
                tool.number = static_cast<int>(nr);
            }
        }
        read.entries.push_back(std::move(tool));
    }
    return read;
}
