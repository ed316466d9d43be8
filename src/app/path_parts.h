#pragma once
// Pure operations on native paths held in strings; they never touch the disk.

#include <string>

// The text before the last separator; empty when there is none.
std::string DirectoryPart(const std::string& path);
// The text after the last separator (the whole path when there is none). Without extension,
// and when a point follows the last separator, the text between that separator and the last
// point.
std::string FileNamePart(const std::string& path, bool with_extension);
// The text before the last point anywhere in the path (also inside a directory name); the whole
// path when there is none.
std::string StripExtension(const std::string& path);

// Removes "/./" and resolves "/.." against the component before it. Returns false when a
// "/.." has nothing before it; `path` then holds the text with only the "/./" removed.
bool NormalizePath(std::string& path);
