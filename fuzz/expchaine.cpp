// Expansion of arbitrary bytes in buffers of arbitrary length, against a configuration whose
// variables refer to each other, to themselves and to undefined names. The first byte picks
// the form, the next two the buffer length; the rest is the text.

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "runtime/environment.h"
#include "runtime/expansion.h"
#include "runtime/report.h"
#include "runtime/status.h"

#include "fuzz_files.h"

namespace {

// No fatal path is reachable once the configuration is loaded and TMP comes from KVXTMPDIR;
// one that is reached anyway is a finding.
[[noreturn]] void trap_fatal(const std::string&) {
    __builtin_trap();
}

void make_installation() {
    char pattern[] = "/tmp/fuzz-expchaine-XXXXXX";
    if (mkdtemp(pattern) == nullptr) {
        std::abort();
    }
    std::string home = pattern;
    std::string config = home + "/config";
    if (mkdir(config.c_str(), 0700) != 0 || mkdir((home + "/lib").c_str(), 0700) != 0) {
        std::abort();
    }
    write_file(home + "/lib/f", "x");
    write_file(config + "/environ.cfg",
               "[var]\n"
               "A = a\n"
               "B = $A/b\n"
               "SELF = $SELF\n"
               "P = x$Q\n"
               "Q = $(P)\n"
               "GROW = ab$GROW\n"
               "E1 = $E2$E2$E2$E2$E2$E2\n"
               "E2 = $E3$E3$E3$E3$E3$E3\n"
               "E3 = $E4$E4$E4$E4$E4$E4\n"
               "E4 = $E5$E5$E5$E5$E5$E5\n"
               "E5 =\n"
               "MIX = ?L$A${B}?{S}\n"
               "LONG = " +
                   std::string(200, 'l') +
                   "\n"
                   "[path]\n"
                   "ENV = " +
                   config +
                   "\n"
                   "L = " +
                   home +
                   "/lib;/none\n"
                   "S = ?S\n"
                   "T = $SELF\n");
    setenv("KVXHOME", home.c_str(), 1);
    setenv("KVXTMPDIR", (home + "/tmp").c_str(), 1);
    setenv("N", "$N?N", 1);
    for (const char* name : {"ENVPATH", "KVXNULL", "LPATH", "SPATH", "TPATH"}) {
        unsetenv(name);
    }
    set_quiet_reporting(true);
    set_fatal_handler(trap_fatal);
    load_environment();
}

bool known_status(int status) {
    return status == kStatusOk || status == kStatusSyntaxError || status == kStatusBufferTooSmall ||
           status == kStatusNoMemory || status == kStatusUndefined ||
           status == kStatusTextTooLong || status == kStatusFileNotFound ||
           status == kStatusNoSearchPart;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static bool ready = (make_installation(), true);
    (void)ready;
    if (size < 3) {
        return 0;
    }
    const int form = data[0] % 4;
    const int length = (data[1] | (data[2] << 8)) % 1024;
    std::string text(reinterpret_cast<const char*>(data + 3), size - 3);

    // Exactly `length` bytes on the heap, so that a write past the end is caught.
    std::vector<char> buffer(static_cast<std::size_t>(length));
    std::memset(buffer.data(), ' ', buffer.size());
    std::memcpy(buffer.data(), text.data(), std::min(text.size(), buffer.size()));
    const std::vector<char> before = buffer;
    int status = 99;

    switch (form) {
        case 0:
            expchaine(buffer.data(), &status, length);
            break;
        case 1:
            expand_path(buffer.data(), &status, length);
            break;
        case 2: {
            std::vector<char> destination(static_cast<std::size_t>(length / 2), '#');
            search_file_fixed(buffer.data(), length, destination.data(),
                              static_cast<int>(destination.size()), &status);
            break;
        }
        default:
            status = expand_path_text(text, length);
            break;
    }
    if (!known_status(status)) {
        __builtin_trap();
    }
    // A stopped expansion leaves the buffer as it was.
    if (form < 2 && (status == kStatusBufferTooSmall || status == kStatusNoMemory) &&
        buffer != before) {
        __builtin_trap();
    }
    return 0;
}
