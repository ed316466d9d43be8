#pragma once
// What an export or an import could not carry, tool by tool and field by field.

#include <string>
#include <vector>

// The windows show each reason in their language, in this order: add new ones at the end.
enum class LossReason {
    NotCarried,       // the target format has no place for the field
    Repeated,         // the tool names the field twice; the first is carried
    NoToolNumber,     // the tool table needs a tool number: tool skipped
    ToolNumberUsed,   // an earlier tool has the same number
    ToolNumberRange,  // not a tool number a controller takes: tool skipped
    NoSize,           // neither diameter nor body radius
    NotANumber,       // not a number, or beyond what a tool file holds: left out
    TextCut,          // longer than a parameter holds: cut
    LineBreak,        // a tool file line cannot hold it: left out
    EndsAsComment,    // would read back as a comment line: left out
    Unmappable,       // characters the code page cannot hold became '?'
    BadName,          // a name that cannot stand in a tool file: left out
    Renamed,          // the file name was made safe or unique
    Exists,           // a file of that name exists: skipped
    WriteFailed,      // the file could not be written
    UnknownShape,     // a shape this library has no cutter for: tool skipped
    Unreadable,       // a file of the source could not be read or parsed: skipped
    NotInSource,      // the source did not have the field
    Renumbered,       // the tool bit library needed a number for the tool
};

struct LossEntry {
    std::string tool;   // the tool's path or name as the source has it
    std::string field;  // a parameter name, a column or a key of the other format
    LossReason reason = LossReason::NotCarried;
    std::string detail;  // the new name, the value, the other tool: what makes it clear
};

class LossReport {
public:
    void Add(std::string tool, std::string field, LossReason reason, std::string detail = {});
    const std::vector<LossEntry>& entries() const { return entries_; }
    bool empty() const { return entries_.empty(); }

private:
    std::vector<LossEntry> entries_;
};

// The English text of a reason, as the command line prints it.
const char* LossReasonText(LossReason reason);
// "TOOL<TAB>FIELD<TAB>REASON[: DETAIL]", one entry, without a line end.
std::string FormatLossEntry(const LossEntry& entry);
