#include "runtime/record_diagnostics.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

bool record_diagnostics_on() {
    // Read at every use: a long-running program can be switched on without a restart.
    const char* value = std::getenv(kRecordDebugVariable);
    return value != nullptr && value[0] != '\0' && std::strcmp(value, "0") != 0;
}

void record_diagnostic(const std::string& text) {
    if (record_diagnostics_on()) {
        std::fwrite(text.data(), 1, text.size(), stdout);
        std::fflush(stdout);
    }
}
