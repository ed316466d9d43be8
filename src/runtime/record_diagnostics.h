#pragma once
// Diagnostics of the record files and the lock protocol: printed on standard output while the
// environment variable CUTTERBASE_RECORD_DEBUG holds a value other than "" and "0".

#include <string>

inline constexpr const char* kRecordDebugVariable = "CUTTERBASE_RECORD_DEBUG";

bool record_diagnostics_on();
// Prints `text` as it stands when diagnostics are on.
void record_diagnostic(const std::string& text);
