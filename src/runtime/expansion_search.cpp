#include <new>

#include "platform/filesystem.h"
#include "runtime/expansion.h"
#include "runtime/expansion_internal.h"
#include "runtime/report.h"
#include "runtime/status.h"

using namespace expansion_detail;

namespace {

constexpr std::size_t kMaxSearchText = 381;
constexpr int kListBuffer = 768;

// The result must leave the terminated text's last character free, as every text form does.
int store(std::string& text, const std::string& result, int capacity, int status) {
    if (capacity <= 0 || result.size() >= static_cast<std::size_t>(capacity)) {
        return kStatusBufferTooSmall;
    }
    text = result;
    return status;
}

int search(std::string& text, int capacity) {
    std::string content = trim_trailing(text);
    if (content.size() > kMaxSearchText) {
        return kStatusTextTooLong;
    }
    std::size_t query = content.find('?');
    if (query == std::string::npos) {
        std::string path = content;
        int status = expand_path_text(path, capacity);
        if (is_failure(status)) {
            return status;
        }
        return store(text, path, capacity, platform::exists(path) ? status : kStatusFileNotFound);
    }
    std::size_t separator = content.find_first_of("/\\", query);
    if (separator == std::string::npos) {
        return kStatusNoSearchPart;
    }
    std::string list = content.substr(0, separator);
    std::string file = content.substr(separator + 1);
    int status = expand_path_text(file, kPathBuffer);
    if (is_failure(status)) {
        return status;
    }
    status = expand_path_text(list, kListBuffer);
    if (is_failure(status)) {
        return status;
    }
    report_trace(
        format_text("SEARCHING for '%s' in '%s'", file.c_str(), message_form(list).c_str()));
    std::string first;
    for (const std::string& element : split_list(list)) {
        std::string candidate = element;
        if (candidate.back() != platform::kPathSeparator) {
            candidate += platform::kPathSeparator;
        }
        candidate += file;
        bool found = platform::exists(candidate);
        report_trace(
            format_text("  - '%s' -> %s", candidate.c_str(), found ? "Found" : "Not found"));
        if (found) {
            return store(text, candidate, capacity, kStatusOk);
        }
        if (first.empty()) {
            first = candidate;
        }
    }
    return store(text, first.empty() ? file : first, capacity, kStatusFileNotFound);
}

}  // namespace

int search_file(std::string& text, int capacity) {
    try {
        return search(text, capacity);
    } catch (const std::bad_alloc&) {
        return kStatusNoMemory;
    }
}

void search_file_fixed(const char* source, int source_length, char* destination,
                       int destination_length, int* status) {
    int result = kStatusOk;
    try {
        std::string text = content_of(source, source_length);
        result = search(text, destination_length);
        bool has_result =
            result == kStatusOk || result == kStatusUndefined || result == kStatusFileNotFound;
        if (has_result && !write_padded(destination, destination_length, text)) {
            result = kStatusBufferTooSmall;
        }
    } catch (const std::bad_alloc&) {
        result = kStatusNoMemory;
    }
    if (status != nullptr) {
        *status = result;
    }
}
