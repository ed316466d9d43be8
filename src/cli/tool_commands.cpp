// show, check, apply and fedrix: a tool file as the tool library sees it.

#include <cstdio>
#include <string>

#include "app/startup_configuration.h"
#include "cli/commands.h"
#include "cli/output_text.h"
#include "cli/toolpath_readable.h"
#include "platform/path_identity.h"
#include "tool/change_file_message.h"
#include "tool/tool_parameter_set.h"
#include "tool/tool_path_rules.h"
#include "tool/toolpath_reader_values.h"
#include "toolfiles/fedrix_tool_info.h"
#include "workzone/toolpath_reader.h"

namespace {

const char* kind_name(ParameterKind kind) {
    switch (kind) {
        case ParameterKind::Text:
            return "Text";
        case ParameterKind::Real:
            return "Real";
        case ParameterKind::Integer:
            return "Integer";
        case ParameterKind::None:
            break;
    }
    return "None";
}

void print(const std::string& text) {
    std::fwrite(text.data(), 1, text.size(), stdout);
}

int usage(const char* text) {
    std::fprintf(stderr, "usage: cutterbase-cli %s\n", text);
    return 2;
}

}  // namespace

int command_show(const CommandArguments& arguments) {
    if (arguments.size() != 1) {
        return usage("show TOOL.wkz");
    }
    ToolParameterSet tool;
    tool.Load(arguments[0]);
    if (!tool.loaded()) {
        std::fprintf(stderr, "cutterbase-cli: cannot read '%s'\n", arguments[0].c_str());
        return 1;
    }
    tool.ReloadLabels();
    for (const auto& parameter : tool.parameters()) {
        print(EscapeLineBreaks(parameter.label) + "\t" + EscapeLineBreaks(parameter.name) + "\t" +
              kind_name(parameter.kind) + "\t" + (parameter.applied ? "1" : "0") + "\t" +
              EscapeLineBreaks(FormatParameterValue(parameter)) + "\n");
    }
    return 0;
}

int command_check(const CommandArguments& arguments) {
    if (arguments.size() != 1) {
        return usage("check TOOL.wkz");
    }
    ToolParameterSet tool;
    tool.Load(arguments[0]);
    if (!tool.loaded()) {
        std::fprintf(stderr, "cutterbase-cli: cannot read '%s'\n", arguments[0].c_str());
        return kExitUnreadable;
    }
    ToolpathReader reader(0);
    if (!ToolpathReadable(reader)) {
        return kExitUnreadable;
    }
    ToolpathReaderValues toolpath(reader);
    if (tool.IsConsistent(toolpath, false)) {
        return 0;
    }
    print(tool.InconsistencyReport(toolpath, EscapeLineBreaks));
    return 1;
}

int command_apply(const CommandArguments& arguments) {
    std::string tool_file;
    std::string output = "cutter.out";
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        if (arguments[i] == "-o" && i + 1 < arguments.size()) {
            output = arguments[++i];
        } else if (tool_file.empty()) {
            tool_file = arguments[i];
        } else {
            return usage("apply TOOL.wkz [-o FILE]");
        }
    }
    if (tool_file.empty()) {
        return usage("apply TOOL.wkz [-o FILE]");
    }
    StartupConfiguration startup = ConfigureStartup();
    if (startup.cancel) {
        std::fputs("cutterbase-cli: no workzone or tool directory; nothing applied\n", stderr);
        return 1;
    }
    if (startup.tool_directory_fallback) {
        std::fprintf(stderr,
                     "cutterbase-cli: KVX_CUTTER_DIR names no tool directory; the current "
                     "directory '%s' is taken as the tool library\n",
                     EscapeLineBreaks(startup.tool_directory).c_str());
    }
    // The reference is formed from the absolute path, the current directory included.
    if (!IsSingleLinePath(platform::absolute_normal_path(tool_file))) {
        std::fprintf(stderr, "cutterbase-cli: the tool path holds a line break: '%s'\n",
                     EscapeLineBreaks(tool_file).c_str());
        return 1;
    }
    // Read as show reads it, whatever the length of the absolute path.
    ToolParameterSet tool;
    tool.Load(tool_file);
    if (!tool.loaded()) {
        std::fprintf(stderr, "cutterbase-cli: cannot read '%s'\n", tool_file.c_str());
        return 1;
    }
    ToolpathReader reader(0);
    if (!ToolpathReadable(reader)) {
        return kExitUnreadable;
    }
    ToolpathReaderValues toolpath(reader);
    if (!tool.WriteChangeFile(toolpath, output, startup.tool_directory, tool_file)) {
        RaiseChangeFileNotWritten(output);
        return 1;
    }
    return 0;
}

int command_fedrix(const CommandArguments& arguments) {
    if (arguments.size() != 1) {
        return usage("fedrix FILE.ncs");
    }
    FedrixToolInfo info(arguments[0]);
    if (!info.Check() || !info.ReadSucceeded()) {
        if (!info.Exists()) {
            std::fprintf(stderr, "cutterbase-cli: cannot read '%s'\n", arguments[0].c_str());
        }
        return 1;
    }
    for (const auto& entry : info.Entries()) {
        print(std::string(entry.section) + "\t" + entry.key + "\t" + EscapeLineBreaks(entry.text) +
              "\n");
    }
    return 0;
}
