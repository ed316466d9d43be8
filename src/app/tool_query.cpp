#include "app/tool_query.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string_view>

#include "app/search_text.h"
#include "language/builtin_texts.h"
#include "language/message_format.h"
#include "platform/ascii_case.h"
#include "platform/code_page.h"

namespace {

// A value within a thousandth of the one typed; a range keeps the thousandths it names.
constexpr double kNear = 0.001 + 1e-6;
constexpr double kRangeEdge = 0.0005;

// Longer numbers than this are no sizes anyone types; they are refused, not parsed.
constexpr std::size_t kLongestNumber = 24;

// Digits with at most one decimal point or comma (a German keyboard gives a comma).
std::optional<double> parse_number(std::string_view text, bool integer) {
    if (text.empty() || text.size() > kLongestNumber) {
        return std::nullopt;
    }
    std::string copy(text);
    bool point = false;
    bool digit = false;
    for (char& c : copy) {
        if (c == ',' || c == '.') {
            if (point || integer) {
                return std::nullopt;
            }
            point = true;
            c = '.';
        } else if (c >= '0' && c <= '9') {
            digit = true;
        } else {
            return std::nullopt;
        }
    }
    if (!digit) {
        return std::nullopt;
    }
    double value = 0.0;
    double scale = 0.0;
    for (const char c : copy) {
        if (c == '.') {
            scale = 1.0;
        } else if (scale == 0.0) {
            value = value * 10 + (c - '0');
        } else {
            scale /= 10;
            value += (c - '0') * scale;
        }
    }
    return value;
}

// "10" or "8-12".
std::optional<ToolValueRange> parse_range(std::string_view text, bool integer) {
    const auto dash = text.find('-');
    if (dash == std::string_view::npos) {
        const auto value = parse_number(text, integer);
        if (!value) {
            return std::nullopt;
        }
        const double near = integer ? 0.0 : kNear;
        return ToolValueRange{*value - near, *value + near};
    }
    const auto lowest = parse_number(text.substr(0, dash), integer);
    const auto highest = parse_number(text.substr(dash + 1), integer);
    if (!lowest || !highest || *lowest > *highest) {
        return std::nullopt;
    }
    const double edge = integer ? 0.0 : kRangeEdge;
    return ToolValueRange{*lowest - edge, *highest + edge};
}

std::optional<bool> parse_yes_no(std::string_view text) {
    if (platform::ascii_equal_ignoring_case(text, "yes")) {
        return true;
    }
    if (platform::ascii_equal_ignoring_case(text, "no")) {
        return false;
    }
    return std::nullopt;
}

std::optional<int> parse_shape(std::string_view text) {
    if (platform::ascii_equal_ignoring_case(text, "ball")) {
        return kImageBall;
    }
    if (platform::ascii_equal_ignoring_case(text, "flat")) {
        return kImageFlatEnd;
    }
    if (platform::ascii_equal_ignoring_case(text, "bull")) {
        return kImageBullNose;
    }
    return std::nullopt;
}

bool is_term_name(std::string_view name) {
    return !name.empty() && std::all_of(name.begin(), name.end(), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
    });
}

// Adds the term to the query; false when its name or value is not understood.
bool add_term(std::string_view name, std::string_view value, ToolQuery& query) {
    struct RangeTerm {
        const char* name;
        std::vector<ToolValueRange> ToolQuery::*ranges;
        bool integer;
    };
    static constexpr RangeTerm kRangeTerms[] = {
        {"d", &ToolQuery::diameters, false},
        {"r", &ToolQuery::radii, false},
        {"cr", &ToolQuery::corner_radii, false},
        {"no", &ToolQuery::numbers, true},
    };
    for (const RangeTerm& term : kRangeTerms) {
        if (platform::ascii_equal_ignoring_case(name, term.name)) {
            const auto range = parse_range(value, term.integer);
            if (range) {
                (query.*term.ranges).push_back(*range);
            }
            return range.has_value();
        }
    }
    if (platform::ascii_equal_ignoring_case(name, "shape")) {
        const auto shape = parse_shape(value);
        if (shape) {
            query.shapes.push_back(*shape);
        }
        return shape.has_value();
    }
    for (auto [term, values] :
         {std::pair{"fedrix", &ToolQuery::fedrix}, std::pair{"problem", &ToolQuery::problem}}) {
        if (platform::ascii_equal_ignoring_case(name, term)) {
            const auto yes = parse_yes_no(value);
            if (yes) {
                (query.*values).push_back(*yes);
            }
            return yes.has_value();
        }
    }
    return false;
}

bool is_blank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v';
}

bool within(const std::vector<ToolValueRange>& ranges, bool has_value, double value) {
    for (const ToolValueRange& range : ranges) {
        if (!has_value || value < range.lowest || value > range.highest) {
            return false;
        }
    }
    return true;
}

template <typename T>
bool all_equal(const std::vector<T>& wanted, T value) {
    return std::all_of(wanted.begin(), wanted.end(), [&](const T& w) { return w == value; });
}

bool matches(const ToolIndexEntry& entry, const ToolQuery& query) {
    for (const std::string& word : query.words) {
        if (entry.folded.find(word) == std::string::npos) {
            return false;
        }
    }
    return within(query.diameters, entry.has_size, entry.diameter) &&
           within(query.radii, entry.has_size, entry.radius) &&
           within(query.corner_radii, entry.has_size, entry.corner_radius) &&
           within(query.numbers, entry.has_number, entry.number) &&
           all_equal(query.shapes, entry.shape) && all_equal(query.fedrix, entry.fedrix) &&
           all_equal(query.problem, !entry.findings.empty());
}

}  // namespace

bool ToolQuery::Empty() const {
    return words.empty() && diameters.empty() && radii.empty() && corner_radii.empty() &&
           numbers.empty() && shapes.empty() && fedrix.empty() && problem.empty();
}

ParsedToolQuery ParseToolQuery(const std::string& utf8_text) {
    ParsedToolQuery parsed;
    std::string_view rest = utf8_text;
    while (!rest.empty()) {
        while (!rest.empty() && is_blank(rest.front())) {
            rest.remove_prefix(1);
        }
        std::size_t length = 0;
        while (length < rest.size() && !is_blank(rest[length])) {
            ++length;
        }
        const std::string_view token = rest.substr(0, length);
        rest.remove_prefix(length);
        if (token.empty()) {
            continue;
        }
        const auto colon = token.find(':');
        if (colon != std::string_view::npos && is_term_name(token.substr(0, colon))) {
            if (!add_term(token.substr(0, colon), token.substr(colon + 1), parsed.query)) {
                parsed.error = std::string(token);
                return parsed;
            }
            continue;
        }
        parsed.query.words.push_back(FoldSearchText(token));
    }
    // Each word once, the longest first: they rule out the most tools at the first look.
    std::vector<std::string>& words = parsed.query.words;
    std::sort(words.begin(), words.end(), [](const std::string& a, const std::string& b) {
        return a.size() != b.size() ? a.size() > b.size() : a < b;
    });
    words.erase(std::unique(words.begin(), words.end()), words.end());
    return parsed;
}

std::string SearchTermErrorText(const std::string& term, int language_index) {
    std::string_view text = builtin_text(BuiltinText::SearchTermNotUnderstood, language_index);
    text.remove_prefix(2);
    const std::string shown = IsUtf8(term) ? platform::utf8_to_code_page(term) : term;
    return format_message(text, make_format_arguments(shown));
}

std::vector<std::size_t> MatchTools(const ToolIndex& index, const ToolQuery& query) {
    std::vector<std::size_t> found;
    const std::vector<ToolIndexEntry>& entries = index.entries();
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (matches(entries[i], query)) {
            found.push_back(i);
        }
    }
    return found;
}

std::vector<ToolListRow> SearchRows(const ToolIndex& index, const std::vector<std::size_t>& matches,
                                    bool diameter_mode) {
    std::vector<ToolListRow> rows;
    rows.reserve(matches.size());
    for (const std::size_t i : matches) {
        const ToolIndexEntry& entry = index.entries().at(i);
        ToolListRow row = entry.row;
        row.path = entry.path;
        row.columns[kColumnName] = entry.relative_path;
        if (diameter_mode) {
            row.columns[kColumnSize] = entry.diameter_column;
        }
        rows.push_back(std::move(row));
    }
    return rows;
}
