#include "tool/tool_path_rules.h"

bool IsSingleLinePath(const std::string& path) {
    return path.find_first_of("\r\n") == std::string::npos;
}
