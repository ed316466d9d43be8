// cutterbase-cli tree: the tool library as the program's tree shows it.

#include <cstdio>
#include <string>

#include "app/file_utilities.h"
#include "app/tool_library_setting.h"
#include "app/tool_tree.h"
#include "cli/commands.h"
#include "cli/output_text.h"

namespace {

// One item a line in display order, two blanks of indentation per level.
void print_item(const ToolTreeItem& item, int level) {
    const std::string line = std::string(2 * static_cast<std::size_t>(level), ' ') +
                             std::to_string(item.image) + "\t" + EscapeLineBreaks(item.text) +
                             "\t" + EscapeLineBreaks(item.path) + "\n";
    std::fwrite(line.data(), 1, line.size(), stdout);
    for (const ToolTreeItem& child : item.children) {
        print_item(child, level + 1);
    }
}

}  // namespace

int command_tree(const CommandArguments& arguments) {
    if (arguments.size() > 1) {
        std::fputs("usage: cutterbase-cli tree [DIR]\n", stderr);
        return 2;
    }
    // The Fedrix switch as at start-up; the directory given, else the one the program uses.
    ToolLibrarySetting library = LookUpToolLibrary();
    if (!arguments.empty()) {
        library.directory = arguments[0];
        library.found = ValidateDirectory(library.directory, false, false);
    }
    if (!library.found) {
        std::fprintf(stderr, "cutterbase-cli: not a tool directory: '%s'\n",
                     EscapeLineBreaks(library.directory).c_str());
        return 1;
    }
    print_item(ScanToolTree(library.directory, library.fedrix_enabled), 0);
    return 0;
}
