#pragma once
// A start that the runtime ends (no KVXHOME, a broken environ.cfg, no workzone) must be seen by
// a person who started the program from a desktop menu, where nobody reads standard error: the
// runtime's text and a sentence on how the CAM system starts the program, in a plain box.

#include <string>

#include "runtime/report.h"

// Whether a window can be seen: Qt draws on a platform other than "offscreen" or "minimal",
// and a display server is named (DISPLAY or WAYLAND_DISPLAY).
bool displayAvailable();

// The box's text: the runtime's text, then the sentence in the language of KVXLANG (English when
// it is unset or unknown; the environment's files cannot be asked, they are what failed).
std::string startupFailureText(const std::string& runtimeText);

// Installs the runtime's fatal handler for the start: with `visible`, each fatal text is shown
// through the message presenter, then handed to the handler it replaced (when there was one),
// before the runtime writes it to standard error and ends the process with its status, as it
// did before. Returns the handler it replaced.
FatalHandler showStartupFailures(bool visible);
