#pragma once
// The other CAM system's tool bits: one JSON file (.fctb) per tool with its name, its shape
// ("endmill.fcstd", "ballend.fcstd", "bullnose.fcstd"; "torus.fcstd" read as well) and its
// dimensions as quantities ("10.000 mm"), and a library file (.fctl) that numbers them.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "exchange/exchange_tool.h"
#include "exchange/loss_report.h"

struct ExchangeFile {
    std::string path;  // relative to the output folder, '/' between folders
    std::string bytes;
};

// One .fctb per tool (its path with the extension ".fctb") and, last, the library
// `library_name` listing them with their tool numbers; a tool without a usable number, or
// whose number an earlier tool has, gets the next one above the highest and is reported.
std::vector<ExchangeFile> WriteToolBits(const std::vector<ExchangeTool>& tools,
                                        const std::string& library_name, LossReport& report);

// A tool from the bytes of one .fctb named `name`, with `number` as its tool number when the
// library gives one. nullopt, reported, when the bytes are no tool bit or its shape is none
// of this library's cutters.
std::optional<ExchangeTool> ReadToolBit(std::string_view bytes, const std::string& name,
                                        std::optional<int> number, LossReport& report);

struct ToolLibraryEntry {
    std::optional<int> number;
    std::string path;  // as the library gives it
};
struct ToolLibraryRead {
    std::vector<ToolLibraryEntry> entries;
    std::string error;  // malformed: no entries
};
ToolLibraryRead ReadToolLibrary(std::string_view bytes);

// A length as a quantity text ("10 mm", "0.5 in", "1 cm") or a bare number of millimetres.
std::optional<double> ParseQuantity(std::string_view text);
