// Message files of arbitrary bytes: base-loaded, then overloaded onto a small database, then
// every name of every section looked up. Fatal reports come back as exceptions; a load that
// fails frees what it built, so nothing may leak either way.

#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "runtime/environment.h"
#include "runtime/memory.h"
#include "runtime/message_database.h"
#include "runtime/message_database_internal.h"
#include "runtime/report.h"

#include "fuzz_files.h"

namespace {

struct Fatal {
    std::string text;
};

[[noreturn]] void throw_fatal(const std::string& text) {
    throw Fatal{text};
}

std::string g_input;
std::string g_base;

// Conditions look variables up in the configuration; give them a small one.
void make_installation() {
    char pattern[] = "/tmp/fuzz-load-messages-XXXXXX";
    if (mkdtemp(pattern) == nullptr) {
        std::abort();
    }
    std::string home = pattern;
    std::string config = home + "/config";
    if (mkdir(config.c_str(), 0700) != 0) {
        std::abort();
    }
    write_file(config + "/environ.cfg", "[var]\nA = 1\nB = b\n[path]\nENV = " + config + "\n");
    setenv("KVXHOME", home.c_str(), 1);
    unsetenv("ENVPATH");
    setenv("X", "x", 1);
    setenv("KVXTMPDIR", (home + "/tmp").c_str(), 1);
    g_input = home + "/input.txt";
    g_base = home + "/base.txt";
    write_file(g_base, "[var]\nA = 1\nP = /a\nQ\n[path]\nENV = e\n");
    set_quiet_reporting(true);
    set_fatal_handler(throw_fatal);
    get_variable("A");
}

void look_everything_up(const MessageDatabase* db) {
    for (std::uint16_t s = 0; s < section_count(db); ++s) {
        for (int i = 0;; ++i) {
            std::optional<std::string> text = get_message(db, s, i);
            if (!text) {
                break;
            }
            if (std::optional<std::string_view> name = parameter_name(*text)) {
                std::string key(*name);
                get_value(db, s, key);
                origin_description(db, s, key);
            }
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (g_input.empty()) {
        make_installation();
    }
    write_file(g_input, std::string(reinterpret_cast<const char*>(data), size));
    MemoryCounters before = memory_counters();
    try {
        MessageDatabase* db = load_messages(nullptr, g_input);
        look_everything_up(db);
        free_database(db);
    } catch (const Fatal&) {
    }
    MessageDatabase* db = load_messages(nullptr, g_base);
    try {
        db = load_messages(db, g_input);
        look_everything_up(db);
        free_database(db);
    } catch (const Fatal& fatal) {
        // A storage failure releases the database before its report; any other does not.
        if (fatal.text != "load_messages: file '" + g_input + "', line 0 : Error loading file.") {
            free_database(db);
        }
    }
    // Every block of the allocator must be back, whichever way the loads ended.
    MemoryCounters after = memory_counters();
    if (after.total_bytes != before.total_bytes ||
        after.permanent_bytes != before.permanent_bytes) {
        std::fprintf(stderr, "allocator blocks leaked: %llu bytes\n",
                     static_cast<unsigned long long>(after.total_bytes - before.total_bytes));
        std::abort();
    }
    return 0;
}
