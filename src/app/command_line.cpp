#include "app/command_line.h"

#include "language/message_catalogue.h"
#include "platform/number_text.h"

namespace {

void report_unknown_toolpath(std::string_view token) {
    Message("CutBaseCmdLine", 57, __DATE__, __TIME__, "CUTTERBASE", "CUTBASE_TPNUM_UNKNOWN",
            kButtonsOk, std::string(token));
}

}  // namespace

void CutBaseCmdLine::ParseParam(std::string_view token, bool flag, bool) {
    if (flag) {
        if (token == "o") {
            parse_state_ = kStateOutputFile;
        } else if (token == "tpnum") {
            parse_state_ = kStateToolpathNumber;
        } else {
            parse_state_ = kStateIdle;
        }
        return;
    }
    switch (parse_state_) {
        case kStateOutputFile:
            output_file_ = std::string(token);
            break;
        case kStateToolpathNumber:
            // Numbers beyond 32 bits are clamped, so digits never read as toolpath 0.
            toolpath_number_ = platform::parse_leading_int(token);
            if (toolpath_number_ == 0) {
                report_unknown_toolpath(token);
            }
            break;
        default:
            if (toolpath_number_ == 0) {
                report_unknown_toolpath(token);
            }
            break;
    }
    parse_state_ = kStateIdle;
}

void ParseCommandLine(CutBaseCmdLine& command_line, const std::vector<std::string>& arguments) {
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& token = arguments[i];
        const bool flag = (!token.empty() && token[0] == '-') || token == "/o" || token == "/tpnum";
        const bool last = i + 1 == arguments.size();
        if (flag) {
            command_line.ParseParam(std::string_view(token).substr(1), true, last);
        } else {
            command_line.ParseParam(token, false, last);
        }
    }
}
