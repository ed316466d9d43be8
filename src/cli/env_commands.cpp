#include <cstdio>
#include <optional>
#include <string>

#include "cli/commands.h"
#include "cli/output_text.h"
#include "runtime/environment.h"
#include "runtime/expansion.h"

namespace {

// Both commands expand into the buffer size the core's callers use for paths and lists.
constexpr int kExpansionBuffer = 384;

void write_line(const std::string& line) {
    std::fwrite(line.data(), 1, line.size(), stdout);
    std::fputc('\n', stdout);
}

bool take_option(const CommandArguments& arguments, const char* option) {
    return !arguments.empty() && arguments.front() == option;
}

}  // namespace

int command_env(const CommandArguments& arguments) {
    const bool with_origin = take_option(arguments, "--origin");
    const std::size_t first = with_origin ? 1 : 0;
    if (arguments.size() <= first) {
        std::fputs("usage: cutterbase-cli env [--origin] NAME...\n", stderr);
        return 2;
    }
    int exit_status = 0;
    for (std::size_t i = first; i < arguments.size(); ++i) {
        const std::string& name = arguments[i];
        std::optional<std::string> value = get_variable(name);
        if (!value) {
            write_line(EscapeLineBreaks(name) + "\t");
            exit_status = 1;
            continue;
        }
        std::string line = EscapeLineBreaks(name) + "\t" + EscapeLineBreaks(*value);
        if (with_origin) {
            line += "\t" + EscapeLineBreaks(variable_origin(name, *value));
        }
        write_line(line);
    }
    return exit_status;
}

int command_expand(const CommandArguments& arguments) {
    const bool as_path = take_option(arguments, "--path");
    const std::size_t first = as_path ? 1 : 0;
    if (arguments.size() <= first) {
        std::fputs("usage: cutterbase-cli expand [--path] TEXT...\n", stderr);
        return 2;
    }
    for (std::size_t i = first; i < arguments.size(); ++i) {
        std::string text = arguments[i];
        int status = as_path ? expand_path_text(text, kExpansionBuffer)
                             : expand_text(text, kExpansionBuffer);
        write_line(std::to_string(status) + "\t" + EscapeLineBreaks(text));
    }
    return 0;
}
