#include <new>

#include "platform/filesystem.h"
#include "runtime/expansion.h"
#include "runtime/expansion_internal.h"
#include "runtime/status.h"

namespace expansion_detail {

std::string normalise_path(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        if (!platform::is_separator(text[i])) {
            out += text[i++];
            continue;
        }
        out += platform::kPathSeparator;
        while (i < text.size() && platform::is_separator(text[i])) {
            ++i;
        }
        while (i + 1 < text.size() && text[i] == '.' && platform::is_separator(text[i + 1])) {
            ++i;
            while (i < text.size() && platform::is_separator(text[i])) {
                ++i;
            }
        }
    }
    return out;
}

int expand_within(std::string& text, int length, bool as_path) {
    try {
        std::string content = trim_trailing(text);
        if (length < 0 || content.size() > static_cast<std::size_t>(length)) {
            text = std::move(content);
            return kStatusTextTooLong;
        }
        std::size_t room = length > 0 ? static_cast<std::size_t>(length) - 1 : 0;
        ExpansionResult expansion = expand_content(content, room);
        if (!expansion.complete) {
            text = std::move(content);
        } else if (as_path && !is_failure(expansion.status)) {
            text = trim_trailing(normalise_path(expansion.text));
        } else {
            text = trim_trailing(expansion.text);
        }
        return expansion.status;
    } catch (const std::bad_alloc&) {
        return kStatusNoMemory;
    }
}

}  // namespace expansion_detail

using namespace expansion_detail;

void expand_path(char* buffer, int* status, int length) {
    int result = kStatusOk;
    if (length > 0 && buffer != nullptr) {
        try {
            ExpansionResult expansion =
                expand_content(content_of(buffer, length), static_cast<std::size_t>(length) - 1);
            result = expansion.status;
            if (expansion.complete) {
                write_padded(buffer, length,
                             is_failure(result) ? expansion.text : normalise_path(expansion.text));
            }
        } catch (const std::bad_alloc&) {
            result = kStatusNoMemory;
        }
    }
    if (status != nullptr) {
        *status = result;
    }
}

int expand_text(std::string& text, int capacity) {
    return expand_within(text, capacity, false);
}

int expand_path_text(std::string& text, int capacity) {
    return expand_within(text, capacity, true);
}

void expand_path_fixed(const char* source, int source_length, char* destination,
                       int destination_length, int* status) {
    int result = kStatusOk;
    try {
        std::string content = content_of(source, source_length);
        if (!write_padded(destination, destination_length, content)) {
            result = kStatusBufferTooSmall;
        } else {
            expand_path(destination, &result, destination_length);
        }
    } catch (const std::bad_alloc&) {
        result = kStatusNoMemory;
    }
    if (status != nullptr) {
        *status = result;
    }
}

void check_path_fixed(const char* source, int length, int* status) {
    constexpr int kWorkBuffer = 128;
    int result = kStatusOk;
    try {
        char work[kWorkBuffer];
        if (!write_padded(work, kWorkBuffer, content_of(source, length))) {
            result = kStatusBufferTooSmall;
        } else {
            expand_path(work, &result, kWorkBuffer);
            if (!is_failure(result) && !platform::exists(content_of(work, kWorkBuffer))) {
                result = kStatusFileNotFound;
            }
        }
    } catch (const std::bad_alloc&) {
        result = kStatusNoMemory;
    }
    if (status != nullptr) {
        *status = result;
    }
}
