#include <cstdio>

#include "cli/commands.h"

int command_show(const CommandArguments&) {
    std::fputs("cutterbase-cli: 'show' is not available yet\n", stderr);
    return 2;
}

int command_check(const CommandArguments&) {
    std::fputs("cutterbase-cli: 'check' is not available yet\n", stderr);
    return 2;
}

int command_apply(const CommandArguments&) {
    std::fputs("cutterbase-cli: 'apply' is not available yet\n", stderr);
    return 2;
}

int command_fedrix(const CommandArguments&) {
    std::fputs("cutterbase-cli: 'fedrix' is not available yet\n", stderr);
    return 2;
}
