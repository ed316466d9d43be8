#pragma once
// Names and paths of a toolpath's files in the workzone directory: "outil" + number text +
// extension. Toolpath 0 is the workzone's unnumbered current toolpath.

#include <optional>
#include <string>

// Empty for 0, "%d" below 10000, and "%d.%d" of (n mod 10000, n div 10000) from 10000 on, so
// toolpath 20003 is "3.2".
std::string ToolpathNumberText(int number);

// "outil" + ToolpathNumberText(number) + extension.
std::string ToolpathFileName(int number, const std::string& extension);

// The directory, one separator unless it already ends with one, then the file name. An empty
// directory gives the bare file name.
std::string ToolpathFilePath(const std::string& directory, int number,
                             const std::string& extension);

// The workzone directory: KVXZONE without trailing blanks and separators (a lone root separator
// stays); nullopt when KVXZONE is undefined. Every reader of the workzone takes it from here, so
// that one value names one workzone.
std::optional<std::string> WorkzoneDirectory();
