#pragma once
// The formats tools are exchanged in, and reading a whole source or exporting a whole folder.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "exchange/exchange_tool.h"
#include "exchange/loss_report.h"
#include "exchange/tool_bit_format.h"

enum class ExchangeFormat { ToolTable, Csv, ToolBits };

// "tbl", "csv" or "fctb"; nullopt for anything else.
std::optional<ExchangeFormat> ExchangeFormatNamed(std::string_view name);
// By the file's extension, ignoring case: .tbl, .csv, .fctb or .fctl.
std::optional<ExchangeFormat> ExchangeFormatOfFile(std::string_view path);

// Larger sources are refused rather than read into memory.
inline constexpr std::int64_t kMaxSourceBytes = std::int64_t{256} << 20;

struct SourceRead {
    std::vector<ExchangeTool> tools;
    std::string error;          // unreadable or malformed: nothing to import
    bool keep_folders = false;  // the tools' names are relative paths
};
// The tools of a source file: a tool table, a CSV file, a tool bit library (.fctl, its bits
// looked up beside it, then in "../Bit") or one tool bit (.fctb).
SourceRead ReadSource(const std::string& path, ExchangeFormat format, LossReport& report);

struct ExportResult {
    std::vector<ExchangeFile> files;  // one for tbl and csv; the bits and the library for fctb
    std::string error;                // the folder is not a directory
};
// The tools of a folder (and its subfolders when `recursive`) in the format; `inch` for the
// tool table. The library of tool bits is named after the folder.
ExportResult ExportFolder(const std::string& folder, ExchangeFormat format, bool recursive,
                          bool inch, LossReport& report);
// The tools given in the format, the library of tool bits named `library_name`.
ExportResult ExportTools(const std::vector<ExchangeTool>& tools, ExchangeFormat format, bool inch,
                         const std::string& library_name, LossReport& report);
// Writes the files below `folder` (created when missing), each atomically; the paths that
// could not be written are reported.
bool WriteExportFiles(const std::vector<ExchangeFile>& files, const std::string& folder,
                      LossReport& report);
