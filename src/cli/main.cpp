// cutterbase-cli: a command-line front end over the core, for scripts and administrators.

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <new>
#include <string>

#include "cli/commands.h"
#include "platform/filesystem.h"
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
    {"tree", command_tree, "tree [DIR]"},
    {"list", command_list, "list DIR [--diameter] [--sort COL]..."},
};

int usage() {
    std::fputs("usage: cutterbase-cli [--verbose] [--quiet] COMMAND ...\ncommands:\n", stderr);
    for (const auto& command : kCommands) {
        std::fprintf(stderr, "  %s\n", command.usage);
    }
    return 2;
}

// The exit status once the command has run: a listing that could not be written whole is a
// failure, whatever the command found.
int finish_output(int status) {
    const bool flushed = std::fflush(stdout) == 0;
    if (flushed && std::ferror(stdout) == 0) {
        return status;
    }
    // Only a failed flush leaves its reason in errno; an earlier failed write does not.
    std::fprintf(stderr, "cutterbase-cli: cannot write the standard output%s%s\n",
                 flushed ? "" : ": ", flushed ? "" : std::strerror(errno));
    return status != 0 ? status : 1;
}

int run(int argc, char** argv) {
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
            return finish_output(command.run(arguments));
        }
    }
    std::fprintf(stderr, "cutterbase-cli: unknown command '%s'\n", argv[i]);
    return usage();
}

}  // namespace

int main(int argc, char** argv) {
    platform::ignore_file_size_signal();
    try {
        return run(argc, argv);
    } catch (const std::bad_alloc&) {
        // A file too large for the memory left: a message and a failure, not an abort.
        std::fputs("cutterbase-cli: out of memory\n", stderr);
        return 1;
    }
}
