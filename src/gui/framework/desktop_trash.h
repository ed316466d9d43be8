#pragma once
// The desktop trash through Qt (the freedesktop.org trash layout on Linux): the file and
// an information file that any file manager uses to restore it.

#include <string>

// Moves the file or link at `path` into the trash of its volume; false when it could not.
bool moveToDesktopTrash(const std::string& path);
