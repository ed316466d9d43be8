// The search box's query parser and matcher on arbitrary text: no undefined behaviour, an error
// that names a term of the text, ranges in order, and matches that are indexes of the library
// in its order. The check's own rules read the same bytes as a tool file.

#include <unistd.h>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "app/library_check.h"
#include "app/tool_index.h"
#include "app/tool_query.h"
#include "fuzz_files.h"

namespace {

// A small library with each shape, a Fedrix file and a shared number, built once.
const ToolIndex& library() {
    static const ToolIndex index = [] {
        char pattern[] = "/tmp/cutterbase-fuzz-query-XXXXXX";
        const std::string root = ::mkdtemp(pattern);
        write_file(root + "/ball.wkz", "B : &TP_BRAD=5\nC : &TP_CRAD=5\nN : &TP_CPPNUM=7\n");
        write_file(root + "/Fr\xE4ser.wkz", "D : &TP_CDIAM=8\nN : &TP_CPPNUM=7\n");
        write_file(root + "/bull.wkz", "B : &TP_BRAD=3\nC : &TP_CRAD=1\nX : &TP_CDESC=Kugel\n");
        write_file(root + "/bull.ncs", "[T.A.L.M.O.R.]\nFedrix=Fedrix Tool Information\n");
        write_file(root + "/junk.wkz", "\xFF");
        ToolIndex built;
        built.Build(root, true);
        return built;
    }();
    return index;
}

void check_ranges(const std::vector<ToolValueRange>& ranges) {
    for (const ToolValueRange& range : ranges) {
        if (!std::isfinite(range.lowest) || !std::isfinite(range.highest) ||
            range.lowest > range.highest) {
            std::abort();
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const ParsedToolQuery parsed = ParseToolQuery(text);
    if (!parsed.error.empty()) {
        if (text.find(parsed.error) == std::string::npos ||
            parsed.error.find(':') == std::string::npos) {
            std::abort();
        }
        if (SearchTermErrorText(parsed.error, static_cast<int>(size % 6) - 1).empty()) {
            std::abort();
        }
        return 0;
    }
    const ToolQuery& query = parsed.query;
    for (const std::string& word : query.words) {
        if (word.empty() || word.find_first_of(" \t\n\r\f\v") != std::string::npos) {
            std::abort();
        }
    }
    for (const auto* ranges :
         {&query.diameters, &query.radii, &query.corner_radii, &query.numbers}) {
        check_ranges(*ranges);
    }
    const ToolIndex& index = library();
    const std::vector<std::size_t> found = MatchTools(index, query);
    for (std::size_t i = 0; i < found.size(); ++i) {
        if (found[i] >= index.entries().size() || (i > 0 && found[i] <= found[i - 1])) {
            std::abort();
        }
    }
    if (query.Empty() && found.size() != index.entries().size()) {
        std::abort();
    }
    if (SearchRows(index, found, size % 2 == 0).size() != found.size()) {
        std::abort();
    }
    for (const ToolFinding& finding : CheckToolBytes("fuzz.wkz", text)) {
        if (FindingText(finding, 1).empty()) {
            std::abort();
        }
    }
    return 0;
}
