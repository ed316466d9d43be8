#include "workzone/toolpath_variable_enum.h"

#include <string_view>
#include <vector>

#include "platform/number_text.h"
#include "runtime/expansion.h"
#include "runtime/message_database.h"
#include "runtime/status.h"
#include "workzone/toolpath_variable_table.h"

namespace {

constexpr int kPathCapacity = 384;
// Only this much of a suffix list takes part in the key search.
constexpr std::size_t kSuffixListLength = 19;

struct InfoFile {
    bool loaded = false;
    MessageDatabase* db = nullptr;
};

InfoFile& info_file() {
    static InfoFile instance;
    return instance;
}

bool is_code_suffix(const std::string& suffix) {
    std::string lower;
    for (char c : suffix) {
        lower += (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    }
    return lower == ".int" || lower == "int";
}

bool is_blank(char c) {
    return c == ' ' || c == '\t';
}

// "%d" of the C library: white space, an optional sign, at least one digit.
std::optional<std::int32_t> scan_integer(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r'))) {
        ++i;
    }
    std::size_t digits = i;
    if (digits < text.size() && (text[digits] == '+' || text[digits] == '-')) {
        ++digits;
    }
    if (digits >= text.size() || text[digits] < '0' || text[digits] > '9') {
        return std::nullopt;
    }
    return platform::parse_leading_int(text.substr(i));
}

std::vector<std::string> split_suffixes(const std::string& list) {
    const std::string text = list.substr(0, kSuffixListLength);
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (true) {
        const std::size_t semicolon = text.find(';', start);
        parts.push_back(text.substr(start, semicolon - start));
        if (semicolon == std::string::npos) {
            break;
        }
        start = semicolon + 1;
        while (start < text.size() && is_blank(text[start])) {
            ++start;
        }
    }
    parts.emplace_back();
    return parts;
}

std::string make_key(std::int32_t value, const std::string& suffix) {
    const char* separator = !suffix.empty() && suffix[0] != '.' ? "." : "";
    return std::to_string(value) + separator + suffix;
}

}  // namespace

const MessageDatabase* ToolpathVariableInfo() {
    InfoFile& info = info_file();
    if (!info.loaded) {
        info.loaded = true;
        std::string path = "?TXT/tpvarinfo.$KVXLANG";
        const int status = expand_path_text(path, kPathCapacity);
        if (status == kStatusOk || status == kStatusUndefined) {
            info.db = load_messages(nullptr, path);
        }
    }
    return info.db;
}

void UnloadToolpathVariableInfo() {
    InfoFile& info = info_file();
    if (info.db != nullptr) {
        free_database(info.db);
    }
    info = InfoFile();
}

std::optional<std::string> EnumText(std::int32_t id, std::int32_t value,
                                    const std::optional<std::string>& suffix, bool no_fallback) {
    const VariableDescriptor* row = FindVariableById(id);
    if (row == nullptr || row->name.empty()) {
        return "VarId-" + std::to_string(id) + "-" + std::to_string(value);
    }
    if (suffix && is_code_suffix(*suffix)) {
        return std::to_string(value);
    }
    const MessageDatabase* db = ToolpathVariableInfo();
    const std::uint16_t section = find_section(db, row->name);
    if (section != kNoSection) {
        for (const std::string& part : split_suffixes(suffix.value_or(""))) {
            if (std::optional<std::string> text = get_value(db, section, make_key(value, part))) {
                return text;
            }
        }
    }
    if (no_fallback) {
        return std::nullopt;
    }
    return row->name + "-" + std::to_string(value);
}

std::int32_t EnumValueFromText(std::int32_t id, const std::string& text) {
    if (std::optional<std::int32_t> number = scan_integer(text)) {
        return *number;
    }
    const VariableDescriptor* row = FindVariableById(id);
    if (row == nullptr || row->name.empty()) {
        return -1;
    }
    const MessageDatabase* db = ToolpathVariableInfo();
    const std::uint16_t section = find_section(db, row->name);
    if (section == kNoSection) {
        return -1;
    }
    for (int index = 0;; ++index) {
        std::optional<std::string> line = get_message(db, section, index);
        if (!line) {
            break;
        }
        const std::size_t equals = line->find('=');
        if (equals == std::string::npos) {
            continue;
        }
        std::size_t start = equals + 1;
        while (start < line->size() && is_blank((*line)[start])) {
            ++start;
        }
        if (line->compare(start, std::string::npos, text) != 0) {
            continue;
        }
        if (std::optional<std::int32_t> key = scan_integer(line->substr(0, equals))) {
            return *key;
        }
    }
    return -1;
}
