#include <cstdio>
#include <string>

#include "cli/commands.h"
#include "runtime/record_dump.h"
#include "runtime/record_file.h"
#include "runtime/status.h"

int command_records(const CommandArguments& arguments) {
    if (arguments.size() != 1) {
        std::fputs("usage: cutterbase-cli records FILE\n", stderr);
        return 2;
    }
    const std::string& path = arguments[0];
    int unit = 0;
    int status = kStatusOk;
    record_open(&unit, path, kRecordModeRead, &status);
    if (status != kStatusOk) {
        std::fprintf(stderr, "cutterbase-cli: %s: cannot open record file (status %d)\n",
                     path.c_str(), status);
        if (unit != 0) {
            record_close(unit);
        }
        return 1;
    }
    status = record_dump(
        unit, [](const std::string& line) { std::fwrite(line.data(), 1, line.size(), stdout); });
    record_close(unit);
    if (status != kStatusOk) {
        std::fprintf(stderr, "cutterbase-cli: %s: damaged record file (status %d)\n", path.c_str(),
                     status);
        return 1;
    }
    return 0;
}
