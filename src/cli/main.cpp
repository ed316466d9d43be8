// cutterbase-cli: a command-line front end over the core, for scripts and administrators.

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <new>
#include <string>

#include "cli/commands.h"
#include "platform/filesystem.h"
#include "runtime/report.h"

#ifndef CUTTERBASE_VERSION
#define CUTTERBASE_VERSION ""
#endif
#ifndef CUTTERBASE_REVISION
#define CUTTERBASE_REVISION ""
#endif

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
    {"find", command_find, "find [--diameter] [--dir DIR] QUERY..."},
    {"vet", command_vet, "vet [DIR]"},
};

void print_usage(std::FILE* stream) {
    std::fputs(
        "usage: cutterbase-cli [--verbose] [--quiet] COMMAND ...\n"
        "       cutterbase-cli --help | --version\n"
        "options:\n"
        "  --verbose  print the runtime's traces on standard output\n"
        "  --quiet    keep the runtime's warnings off standard error\n"
        "  --help     print this help and exit\n"
        "  --version  print the version and exit\n"
        "commands:\n",
        stream);
    for (const auto& command : kCommands) {
        std::fprintf(stream, "  %s\n", command.usage);
    }
}

int usage() {
    print_usage(stderr);
    return 2;
}

// The program's name and version, with the source revision when the build knew it.
void print_version() {
    std::string line = std::string("cutterbase-cli ") + CUTTERBASE_VERSION;
    if (*CUTTERBASE_REVISION != '\0') {
        line += std::string(" (revision ") + CUTTERBASE_REVISION + ")";
    }
    std::puts(line.c_str());
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
    if (std::strcmp(argv[i], "--help") == 0) {
        print_usage(stdout);
        return finish_output(0);
    }
    if (std::strcmp(argv[i], "--version") == 0) {
        print_version();
        return finish_output(0);
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
