#pragma once
// Search over the index: the query a user types, parsed once, and the tools it matches.
//
// Words must all occur (folded, see FoldSearchText) in a tool's file name, description or
// comment. Terms narrow by value: d: diameter, r: radius, cr: corner radius (a cutter without
// one counts as 0), no: tool number, each with a number (within 0.001; for no: exact) or an
// inclusive range "8-12"; shape:ball|flat|bull; fedrix:yes|no; problem:yes|no (any finding).

#include <cstddef>
#include <string>
#include <vector>

#include "app/tool_index.h"
#include "app/tool_list_rows.h"

struct ToolValueRange {
    double lowest = 0.0;
    double highest = 0.0;
};

struct ToolQuery {
    std::vector<std::string> words;  // folded, each once, longest first
    std::vector<ToolValueRange> diameters, radii, corner_radii, numbers;
    std::vector<int> shapes;  // kImageFlatEnd, kImageBall, kImageBullNose
    std::vector<bool> fedrix, problem;
    // Whether the query asks for nothing, so every tool matches.
    bool Empty() const;
};

struct ParsedToolQuery {
    ToolQuery query;
    std::string error;  // the first term that is not understood, as typed; empty when none is
};

// Terms and words are separated by blanks. A term is a word of letters, ':' and a value; one
// whose name or value is not understood is an error, never taken as a word.
ParsedToolQuery ParseToolQuery(const std::string& utf8_text);

// The message for a term that is not understood, in the language, in the code page.
std::string SearchTermErrorText(const std::string& term, int language_index);

// The indexes of the matching entries, in library order.
std::vector<std::size_t> MatchTools(const ToolIndex& index, const ToolQuery& query);

// The list's rows of the matches: the folder view's row format, column 0 the relative path.
std::vector<ToolListRow> SearchRows(const ToolIndex& index, const std::vector<std::size_t>& matches,
                                    bool diameter_mode);
