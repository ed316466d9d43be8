#include "workzone/parameter_file.h"

#include <charconv>
#include <cmath>
#include <memory>
#include <sstream>

#include "platform/filesystem.h"
#include "runtime/expansion.h"
#include "runtime/message_database.h"

namespace {

constexpr int kNumberColumns = 14;
constexpr int kNumberDecimals = 5;
// An empty text item as another writer leaves it: a zero in the numeric layout.
constexpr std::string_view kEmptyTextMark = "0.00000   :  ";

bool in_range(int item) {
    return item >= 1 && item <= kParameterItemCount;
}

void trim_trailing_blanks(std::string& text) {
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) {
        text.pop_back();
    }
}

// One line of at most kParameterLineLength characters; the rest of a longer line is skipped
// so that the next item still comes from the next line. False at the end of the input.
bool read_line(std::istream& in, std::string& line) {
    line.clear();
    bool any = false;
    for (int c = in.get(); c != std::char_traits<char>::eof(); c = in.get()) {
        any = true;
        if (c == '\n') {
            break;
        }
        if (line.size() < static_cast<std::size_t>(kParameterLineLength)) {
            line.push_back(static_cast<char>(c));
        }
    }
    if (!line.empty() && line.back() == '\r') {
        line.pop_back();
    }
    return any;
}

std::string text_field(const std::string& line) {
    if (line.find(kEmptyTextMark) != std::string::npos) {
        return {};
    }
    std::size_t colon = line.find(':');
    std::string text = colon == std::string::npos ? line : line.substr(colon + 1);
    trim_trailing_blanks(text);
    if (text.size() > static_cast<std::size_t>(kParameterTextWidth)) {
        text.resize(kParameterTextWidth);
        trim_trailing_blanks(text);
    }
    return text;
}

// Columns 1-14 as a fixed-point number, blanks ignored; an all-blank field is 0.
bool number_field(const std::string& line, float& value) {
    std::string digits;
    for (std::size_t i = 0; i < line.size() && i < static_cast<std::size_t>(kNumberColumns); ++i) {
        if (line[i] != ' ' && line[i] != '\t') {
            digits.push_back(line[i]);
        }
    }
    if (digits.empty()) {
        value = 0.0f;
        return true;
    }
    std::size_t start = (digits[0] == '+' || digits[0] == '-') ? 1 : 0;
    bool any_digit = false;
    bool point = false;
    for (std::size_t i = start; i < digits.size(); ++i) {
        char c = digits[i];
        if (c >= '0' && c <= '9') {
            any_digit = true;
        } else if (c == '.' && !point) {
            point = true;
        } else {
            return false;
        }
    }
    if (!any_digit) {
        return false;
    }
    // from_chars takes no '+'.
    const char* first = digits.data() + (digits[0] == '+' ? 1 : 0);
    const char* last = digits.data() + digits.size();
    float parsed = 0.0f;
    auto [end, error] = std::from_chars(first, last, parsed, std::chars_format::fixed);
    if (error != std::errc() || end != last || !std::isfinite(parsed)) {
        return false;
    }
    value = parsed;
    return true;
}

// The value right-aligned in 14 columns with 5 decimals, fewer when a large value needs the
// room; false when it does not fit at all.
bool format_number(float value, std::string& field) {
    if (!std::isfinite(value)) {
        return false;
    }
    for (int decimals = kNumberDecimals; decimals >= 0; --decimals) {
        char buffer[64];
        auto [end, error] =
            std::to_chars(buffer, buffer + sizeof buffer, static_cast<double>(value),
                          std::chars_format::fixed, decimals);
        if (error != std::errc()) {
            return false;
        }
        std::size_t length = static_cast<std::size_t>(end - buffer);
        if (length <= static_cast<std::size_t>(kNumberColumns)) {
            field.assign(kNumberColumns - length, ' ');
            field.append(buffer, length);
            return true;
        }
    }
    return false;
}

std::string item_number_text(int item) {
    std::string text = std::to_string(item);
    if (text.size() < 3) {
        text.insert(0, 3 - text.size(), ' ');
    }
    return text;
}

// Texts go on one line: line breaks inside them would shift every following item.
std::string single_line(std::string text) {
    for (char& c : text) {
        if (c == '\n' || c == '\r') {
            c = ' ';
        }
    }
    return text;
}

}  // namespace

ParameterItemKind parameter_item_kind(int item) {
    if ((item >= 61 && item <= 69) || (item >= 81 && item <= 90) || (item >= 131 && item <= 140)) {
        return ParameterItemKind::Text;
    }
    static constexpr int kLengthRanges[][2] = {
        {3, 7},   {9, 20},  {36, 38}, {41, 41}, {43, 43},   {48, 49},   {56, 56},  {58, 59},
        {71, 72}, {75, 75}, {79, 79}, {91, 95}, {102, 105}, {108, 111}, {122, 122}};
    for (const auto& range : kLengthRanges) {
        if (item >= range[0] && item <= range[1]) {
            return ParameterItemKind::Length;
        }
    }
    return ParameterItemKind::Number;
}

float ParameterItems::number(int item) const {
    return in_range(item) ? numbers[item - 1] : 0.0f;
}

void ParameterItems::set_number(int item, float value) {
    if (in_range(item)) {
        numbers[item - 1] = value;
    }
}

const std::string& ParameterItems::text(int item) const {
    static const std::string kEmpty;
    return in_range(item) ? texts[item - 1] : kEmpty;
}

void ParameterItems::set_text(int item, std::string value) {
    if (in_range(item)) {
        texts[item - 1] = std::move(value);
    }
}

void read_parameter_items(std::istream& in, ParameterItems& items) {
    items = ParameterItems();
    std::string line;
    for (int item = 1; item <= kParameterItemCount; ++item) {
        bool more = read_line(in, line);
        if (in.bad()) {
            items.set_number(1, 0.0f);
            return;
        }
        if (!more) {
            return;
        }
        if (parameter_item_kind(item) == ParameterItemKind::Text) {
            items.set_text(item, text_field(line));
            continue;
        }
        float value = 0.0f;
        if (!number_field(line, value)) {
            items.set_number(1, 0.0f);
            return;
        }
        items.set_number(item, value);
    }
}

void parse_parameter_items(std::string_view content, ParameterItems& items) {
    std::istringstream in{std::string(content)};
    read_parameter_items(in, items);
}

bool format_parameter_line(int item, const ParameterItems& items, const std::string& label,
                           std::string& line) {
    if (parameter_item_kind(item) == ParameterItemKind::Text) {
        std::string text = single_line(items.text(item));
        if (text.size() > static_cast<std::size_t>(kParameterTextWidth)) {
            text.resize(kParameterTextWidth);
        }
        trim_trailing_blanks(text);
        line = item_number_text(item) + " :" + (text.empty() ? std::string(" ") : text);
        return true;
    }
    std::string field;
    if (!format_number(items.number(item), field)) {
        return false;
    }
    line = field + "   : " + item_number_text(item) + " " + single_line(label);
    if (line.size() > static_cast<std::size_t>(kParameterLineLength)) {
        line.resize(kParameterLineLength);
    }
    return true;
}

bool write_parameter_items(std::ostream& out, const ParameterItems& items,
                           const ParameterLabels& labels) {
    std::string line;
    for (int item = 1; item <= kParameterItemCount; ++item) {
        bool numeric = parameter_item_kind(item) != ParameterItemKind::Text;
        std::string label = numeric && labels ? labels(item) : std::string();
        if (!format_parameter_line(item, items, label, line)) {
            return false;
        }
        out << line << '\n';
    }
    return static_cast<bool>(out);
}

bool write_parameter_file(const std::string& path, const ParameterItems& items,
                          const ParameterLabels& labels) {
    std::ostringstream out;
    if (!write_parameter_items(out, items, labels)) {
        return false;
    }
    return platform::replace_file(path, out.str());
}

ParameterLabels language_parameter_labels() {
    std::string path = "?TXT/texte.$KVXLANG";
    if (expand_path_text(path, 384) != 0 || !platform::is_regular_file(path)) {
        return {};
    }
    std::shared_ptr<MessageDatabase> database(load_messages(nullptr, path), free_database);
    if (!database) {
        return {};
    }
    std::uint16_t section = find_section(database.get(), "PARAMETER_FILE");
    if (section == kNoSection) {
        return {};
    }
    return [database, section](int item) {
        return get_value(database.get(), section, std::to_string(item)).value_or(std::string());
    };
}
