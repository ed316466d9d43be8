#pragma once
// A tool on its way between the library and another format: where it lies and its parameters.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "exchange/loss_report.h"
#include "tool/tool_parameter.h"

struct ExchangeTool {
    // Relative to the exported folder, '/' between folders, with the file's extension; for
    // a tool read from another format, the name that format gave it.
    std::string path;
    std::vector<ToolParameter> parameters;  // in file order

    // The first record of the name, as the tool set finds it; nullptr when absent.
    const ToolParameter* Find(std::string_view name) const;
    // The diameter the tool gives: TP_CDIAM, or twice TP_BRAD when that is present and not 0.
    std::optional<double> Diameter() const;
    // The corner radius, 0 when the tool has none.
    double CornerRadius() const;
};

// The tools ("*.wkz") of a folder, with those of its subfolders when `recursive`, in the
// tree's order; nullopt when the folder is not a directory. Unreadable files are reported.
std::optional<std::vector<ExchangeTool>> CollectTools(const std::string& folder, bool recursive,
                                                      LossReport& report);

// The tools at `paths` (full paths), each named by the same index of `names`, in that order, as
// a search lists them. Unreadable files are reported.
std::vector<ExchangeTool> LoadTools(const std::vector<std::string>& paths,
                                    const std::vector<std::string>& names, LossReport& report);

// The value of a field from another format, as UTF-8 text, checked and put into the tool's
// parameters as a tool file line would give it; what a tool file cannot hold is reported and
// left out (or cut).
void AddExchangeValue(ExchangeTool& tool, const std::string& name, std::string_view utf8,
                      LossReport& report);
// A real value in millimetres, checked as AddExchangeValue checks a text.
void AddExchangeReal(ExchangeTool& tool, const std::string& name, double value, LossReport& report);

// Whether a name can stand in a tool file line and be read back as the same name.
bool IsToolFileName(std::string_view name);

// A number in full (blanks around it allowed), finite; nullopt when the text is anything else.
std::optional<double> ParseWholeNumber(std::string_view text);
