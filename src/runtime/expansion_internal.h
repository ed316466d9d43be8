#pragma once
// Helpers shared by the expansion and environment sources: blank-padded buffers, list
// elements and the shortened form in which reports quote a text.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/status.h"

namespace expansion_detail {

// The working size of the path and list buffers callers keep.
inline constexpr int kPathBuffer = 384;

// Undefined names still give a complete, usable text.
inline bool is_failure(int status) {
    return status != kStatusOk && status != kStatusUndefined;
}

// Length of the content of a blank-padded buffer: up to its last byte above 32.
int content_length(const char* buffer, int length);

// The content of a blank-padded buffer (empty for a null buffer or a length below 1).
std::string content_of(const char* buffer, int length);

// Writes `text` into the buffer and pads it with blanks; false (buffer untouched) when the
// text is longer than the buffer.
bool write_padded(char* buffer, int length, std::string_view text);

// Trailing bytes up to 32 removed.
std::string trim_trailing(std::string_view text);

// At most the first 80 characters: how reports quote a source text.
std::string message_form(std::string_view text);

// Where the non-empty elements of a list separated by ";" or "," lie, first to last.
struct ListSpan {
    std::size_t begin = 0;
    std::size_t end = 0;
};
std::vector<ListSpan> list_spans(std::string_view list);
std::vector<std::string> split_list(std::string_view list);

// The expansion of a content text into at most `room` characters. `complete` is false when
// the expansion stopped with an error and its output must be discarded.
struct ExpansionResult {
    int status = 0;
    bool complete = true;
    std::string text;
};
ExpansionResult expand_content(std::string_view content, std::size_t room);

// Runs of either separator become one platform separator; "./" segments after a separator go.
std::string normalise_path(std::string_view text);

// Expands a terminated text as a buffer of `length` characters would be (plain or path form);
// `text` ends up without trailing blanks, unchanged but for them when the expansion failed.
int expand_within(std::string& text, int length, bool as_path);

}  // namespace expansion_detail
