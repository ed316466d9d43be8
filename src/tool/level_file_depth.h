#pragma once
// The level file that "Default" of the Fedrix Optimization page reads for a variable Z-step: the
// levels of the toolpath the program was started for, one point of three numbers a line.

#include <cstdint>
#include <string>
#include <string_view>

// "outil" + the toolpath number in decimal + ".niv" in the workzone directory. Unlike the
// toolpath's own file names, toolpath 0 is "outil0.niv".
std::string FedrixLevelFilePath(const std::string& workzone_directory,
                                std::int32_t toolpath_number);

// The largest third number of the points in the text, 0 when there are none (or all are
// negative). Numbers are separated by white space and read as 32-bit floats; reading stops at
// the end or at the first point that is not three numbers. A number beyond the float range
// reads as 0.
double LevelDepthOfText(std::string_view text);
// The same of the file; 0 when it is missing or cannot be read.
double LevelFileDepth(const std::string& path);
