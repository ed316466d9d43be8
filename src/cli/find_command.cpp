// cutterbase-cli find and vet: search the whole tool library, and check it.

#include <cstdio>
#include <string>

#include "app/file_utilities.h"
#include "app/library_check.h"
#include "app/tool_index.h"
#include "app/tool_library_setting.h"
#include "app/tool_query.h"
#include "cli/commands.h"
#include "cli/output_text.h"
#include "cli/tool_list_output.h"
#include "language/language_codes.h"
#include "runtime/environment.h"

namespace {

constexpr int kExitUsage = 2;

int usage(const char* text) {
    std::fprintf(stderr, "usage: cutterbase-cli %s\n", text);
    return kExitUsage;
}

// The texts in the installation's language, as the program shows them.
int language_index() {
    return LanguageIndex(get_variable("KVXLANG").value_or(""));
}

// The directory given, else the program's tool library; the Fedrix switch as at start-up.
bool library_of(const std::string* directory, ToolLibrarySetting& library) {
    library = LookUpToolLibrary();
    if (directory != nullptr) {
        library.directory = *directory;
        library.found = ValidateDirectory(library.directory, false, false);
    }
    if (!library.found) {
        std::fprintf(stderr, "cutterbase-cli: not a tool directory: '%s'\n",
                     EscapeLineBreaks(library.directory).c_str());
    }
    return library.found;
}

}  // namespace

int command_find(const CommandArguments& arguments) {
    constexpr const char* kUsage = "find [--diameter] [--dir DIR] QUERY...";
    bool diameter_mode = false;
    const std::string* directory = nullptr;
    std::string text;
    bool have_query = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        if (arguments[i] == "--diameter") {
            diameter_mode = true;
        } else if (arguments[i] == "--dir") {
            if (i + 1 >= arguments.size()) {
                return usage(kUsage);
            }
            directory = &arguments[++i];
        } else {
            text += (have_query ? " " : "") + arguments[i];
            have_query = true;
        }
    }
    if (!have_query) {
        return usage(kUsage);
    }
    const ParsedToolQuery parsed = ParseToolQuery(text);
    if (!parsed.error.empty()) {
        std::fprintf(stderr, "cutterbase-cli: %s\n",
                     EscapeLineBreaks(SearchTermErrorText(parsed.error, language_index())).c_str());
        return kExitUsage;
    }
    ToolLibrarySetting library;
    if (!library_of(directory, library)) {
        return kExitUsage;
    }
    ToolIndex index;
    index.Build(library.directory, library.fedrix_enabled);
    for (const ToolListRow& row :
         SearchRows(index, MatchTools(index, parsed.query), diameter_mode)) {
        PrintToolListRow(row);
    }
    return 0;
}

int command_vet(const CommandArguments& arguments) {
    if (arguments.size() > 1) {
        return usage("vet [DIR]");
    }
    ToolLibrarySetting library;
    if (!library_of(arguments.empty() ? nullptr : &arguments[0], library)) {
        return kExitUsage;
    }
    ToolIndex index;
    index.Build(library.directory, library.fedrix_enabled);
    const int language = language_index();
    for (const ToolFinding& finding : index.findings()) {
        const std::string line = EscapeLineBreaks(finding.path) + "\t" + finding.code + "\t" +
                                 SeverityName(finding.severity) + "\t" +
                                 EscapeLineBreaks(FindingText(finding, language)) + "\n";
        std::fwrite(line.data(), 1, line.size(), stdout);
    }
    return HasErrorFinding(index.findings()) ? 1 : 0;
}
