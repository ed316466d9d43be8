#pragma once
// The library check: rules that find impossible or conflicting tools. A tool file's own rules
// look at its bytes alone; the library-wide rules (one tool number on different cutters, a
// Fedrix file without its tool) are applied by the search index, which sees every tool.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

class ToolFileValues;

enum class FindingSeverity { Warning, Error };

struct ToolFinding {
    std::string path;  // the file it is about (a .wkz, or an .ncs)
    std::string code;  // stable code, e.g. "corner-radius-too-large"
    FindingSeverity severity = FindingSeverity::Error;
    std::vector<std::string> values;  // what the text names, in the text's order
};

// "error" / "warning".
const char* SeverityName(FindingSeverity severity);

// The finding's built-in text in the language (English for every index but German), its values
// filled in, without the severity letter; in the installation's code page.
std::string FindingText(const ToolFinding& finding, int language_index);

// The rules of one tool file. Reads the file once; nothing for a sound tool.
std::vector<ToolFinding> CheckToolFile(const std::string& path);
// The same rules over bytes already read, or over their values.
std::vector<ToolFinding> CheckToolBytes(const std::string& path, std::string_view bytes);
std::vector<ToolFinding> CheckToolValues(const std::string& path, const ToolFileValues& tool);

// The rules of a Fedrix file that lies beside a tool: another kind of file, or a start depth
// above the maximum depth. Reads the file once, without a word to the user and without the
// program's current profile, so that it runs on any thread.
std::vector<ToolFinding> CheckFedrixFile(const std::string& path);
// The same over bytes already read; nullopt for a file that could not be read.
std::vector<ToolFinding> CheckFedrixBytes(const std::string& path,
                                          std::optional<std::string_view> bytes);

// The findings the index makes itself: a file it could not read, and the library-wide ones.
ToolFinding UnreadableToolFinding(const std::string& path);
ToolFinding FedrixWithoutToolFinding(const std::string& fedrix_path);
ToolFinding SharedToolNumberFinding(const std::string& path, int number,
                                    const std::string& other_path);

// Whether any finding is an error.
bool HasErrorFinding(const std::vector<ToolFinding>& findings);
