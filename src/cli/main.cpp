// cutterbase-cli: a command-line front end over the core, for scripts and administrators.

#include <cstdio>
#include <cstring>
#include <string>

#include "cli/commands.h"
#include "runtime/report.h"

namespace {

struct Command {
    const char* name;
    int (*run)(const CommandArguments&);
    const char* usage;
};

const Command kCommands[] = {
    {"env", command_env, "env [--origin] NAME..."},
    {"expand", command_expand, "expand [--path] TEXT..."},
    {"message", command_message, "message SECTION KEY [ARG...]"},
    {"startup", command_startup, "startup [ARGS...]"},
    {"toolpath", command_toolpath, "toolpath [--tp N] [NAME[.SUFFIX]...]"},
    {"show", command_show, "show TOOL.wkz"},
    {"check", command_check, "check TOOL.wkz"},
    {"apply", command_apply, "apply TOOL.wkz [-o FILE]"},
    {"fedrix", command_fedrix, "fedrix FILE.ncs"},
    {"records", command_records, "records FILE"},
};

int usage() {
    std::fputs("usage: cutterbase-cli [--verbose] [--quiet] COMMAND ...\ncommands:\n", stderr);
    for (const auto& command : kCommands) {
        std::fprintf(stderr, "  %s\n", command.usage);
    }
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    int i = 1;
    for (; i < argc; ++i) {
        if (std::strcmp(argv[i], "--verbose") == 0) {
            set_verbose_reporting(true);
        } else if (std::strcmp(argv[i], "--quiet") == 0) {
            set_quiet_reporting(true);
        } else {
            break;
        }
    }
    if (i >= argc) {
        return usage();
    }
    for (const auto& command : kCommands) {
        if (std::strcmp(argv[i], command.name) == 0) {
            CommandArguments arguments(argv + i + 1, argv + argc);
            return command.run(arguments);
        }
    }
    std::fprintf(stderr, "cutterbase-cli: unknown command '%s'\n", argv[i]);
    return usage();
}
