#include <cstring>

#include "runtime/expansion_internal.h"

namespace expansion_detail {

namespace {

bool is_blank(char c) {
    return static_cast<unsigned char>(c) <= 32;
}

}  // namespace

int content_length(const char* buffer, int length) {
    if (buffer == nullptr) {
        return 0;
    }
    int end = length;
    while (end > 0 && is_blank(buffer[end - 1])) {
        --end;
    }
    return end;
}

std::string content_of(const char* buffer, int length) {
    int size = content_length(buffer, length);
    return size > 0 ? std::string(buffer, static_cast<std::size_t>(size)) : std::string();
}

bool write_padded(char* buffer, int length, std::string_view text) {
    if (length < 0 || text.size() > static_cast<std::size_t>(length) ||
        (buffer == nullptr && length > 0)) {
        return false;
    }
    if (length == 0) {
        return true;
    }
    // The text may come from the buffer itself.
    std::memmove(buffer, text.data(), text.size());
    std::memset(buffer + text.size(), ' ', static_cast<std::size_t>(length) - text.size());
    return true;
}

std::string trim_trailing(std::string_view text) {
    std::size_t end = text.size();
    while (end > 0 && is_blank(text[end - 1])) {
        --end;
    }
    return std::string(text.substr(0, end));
}

std::string message_form(std::string_view text) {
    return std::string(text.substr(0, 80));
}

std::vector<ListSpan> list_spans(std::string_view list) {
    std::vector<ListSpan> spans;
    std::size_t begin = 0;
    while (begin <= list.size()) {
        std::size_t end = list.find_first_of(";,", begin);
        if (end == std::string_view::npos) {
            end = list.size();
        }
        if (end > begin) {
            spans.push_back({begin, end});
        }
        begin = end + 1;
    }
    return spans;
}

std::vector<std::string> split_list(std::string_view list) {
    std::vector<std::string> elements;
    for (const ListSpan& span : list_spans(list)) {
        elements.emplace_back(list.substr(span.begin, span.end - span.begin));
    }
    return elements;
}

}  // namespace expansion_detail
