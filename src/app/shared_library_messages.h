#pragma once
// The main window's questions when a shared library changed under it, built into the program in
// English and German and raised through the process's catalogue like its other messages.

#include <string>

#include "app/loaded_tool_bytes.h"

// Before a save: the loaded file differs on disk or was removed. Yes overwrites, No keeps the
// other version, Cancel goes back.
ConflictAnswer AskSaveOverChange(const DiskDifference& difference);
// Before Delete: the loaded file was changed. Yes deletes, No keeps the other version, Cancel
// goes back.
ConflictAnswer AskDeleteChanged(const std::string& path);
// The volume of `path` has no trash: true when the user still wants it deleted for good.
bool AskDeleteWithoutTrash(const std::string& path);
// A file could not be deleted (a read-only share, a folder in the tool's place).
void ReportNotDeleted(const std::string& path);
// The note the Tool Settings line shows after the path of a tool loaded again because another
// program changed it.
std::string ReloadedNote();
