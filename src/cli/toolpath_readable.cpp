#include "cli/toolpath_readable.h"

#include <cstdio>
#include <string>

#include "cli/output_text.h"

bool ToolpathReadable(const ToolpathReader& reader) {
    std::string failed_path;
    const int status = reader.LoadStatus(&failed_path);
    if (status == 0) {
        return true;
    }
    std::fprintf(stderr, "cutterbase-cli: cannot read the toolpath '%s' (status %d)\n",
                 EscapeLineBreaks(failed_path).c_str(), status);
    return false;
}
