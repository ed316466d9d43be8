#include <cstdio>

#include "cli/commands.h"

int command_toolpath(const CommandArguments&) {
    std::fputs("cutterbase-cli: 'toolpath' is not available yet\n", stderr);
    return 2;
}
