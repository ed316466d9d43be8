#include "exchange/exchange_format.h"

#include <sys/stat.h>

#include "app/file_utilities.h"
#include "exchange/csv_format.h"
#include "exchange/tool_table_format.h"
#include "platform/ascii_case.h"
#include "platform/filesystem.h"

namespace {

bool has_extension(std::string_view path, std::string_view extension) {
    return path.size() > extension.size() &&
           platform::ascii_equal_ignoring_case(path.substr(path.size() - extension.size()),
                                               extension);
}

std::string directory_of(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
}

std::string last_part(const std::string& path) {
    std::string trimmed = path;
    while (trimmed.size() > 1 && trimmed.back() == '/') {
        trimmed.pop_back();
    }
    const std::size_t slash = trimmed.rfind('/');
    return slash == std::string::npos ? trimmed : trimmed.substr(slash + 1);
}

std::optional<std::string> read_source(const std::string& path, std::string& error) {
    struct stat status {};
    if (::stat(path.c_str(), &status) == 0 && S_ISREG(status.st_mode) &&
        status.st_size > kMaxSourceBytes) {
        error = "'" + path + "' is larger than 256 MB";
        return std::nullopt;
    }
    std::optional<std::string> bytes = platform::read_file(path);
    if (!bytes) {
        error = "cannot read '" + path + "'";
    }
    return bytes;
}

void read_tool_bits(const std::string& path, const std::string& bytes, SourceRead& read,
                    LossReport& report) {
    if (has_extension(path, ".fctb")) {
        std::string name = last_part(path);
        if (std::optional<ExchangeTool> tool = ReadToolBit(bytes, name, std::nullopt, report)) {
            read.tools.push_back(std::move(*tool));
        }
        return;
    }
    ToolLibraryRead library = ReadToolLibrary(bytes);
    if (!library.error.empty()) {
        read.error = "'" + path + "': " + library.error;
        return;
    }
    read.keep_folders = true;
    const std::string beside = directory_of(path);
    for (const ToolLibraryEntry& entry : library.entries) {
        std::optional<std::string> bit;
        for (const std::string& folder : {beside, beside + "/../Bit"}) {
            const std::string candidate = !entry.path.empty() && entry.path[0] == '/'
                                              ? entry.path
                                              : platform::join_path(folder, entry.path);
            if (platform::is_regular_file(candidate)) {
                std::string ignored;
                bit = read_source(candidate, ignored);
                break;
            }
        }
        if (!bit) {
            report.Add(entry.path, "path", LossReason::Unreadable);
            continue;
        }
        if (std::optional<ExchangeTool> tool =
                ReadToolBit(*bit, entry.path, entry.number, report)) {
            read.tools.push_back(std::move(*tool));
        }
    }
}

}  // namespace

std::optional<ExchangeFormat> ExchangeFormatNamed(std::string_view name) {
    if (name == "tbl") {
        return ExchangeFormat::ToolTable;
    }
    if (name == "csv") {
        return ExchangeFormat::Csv;
    }
    if (name == "fctb") {
        return ExchangeFormat::ToolBits;
    }
    return std::nullopt;
}

std::optional<ExchangeFormat> ExchangeFormatOfFile(std::string_view path) {
    if (has_extension(path, ".tbl")) {
        return ExchangeFormat::ToolTable;
    }
    if (has_extension(path, ".csv")) {
        return ExchangeFormat::Csv;
    }
    if (has_extension(path, ".fctb") || has_extension(path, ".fctl")) {
        return ExchangeFormat::ToolBits;
    }
    return std::nullopt;
}

SourceRead ReadSource(const std::string& path, ExchangeFormat format, LossReport& report) {
    SourceRead read;
    const std::optional<std::string> bytes = read_source(path, read.error);
    if (!bytes) {
        return read;
    }
    switch (format) {
        case ExchangeFormat::ToolTable:
            read.tools = ReadToolTable(*bytes, report);
            break;
        case ExchangeFormat::Csv: {
            CsvRead csv = ReadCsv(*bytes, report);
            if (!csv.error.empty()) {
                read.error = "'" + path + "': " + csv.error;
            }
            read.tools = std::move(csv.tools);
            read.keep_folders = true;
            break;
        }
        case ExchangeFormat::ToolBits:
            read_tool_bits(path, *bytes, read, report);
            break;
    }
    return read;
}

ExportResult ExportFolder(const std::string& folder, ExchangeFormat format, bool recursive,
                          bool inch, LossReport& report) {
    std::optional<std::vector<ExchangeTool>> tools = CollectTools(folder, recursive, report);
    if (!tools) {
        ExportResult result;
        result.error = "not a directory: '" + folder + "'";
        return result;
    }
    // "." or "lib/" names the library after the folder itself.
    return ExportTools(*tools, format, inch, last_part(AbsoluteDirectory(folder)) + ".fctl",
                       report);
}

ExportResult ExportTools(const std::vector<ExchangeTool>& tools, ExchangeFormat format, bool inch,
                         const std::string& library_name, LossReport& report) {
    ExportResult result;
    switch (format) {
        case ExchangeFormat::ToolTable:
            result.files.push_back({"", WriteToolTable(tools, inch, report)});
            break;
        case ExchangeFormat::Csv:
            result.files.push_back({"", WriteCsv(tools, report)});
            break;
        case ExchangeFormat::ToolBits:
            result.files = WriteToolBits(tools, library_name, report);
            break;
    }
    return result;
}

bool WriteExportFiles(const std::vector<ExchangeFile>& files, const std::string& folder,
                      LossReport& report) {
    bool written = true;
    for (const ExchangeFile& file : files) {
        const std::string path = platform::join_path(folder, file.path);
        const std::string directory = directory_of(path);
        if (!(platform::is_directory(directory) || platform::create_directories(directory)) ||
            !platform::replace_file(path, file.bytes)) {
            report.Add(file.path, "", LossReason::WriteFailed, path);
            written = false;
        }
    }
    return written;
}
