#pragma once
// The tool reference TP_INDEX82 that a toolpath keeps: a point, then the tool file's path below
// the tool directory in Windows form (backslashes, "&" written as "\&"). The CAM system shares
// it with Windows installations, so this is the one place where paths change form.

#include <string>

// The reference of a tool file. Both paths are made absolute and lexically normal first; the
// file lies below the directory when its path begins with the directory's text, or else when
// a directory on its path is the tool directory itself (symbolic links followed on both sides).
// The reference is the rest of the file's path as given below that point; "" when the file
// does not lie below the directory.
std::string ToolReference(const std::string& tool_directory, const std::string& tool_file_path);

// The native path a reference names below the tool directory (either separator, "\&" escapes),
// resolved ignoring case where the spelling does not exist; "" when the text is not a
// reference or climbs out of the directory.
std::string ToolReferencePath(const std::string& tool_directory, const std::string& reference);

// Toolpaths written on Windows and here are compared ignoring case and separator style.
bool SameToolReference(const std::string& a, const std::string& b);
