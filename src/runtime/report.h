#pragma once
// The runtime's report channel: trace, warning and fatal, each taking one finished text.

#include <string>

// Trace: written with a line break to standard output, only while verbose reporting is on.
void report_trace(const std::string& text);
// Warning: standard output while verbose, else standard error unless quiet.
void report_warning(const std::string& text);
// Fatal: standard output while verbose, else standard error; then the process ends with -1.
[[noreturn]] void report_fatal(const std::string& text);

// A handler that receives the fatal text first (tests and harnesses; the window program shows it
// at start). A harness gets back control by throwing; when the handler returns,
// the text is reported and the process ends as usual. nullptr restores the default.
using FatalHandler = void (*)(const std::string& text);
FatalHandler set_fatal_handler(FatalHandler handler);

// Process-wide switches, both off at start; each setter returns the previous setting.
bool set_verbose_reporting(bool on);
bool set_quiet_reporting(bool on);
bool verbose_reporting();
bool quiet_reporting();

// printf-style formatting into a std::string for the runtime's own, fixed format texts.
std::string format_text(const char* format, ...) __attribute__((format(printf, 1, 2)));
