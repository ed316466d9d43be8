#include <cstdio>

#include "cli/commands.h"

int command_env(const CommandArguments&) {
    std::fputs("cutterbase-cli: 'env' is not available yet\n", stderr);
    return 2;
}

int command_expand(const CommandArguments&) {
    std::fputs("cutterbase-cli: 'expand' is not available yet\n", stderr);
    return 2;
}
