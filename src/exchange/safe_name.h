#pragma once
// File names for imported tools, made from names in other formats: nothing in them may lead
// outside the folder they are written into.

#include <string>
#include <string_view>

// A relative path ('/' between folders) ending in ".wkz" for a tool named `name`. With
// `keep_folders` each of '/' and '\' separates folders, and empty, "." and ".." parts are
// dropped; without it they become '_' like control characters. Blanks at either end of a part
// are cut, each part is at most 200 bytes. "" when nothing of the name is left.
std::string SafeToolPath(std::string_view name, bool keep_folders);
