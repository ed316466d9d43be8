#include "runtime/report.h"

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {
bool g_verbose = false;
bool g_quiet = false;
FatalHandler g_fatal_handler = nullptr;

void write_to(std::FILE* stream, const std::string& text, bool newline) {
    std::fwrite(text.data(), 1, text.size(), stream);
    if (newline) {
        std::fputc('\n', stream);
    }
    std::fflush(stream);
}
}  // namespace

void report_trace(const std::string& text) {
    if (g_verbose) {
        write_to(stdout, text, true);
    }
}

void report_warning(const std::string& text) {
    if (g_verbose) {
        write_to(stdout, text, false);
    } else if (!g_quiet) {
        write_to(stderr, text, false);
    }
}

void report_fatal(const std::string& text) {
    if (g_fatal_handler != nullptr) {
        g_fatal_handler(text);
    }
    write_to(g_verbose ? stdout : stderr, text, false);
    std::exit(-1);
}

FatalHandler set_fatal_handler(FatalHandler handler) {
    FatalHandler previous = g_fatal_handler;
    g_fatal_handler = handler;
    return previous;
}

bool set_verbose_reporting(bool on) {
    bool previous = g_verbose;
    g_verbose = on;
    return previous;
}

bool set_quiet_reporting(bool on) {
    bool previous = g_quiet;
    g_quiet = on;
    return previous;
}

bool verbose_reporting() {
    return g_verbose;
}
bool quiet_reporting() {
    return g_quiet;
}

std::string format_text(const char* format, ...) {
    va_list args;
    va_start(args, format);
    va_list copy;
    va_copy(copy, args);
    int needed = std::vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    std::string result;
    if (needed > 0) {
        std::vector<char> buffer(static_cast<size_t>(needed) + 1);
        std::vsnprintf(buffer.data(), buffer.size(), format, args);
        result.assign(buffer.data(), static_cast<size_t>(needed));
    }
    va_end(args);
    return result;
}
