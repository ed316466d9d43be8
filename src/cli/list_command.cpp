// cutterbase-cli list: one folder of the tool library as the program's list shows it.

#include <cstdio>
#include <string>
#include <vector>

#include "app/file_utilities.h"
#include "app/tool_library_setting.h"
#include "app/tool_list_rows.h"
#include "app/tool_list_sort.h"
#include "cli/commands.h"
#include "cli/output_text.h"
#include "cli/tool_list_output.h"

namespace {

int usage() {
    std::fputs("usage: cutterbase-cli list DIR [--diameter] [--sort COL]...\n", stderr);
    return 2;
}

// A column number 0 to 10, digits only.
bool parse_column(const std::string& text, int& column) {
    if (text.empty() || text.size() > 2 ||
        text.find_first_not_of("0123456789") != std::string::npos) {
        return false;
    }
    column = std::stoi(text);
    return column < kToolListColumnCount;
}

}  // namespace

int command_list(const CommandArguments& arguments) {
    ToolListSource source;
    std::vector<int> clicks;
    bool have_directory = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        int column = 0;
        if (arguments[i] == "--diameter") {
            source.diameter_mode = true;
        } else if (arguments[i] == "--sort") {
            if (i + 1 >= arguments.size() || !parse_column(arguments[i + 1], column)) {
                return usage();
            }
            clicks.push_back(column);
            ++i;
        } else if (!have_directory) {
            source.directory = arguments[i];
            have_directory = true;
        } else {
            return usage();
        }
    }
    if (!have_directory) {
        return usage();
    }
    // The tool directory and the Fedrix switch as at start-up: the current directory stands in
    // for a library that KVX_CUTTER_DIR does not name.
    const ToolLibrarySetting library = LookUpToolLibrary();
    source.tool_directory = library.directory;
    if (!library.found && !ReadCurrentDirectory(source.tool_directory)) {
        source.tool_directory.clear();
    }
    source.fedrix_enabled = library.fedrix_enabled;
    std::string directory = source.directory;
    if (!ValidateDirectory(directory, false, false)) {
        std::fprintf(stderr, "cutterbase-cli: not a directory: '%s'\n",
                     EscapeLineBreaks(source.directory).c_str());
        return 1;
    }
    std::vector<ToolListRow> rows = ReadToolListRows(source);
    ToolListSort sort;
    for (const int column : clicks) {
        sort.HeaderClick(column, rows);
    }
    for (const ToolListRow& row : rows) {
        PrintToolListRow(row);
    }
    return 0;
}
