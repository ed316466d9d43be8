#pragma once
// Where the tool library lies and whether its tools show Fedrix settings, as the environment
// says. Needs no workzone, so the command line can list a library on its own.

#include <string>

struct ToolLibrarySetting {
    std::string directory;        // KVX_CUTTER_DIR expanded, trailing separators removed
    bool found = false;           // the expansion succeeded and names a directory
    bool fedrix_enabled = false;  // KVX_FEDRIX is "1"
};

// Reads both variables; reports nothing.
ToolLibrarySetting LookUpToolLibrary();
