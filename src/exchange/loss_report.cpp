#include "exchange/loss_report.h"

#include <utility>

void LossReport::Add(std::string tool, std::string field, LossReason reason, std::string detail) {
    entries_.push_back({std::move(tool), std::move(field), reason, std::move(detail)});
}

const char* LossReasonText(LossReason reason) {
    switch (reason) {
        case LossReason::NotCarried:
            return "not carried by the format";
        case LossReason::Repeated:
            return "named twice in the tool, only the first carried";
        case LossReason::NoToolNumber:
            return "no tool number, tool skipped";
        case LossReason::ToolNumberUsed:
            return "tool number used by an earlier tool";
        case LossReason::ToolNumberRange:
            return "tool number out of range, tool skipped";
        case LossReason::NoSize:
            return "no diameter or body radius";
        case LossReason::NotANumber:
            return "not a number or out of range, left out";
        case LossReason::TextCut:
            return "longer than 255 characters, cut";
        case LossReason::LineBreak:
            return "holds a line break or NUL, left out";
        case LossReason::EndsAsComment:
            return "ends in ** and would read as a comment, left out";
        case LossReason::Unmappable:
            return "characters outside the code page became ?";
        case LossReason::BadName:
            return "name cannot stand in a tool file, left out";
        case LossReason::Renamed:
            return "file name changed";
        case LossReason::Exists:
            return "file exists, skipped";
        case LossReason::WriteFailed:
            return "cannot be written";
        case LossReason::UnknownShape:
            return "shape not known, tool skipped";
        case LossReason::Unreadable:
            return "cannot be read, skipped";
        case LossReason::NotInSource:
            return "not in the source";
        case LossReason::Renumbered:
            return "numbered in the library";
    }
    return "";
}

std::string FormatLossEntry(const LossEntry& entry) {
    std::string line = entry.tool + "\t" + entry.field + "\t" + LossReasonText(entry.reason);
    if (!entry.detail.empty()) {
        line += ": " + entry.detail;
    }
    return line;
}
