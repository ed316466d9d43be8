#include <cstdio>

#include "cli/commands.h"

int command_message(const CommandArguments&) {
    std::fputs("cutterbase-cli: 'message' is not available yet\n", stderr);
    return 2;
}

int command_startup(const CommandArguments&) {
    std::fputs("cutterbase-cli: 'startup' is not available yet\n", stderr);
    return 2;
}
