#pragma once
// The toolpath that toolpath, check and apply compare with must have been read: a toolpath whose
// files cannot be read answers every value with a default, which would pass for its values.

#include "workzone/toolpath_reader.h"

// The exit status of a command whose toolpath or tool file cannot be read.
inline constexpr int kExitUnreadable = 2;

// True when the reader's toolpath files were read; else false, after saying which file could
// not be read on standard error.
bool ToolpathReadable(const ToolpathReader& reader);
