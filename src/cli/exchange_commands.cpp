// cutterbase-cli export and import: tools in the formats of machines and other CAM systems.

#include <cstdio>
#include <optional>
#include <string>

#include "cli/commands.h"
#include "cli/output_text.h"
#include "exchange/exchange_format.h"
#include "exchange/exchange_import.h"
#include "platform/filesystem.h"

namespace {

constexpr const char* kExportUsage =
    "usage: cutterbase-cli export DIR --format tbl|csv|fctb [--recursive] [--inch] [-o OUT]\n";
constexpr const char* kImportUsage =
    "usage: cutterbase-cli import SOURCE --into DIR [--format tbl|csv|fctb] [--overwrite] "
    "[--dry-run]\n";

// The loss report on standard error, one line per tool and field; 1 when it has any line.
int print_report(const LossReport& report) {
    for (const LossEntry& entry : report.entries()) {
        std::string line = EscapeLineBreaks(entry.tool) + "\t" + EscapeLineBreaks(entry.field) +
                           "\t" + LossReasonText(entry.reason);
        if (!entry.detail.empty()) {
            line += ": " + EscapeLineBreaks(entry.detail);
        }
        line += "\n";
        std::fputs(line.c_str(), stderr);
    }
    return report.empty() ? 0 : 1;
}

int fail(const std::string& message) {
    std::fprintf(stderr, "cutterbase-cli: %s\n", EscapeLineBreaks(message).c_str());
    return 2;
}

const char* outcome_text(ImportOutcome outcome, bool dry_run) {
    switch (outcome) {
        case ImportOutcome::Written:
            return dry_run ? "would write" : "written";
        case ImportOutcome::Overwritten:
            return dry_run ? "would overwrite" : "overwritten";
        case ImportOutcome::Skipped:
            return "skipped";
        case ImportOutcome::Failed:
            return "failed";
    }
    return "";
}

}  // namespace

int command_export(const CommandArguments& arguments) {
    std::string folder, output;
    std::optional<ExchangeFormat> format;
    bool recursive = false, inch = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "--format" && i + 1 < arguments.size()) {
            format = ExchangeFormatNamed(arguments[++i]);
            if (!format) {
                std::fputs(kExportUsage, stderr);
                return 2;
            }
        } else if (argument == "-o" && i + 1 < arguments.size()) {
            output = arguments[++i];
        } else if (argument == "--recursive") {
            recursive = true;
        } else if (argument == "--inch") {
            inch = true;
        } else if (folder.empty() && !argument.empty() && argument[0] != '-') {
            folder = argument;
        } else {
            std::fputs(kExportUsage, stderr);
            return 2;
        }
    }
    if (folder.empty() || !format || (*format == ExchangeFormat::ToolBits && output.empty())) {
        std::fputs(kExportUsage, stderr);
        return 2;
    }
    LossReport report;
    ExportResult result = ExportFolder(folder, *format, recursive, inch, report);
    if (!result.error.empty()) {
        print_report(report);
        return fail(result.error);
    }
    bool written = true;
    if (*format == ExchangeFormat::ToolBits) {
        written = WriteExportFiles(result.files, output, report);
    } else if (output.empty()) {
        std::fwrite(result.files[0].bytes.data(), 1, result.files[0].bytes.size(), stdout);
    } else if (!platform::replace_file(output, result.files[0].bytes)) {
        report.Add(output, "", LossReason::WriteFailed);
        written = false;
    }
    const int status = print_report(report);
    return written ? status : 1;
}

int command_import(const CommandArguments& arguments) {
    std::string source, folder;
    std::optional<ExchangeFormat> format;
    ImportOptions options;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "--format" && i + 1 < arguments.size()) {
            format = ExchangeFormatNamed(arguments[++i]);
            if (!format) {
                std::fputs(kImportUsage, stderr);
                return 2;
            }
        } else if (argument == "--into" && i + 1 < arguments.size()) {
            folder = arguments[++i];
        } else if (argument == "--overwrite") {
            options.overwrite = true;
        } else if (argument == "--dry-run") {
            options.dry_run = true;
        } else if (source.empty() && !argument.empty() && argument[0] != '-') {
            source = argument;
        } else {
            std::fputs(kImportUsage, stderr);
            return 2;
        }
    }
    if (source.empty() || folder.empty()) {
        std::fputs(kImportUsage, stderr);
        return 2;
    }
    if (!format) {
        format = ExchangeFormatOfFile(source);
        if (!format) {
            return fail("cannot tell the format of '" + source + "': give --format");
        }
    }
    if (!platform::is_directory(folder)) {
        return fail("not a directory: '" + folder + "'");
    }
    LossReport report;
    SourceRead read = ReadSource(source, *format, report);
    if (!read.error.empty()) {
        print_report(report);
        return fail(read.error);
    }
    options.keep_folders = read.keep_folders;
    const ImportSummary summary = ImportTools(read.tools, folder, options, report);
    for (const ImportedFile& file : summary.files) {
        const std::string line = std::string(outcome_text(file.outcome, options.dry_run)) + "\t" +
                                 EscapeLineBreaks(file.path) + "\n";
        std::fwrite(line.data(), 1, line.size(), stdout);
    }
    std::printf("summary\t%zu written\t%zu overwritten\t%zu skipped\t%zu failed%s\n",
                summary.written, summary.overwritten, summary.skipped, summary.failed,
                options.dry_run ? "\tdry run" : "");
    return print_report(report);
}
