#pragma once
// What a tool file's path must meet before the tool is applied to a toolpath or saved.

#include <string>

// False for a path holding a line feed or a carriage return: the change file that sends the
// tool's reference to the CAM system is one line, which such a path would break.
bool IsSingleLinePath(const std::string& path);
