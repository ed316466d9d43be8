#pragma once
// The main window's own messages, built into the program in English and German (the other
// languages show the English text) and raised through the process's catalogue, so that they
// look and answer like every catalogue message.

#include <string>
#include <vector>

struct ToolFinding;

// Unsaved edits meet Cancel or Escape: true when the user answers Yes (discard them).
bool AskDiscardEdits();
// The toolpath's files could not be read: names the file that failed.
void ReportToolpathUnreadable(const std::string& path);
// The note the Tool Settings line shows after the path of a file that holds no tool.
std::string NotAToolFileNote();
// Close with such a file chosen: true when the user still wants its reference written.
bool AskWriteUnreadableReference(const std::string& path);
// A tool file whose name holds a line break cannot be named in the one-line change file.
void ReportToolNameNotInChangeFile(const std::string& path);
// A path given as a directory names a file or something else.
void ReportNotADirectory(const std::string& path);
// Save As of a tool with errors of the library check: true when the user answers Yes (save
// all the same); the question lists the errors.
bool AskSaveToolWithErrors(const std::vector<ToolFinding>& errors);
