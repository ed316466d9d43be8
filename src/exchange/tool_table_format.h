#pragma once
// The machine controller's tool table (.tbl): one line per tool, "T<n> P<n> Z0 D<diameter>
// ;<description>", the pocket being the tool number. It carries the number, the diameter
// and the description (the tool's path when it has none).

#include <string>
#include <string_view>
#include <vector>

#include "exchange/exchange_tool.h"
#include "exchange/loss_report.h"

// Tools without a number, or with one that is not positive, are skipped; a number used twice
// keeps the first tool. Diameters in millimetres, or in inches with four decimals.
std::string WriteToolTable(const std::vector<ExchangeTool>& tools, bool inch, LossReport& report);

// One tool per line that has a T word: TP_CPPNUM, TP_CDIAM, TP_CRAD 0 (the table knows no
// shape, so the tool is flat) and TP_CDESC from the comment; named after the comment, else
// "T<n>". Offsets and other words are reported; a line without a usable T is skipped and
// reported.
std::vector<ExchangeTool> ReadToolTable(std::string_view bytes, LossReport& report);
