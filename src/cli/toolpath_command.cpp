#include <charconv>
#include <cstdio>
#include <optional>
#include <string>

#include "cli/commands.h"
#include "cli/output_text.h"
#include "cli/toolpath_readable.h"
#include "platform/number_text.h"
#include "workzone/toolpath_reader.h"
#include "workzone/toolpath_variable.h"
#include "workzone/toolpath_variable_table.h"
#include "workzone/workzone_paths.h"

namespace {

void write_line(const std::string& line) {
    std::fwrite(line.data(), 1, line.size(), stdout);
    std::fputc('\n', stdout);
}

int usage() {
    std::fputs("usage: cutterbase-cli toolpath [--tp N] [NAME[.SUFFIX]...]\n", stderr);
    return 2;
}

std::optional<std::int32_t> parse_toolpath_number(const std::string& text) {
    std::int32_t number = 0;
    const char* first = text.data();
    const char* last = text.data() + text.size();
    if (first != last && *first == '+') {
        ++first;
    }
    const auto [end, error] = std::from_chars(first, last, number);
    if (first == last || error != std::errc() || end != last) {
        return std::nullopt;
    }
    return number;
}

std::string item_text(const VariableItem& item) {
    if (const float* real = std::get_if<float>(&item)) {
        return platform::format_fixed(*real, 5);
    }
    if (const std::int32_t* integer = std::get_if<std::int32_t>(&item)) {
        return std::to_string(*integer);
    }
    return std::get<std::string>(item);
}

// True when some of the names is read from the toolpath's files (user variables and unknown
// names are not).
bool reads_toolpath(const CommandArguments& names) {
    for (const std::string& name : names) {
        const VariableDescriptor* row = FindVariable(name.substr(0, name.find('.')));
        if (row != nullptr && row->source == kVariableSourceToolpath) {
            return true;
        }
    }
    return false;
}

// NAME TYPE STATUS VALUE for each name given.
int print_variables(const CommandArguments& names, std::int32_t toolpath_number) {
    if (reads_toolpath(names) && !ToolpathReadable(ToolpathReader(toolpath_number))) {
        return kExitUnreadable;
    }
    const std::string directory = WorkzoneDirectory().value_or("");
    for (const std::string& name : names) {
        VariableValue value;
        const int status = GetToolpathVariable(name, directory, toolpath_number, value);
        std::string line = EscapeLineBreaks(name) + "\t" +
                           (value.type == 0 ? "none" : VariableTypeName(value.type));
        line += "\t" + std::to_string(status) + "\t";
        for (std::size_t i = 0; i < value.values.size(); ++i) {
            line += (i > 0 ? ";" : "") + EscapeLineBreaks(item_text(value.values[i]));
        }
        write_line(line);
        ReleaseVariableValue(value);
    }
    return 0;
}

// INDEX NAME VALUE for the tool parameters, as the tool library reads them.
int print_tool_parameters(std::int32_t toolpath_number) {
    const ToolpathReader reader(toolpath_number);
    if (!ToolpathReadable(reader)) {
        return kExitUnreadable;
    }
    bool all_read = true;
    for (int index = 1; index <= kToolpathParameterCount; ++index) {
        std::string text;
        bool read = false;
        switch (ToolpathParameterKind(index)) {
            case kVariableTypeChar:
                read = reader.ReadIndexed(index, text);
                break;
            case kVariableTypeInt: {
                std::int32_t integer = 0;
                read = reader.ReadIndexed(index, integer);
                text = read ? std::to_string(integer) : "";
                break;
            }
            default: {
                float real = 0.0f;
                read = reader.ReadIndexed(index, real);
                text = read ? platform::format_fixed(real, 3) : "";
                break;
            }
        }
        all_read = all_read && read;
        write_line(std::to_string(index) + "\t" + ToolpathParameterName(index) + "\t" +
                   EscapeLineBreaks(text));
    }
    return all_read ? 0 : 1;
}

}  // namespace

int command_toolpath(const CommandArguments& arguments) {
    std::int32_t toolpath_number = 0;
    std::size_t first = 0;
    if (!arguments.empty() && arguments[0] == "--tp") {
        if (arguments.size() < 2) {
            return usage();
        }
        const std::optional<std::int32_t> number = parse_toolpath_number(arguments[1]);
        if (!number) {
            return usage();
        }
        toolpath_number = *number;
        first = 2;
    }
    if (arguments.size() > first) {
        return print_variables(
            CommandArguments(arguments.begin() + static_cast<long>(first), arguments.end()),
            toolpath_number);
    }
    return print_tool_parameters(toolpath_number);
}
