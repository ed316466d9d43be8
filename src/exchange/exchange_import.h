#pragma once
// Writing tools read from another format into a folder of the library, as new tool files.

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "exchange/exchange_tool.h"
#include "exchange/loss_report.h"

struct ImportOptions {
    bool overwrite = false;     // replace files that exist instead of skipping them
    bool dry_run = false;       // decide and report everything, write nothing
    bool keep_folders = false;  // the tools' names are paths relative to the folder
};

enum class ImportOutcome { Written, Overwritten, Skipped, Failed };

struct ImportedFile {
    ImportOutcome outcome = ImportOutcome::Written;
    std::string path;  // the tool file, full path
};

struct ImportSummary {
    std::vector<ImportedFile> files;
    std::size_t written = 0;      // new files (would be written, in a dry run)
    std::size_t overwritten = 0;  // files replaced
    std::size_t skipped = 0;      // existing files left alone, tools without a name
    std::size_t failed = 0;       // files that could not be written
    bool cancelled = false;
    std::size_t not_reached = 0;  // tools after the cancel
};

// Called before each tool with the count done and the total; false cancels the import. What
// was written stays.
using ImportProgress = std::function<bool(std::size_t done, std::size_t total)>;

// Writes each tool as a tool file under `folder`, named by SafeToolPath of its name (a name
// used by an earlier tool of the import gets "_2", "_3" ... before the extension), with the
// labels of the installation's variable definitions as Save gives them; each file atomically,
// its folders created. Existing files (found ignoring case) are skipped and reported unless
// `overwrite`; every renaming is reported.
ImportSummary ImportTools(const std::vector<ExchangeTool>& tools, const std::string& folder,
                          const ImportOptions& options, LossReport& report,
                          const ImportProgress& progress = {});
