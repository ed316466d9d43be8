#include "app/library_check.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <optional>

#include "app/tool_file_values.h"
#include "language/builtin_texts.h"
#include "language/message_format.h"
#include "platform/filesystem.h"
#include "platform/number_text.h"
#include "platform/profile.h"
#include "toolfiles/fedrix_tool_info.h"

namespace {

// Every rule once: its code, its severity and its text. A finding names its rule by code.
struct Rule {
    const char* code;
    FindingSeverity severity;
    BuiltinText text;
};
constexpr FindingSeverity E = FindingSeverity::Error;
constexpr FindingSeverity W = FindingSeverity::Warning;
constexpr Rule kRules[] = {
    {"unreadable", E, BuiltinText::FindingUnreadable},
    {"no-parameters", E, BuiltinText::FindingNoParameters},
    {"no-size", E, BuiltinText::FindingNoSize},
    {"size-mismatch", E, BuiltinText::FindingSizeMismatch},
    {"corner-radius-negative", E, BuiltinText::FindingCornerRadiusNegative},
    {"corner-radius-too-large", E, BuiltinText::FindingCornerRadiusTooLarge},
    {"tolerance-not-positive", E, BuiltinText::FindingToleranceNotPositive},
    {"stepover-too-large", E, BuiltinText::FindingStepoverTooLarge},
    {"negative-value", E, BuiltinText::FindingNegativeValue},
    {"value-out-of-range", E, BuiltinText::FindingValueOutOfRange},
    {"not-a-number", E, BuiltinText::FindingNotANumber},
    {"not-an-integer", E, BuiltinText::FindingNotAnInteger},
    {"shared-tool-number", W, BuiltinText::FindingSharedToolNumber},
    {"fedrix-without-tool", W, BuiltinText::FindingFedrixWithoutTool},
    {"fedrix-foreign", W, BuiltinText::FindingFedrixForeign},
    {"fedrix-start-depth", E, BuiltinText::FindingFedrixStartDepth},
};

const Rule* rule_of(std::string_view code) {
    for (const Rule& rule : kRules) {
        if (code == rule.code) {
            return &rule;
        }
    }
    return nullptr;
}

// Sizes agree within a thousandth, as the list tells a ball from a bull nose; the float of a
// three-decimal value may lie a little beside it.
constexpr double kSlack = 0.001 + 1e-6;

// The values the tool page accepts for feed rates and the spindle speed.
constexpr double kFeedHighest = 100000.0;
constexpr ParameterIndex kFeeds[] = {kTpFrapproach, kTpFrcut, kTpFrrapid, kTpSpindle};

// Longest piece of a damaged value that a text quotes.
constexpr std::size_t kQuotedValue = 40;

std::string fixed3(double value) {
    return platform::format_fixed(value, 3);
}

class FindingList {
public:
    explicit FindingList(const std::string& path) : path_(path) {}
    void Add(const char* code, std::vector<std::string> values = {}) {
        const Rule* rule = rule_of(code);
        findings_.push_back({path_, code, rule->severity, std::move(values)});
    }
    std::vector<ToolFinding> Take() { return std::move(findings_); }

private:
    const std::string& path_;
    std::vector<ToolFinding> findings_;
};

std::string_view trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// Whether the whole value reads as its kind; an empty value is no value, not a damaged one.
bool reads_as_kind(std::string_view value, ParameterKind kind) {
    value = trimmed(value);
    if (value.empty()) {
        return true;
    }
    if (kind == ParameterKind::Real) {
        const platform::ParsedDouble parsed = platform::parse_leading_double(value);
        return parsed.consumed == value.size() && std::isfinite(parsed.value) &&
               std::fabs(parsed.value) <= 3.4e38;
    }
    std::size_t i = value[0] == '-' || value[0] == '+' ? 1 : 0;
    if (i == value.size() || value.size() - i > 10) {
        return false;
    }
    for (; i < value.size(); ++i) {
        if (value[i] < '0' || value[i] > '9') {
            return false;
        }
    }
    std::int64_t number = 0;
    for (const char c : value.substr(value[0] == '-' || value[0] == '+' ? 1 : 0)) {
        number = number * 10 + (c - '0');
    }
    return number <= (value[0] == '-' ? 2147483648LL : 2147483647LL);
}

// The reals of a tool that read as numbers, each parsed once; missing and damaged ones empty.
using Reals = std::array<std::optional<double>, kParameterCount>;

Reals check_kinds(const ToolFileValues& tool, FindingList& found) {
    Reals reals;
    for (ParameterIndex index = 1; index < kParameterCount; ++index) {
        const auto& line = tool.Line(index);
        const ParameterKind kind = ParameterKindOf(index);
        if (!line || (kind != ParameterKind::Real && kind != ParameterKind::Integer)) {
            continue;
        }
        if (!reads_as_kind(line->value, kind)) {
            found.Add(
                kind == ParameterKind::Real ? "not-a-number" : "not-an-integer",
                {ParameterNameTable(index), std::string(line->value.substr(0, kQuotedValue))});
        } else if (kind == ParameterKind::Real && !trimmed(line->value).empty()) {
            reals[static_cast<std::size_t>(index)] = ParseToolReal(line->value);
        }
    }
    return reals;
}

const std::optional<double>& real_value(const Reals& reals, ParameterIndex index) {
    return reals[static_cast<std::size_t>(index)];
}

void check_geometry(const Reals& tool, FindingList& found) {
    const auto body_radius = real_value(tool, kTpBrad);
    const auto diameter = real_value(tool, kTpCdiam);
    // The size as the list shows it: the body radius, else half the diameter.
    std::optional<double> radius;
    if (body_radius && *body_radius > 0) {
        radius = *body_radius;
    } else if (diameter && *diameter > 0) {
        radius = *diameter / 2;
    }
    if (!radius) {
        found.Add("no-size");
    }
    // A body radius of 0 is the program's "none": the diameter alone gives the size.
    if (body_radius && diameter && *body_radius != 0 &&
        std::fabs(*body_radius - *diameter / 2) > kSlack) {
        found.Add("size-mismatch", {fixed3(*body_radius), fixed3(*diameter)});
    }
    if (const auto corner = real_value(tool, kTpCrad)) {
        if (*corner < 0) {
            found.Add("corner-radius-negative", {fixed3(*corner)});
        } else if (radius && *corner > *radius + kSlack) {
            found.Add("corner-radius-too-large", {fixed3(*corner), fixed3(*radius)});
        }
    }
    if (const auto tolerance = real_value(tool, kTpTol); tolerance && *tolerance <= 0) {
        found.Add("tolerance-not-positive", {fixed3(*tolerance)});
    }
    if (const auto stepover = real_value(tool, kTpStep);
        stepover && radius && *stepover > 2 * *radius + kSlack) {
        found.Add("stepover-too-large", {fixed3(*stepover), fixed3(2 * *radius)});
    }
}

void check_machine_values(const Reals& tool, FindingList& found) {
    if (const auto z_step = real_value(tool, kTpDzstep); z_step && *z_step < 0) {
        found.Add("negative-value", {ParameterNameTable(kTpDzstep), fixed3(*z_step)});
    }
    for (const ParameterIndex index : kFeeds) {
        const auto value = real_value(tool, index);
        if (!value) {
            continue;
        }
        if (*value < 0) {
            found.Add("negative-value", {ParameterNameTable(index), fixed3(*value)});
        } else if (*value > kFeedHighest) {
            found.Add("value-out-of-range",
                      {ParameterNameTable(index), fixed3(*value), fixed3(0), fixed3(kFeedHighest)});
        }
    }
}

}  // namespace

const char* SeverityName(FindingSeverity severity) {
    return severity == FindingSeverity::Error ? "error" : "warning";
}

std::string FindingText(const ToolFinding& finding, int language_index) {
    const Rule* rule = rule_of(finding.code);
    if (rule == nullptr) {
        return finding.code;
    }
    std::string_view text = builtin_text(rule->text, language_index);
    // The severity is the finding's own; the letter serves message dialogs only.
    if (text.size() > 2 && text[1] == ' ') {
        text.remove_prefix(2);
    }
    FormatArguments arguments;
    for (const std::string& value : finding.values) {
        arguments.emplace_back(value);
    }
    return format_message(text, arguments);
}

std::vector<ToolFinding> CheckToolFile(const std::string& path) {
    const std::optional<std::string> bytes = platform::read_file(path);
    if (!bytes) {
        return {UnreadableToolFinding(path)};
    }
    return CheckToolBytes(path, *bytes);
}

std::vector<ToolFinding> CheckToolBytes(const std::string& path, std::string_view bytes) {
    return CheckToolValues(path, ToolFileValues(bytes));
}

std::vector<ToolFinding> CheckToolValues(const std::string& path, const ToolFileValues& tool) {
    FindingList found(path);
    if (!tool.HasLines()) {
        found.Add("no-parameters");
        return found.Take();
    }
    const Reals reals = check_kinds(tool, found);
    check_geometry(reals, found);
    check_machine_values(reals, found);
    return found.Take();
}

std::vector<ToolFinding> CheckFedrixFile(const std::string& path) {
    const std::optional<std::string> bytes = platform::read_file(path);
    return CheckFedrixBytes(path, bytes ? std::optional<std::string_view>(*bytes) : std::nullopt);
}

std::vector<ToolFinding> CheckFedrixBytes(const std::string& path,
                                          std::optional<std::string_view> bytes) {
    FindingList found(path);
    static const FedrixToolInfo defaults;
    const platform::ProfileDocument file =
        platform::ProfileDocument::parse(bytes.value_or(std::string_view()));
    if (!bytes || file.value("T.A.L.M.O.R.", "Fedrix") != defaults.type_marker) {
        found.Add("fedrix-foreign");
        return found.Take();
    }
    // Missing values take the defaults a Fedrix file starts with.
    const auto depth = [&](const char* key, double default_value) {
        const std::optional<std::string> text = file.value("BASICS", key);
        return text && !text->empty() ? platform::parse_leading_double(*text).value : default_value;
    };
    const double start = depth("Start Depth", defaults.start_depth);
    const double maximum = depth("Max Depth", defaults.max_depth);
    if (start > maximum + 0.0005) {
        found.Add("fedrix-start-depth", {fixed3(start), fixed3(maximum)});
    }
    return found.Take();
}

ToolFinding UnreadableToolFinding(const std::string& path) {
    FindingList found(path);
    found.Add("unreadable");
    return found.Take().front();
}

ToolFinding FedrixWithoutToolFinding(const std::string& fedrix_path) {
    FindingList found(fedrix_path);
    std::string name = fedrix_path.substr(fedrix_path.find_last_of('/') + 1);
    name = name.substr(0, name.rfind('.')) + ".wkz";
    found.Add("fedrix-without-tool", {name});
    return found.Take().front();
}

ToolFinding SharedToolNumberFinding(const std::string& path, int number,
                                    const std::string& other_path) {
    FindingList found(path);
    found.Add("shared-tool-number", {std::to_string(number), other_path});
    return found.Take().front();
}

bool HasErrorFinding(const std::vector<ToolFinding>& findings) {
    for (const ToolFinding& finding : findings) {
        if (finding.severity == FindingSeverity::Error) {
            return true;
        }
    }
    return false;
}
