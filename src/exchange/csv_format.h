#pragma once
// Tools as CSV (RFC 4180, UTF-8, CRLF): a header row "path" and the parameter names (the
// table's names in its order, then every other name in the order first found), one row per
// tool. An empty cell is a parameter the tool does not have; a quoted empty cell ("") is an
// empty text the tool has.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "exchange/exchange_tool.h"
#include "exchange/loss_report.h"

std::string WriteCsv(const std::vector<ExchangeTool>& tools, LossReport& report);

// The rows of a CSV file, cells as read (quotes removed); `quoted` tells a quoted cell.
struct CsvCell {
    std::string text;
    bool quoted = false;
};
struct CsvTable {
    std::vector<std::vector<CsvCell>> rows;
    std::string error;  // empty when the text is well-formed
};
// Splits RFC 4180 text; a BOM at the start is skipped, LF alone ends a row as CRLF does, an
// empty last line is no row. A quote inside an unquoted cell, text after a closing quote or a
// quote left open is an error that names the row.
CsvTable ParseCsv(std::string_view bytes);

struct CsvRead {
    std::vector<ExchangeTool> tools;
    std::string error;  // malformed: nothing was read
};
// The tools of a CSV file as WriteCsv writes it; the values are checked as a tool file needs
// them and what it cannot hold is reported. Rows whose cell count differs from the header's,
// a header without "path" first, or a name given twice make the file malformed.
CsvRead ReadCsv(std::string_view bytes, LossReport& report);
