#include <cstdio>

#include "cli/commands.h"

int command_records(const CommandArguments&) {
    std::fputs("cutterbase-cli: 'records' is not available yet\n", stderr);
    return 2;
}
