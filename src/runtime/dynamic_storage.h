#pragma once
// Growable storage addressed by offsets. The data block moves when it grows, so callers keep
// offsets; an address is valid only until the next append on the same storage.

#include <cstddef>
#include <cstdint>
#include <string_view>

struct DynamicStorage {
    void* data;
    std::int32_t used;
    std::int32_t capacity;
    std::int32_t increment;
};

// A storage whose data block grows in whole multiples of `increment` bytes (at least 1);
// nullptr when memory is exhausted.
DynamicStorage* dynamic_storage_create(std::int32_t increment);
// The offset of a new area of n bytes (rounded up to a multiple of 4), or -1.
std::int32_t dynamic_storage_append(DynamicStorage* storage, std::size_t n);
// nullptr for a negative offset or one at or past the used size.
void* dynamic_storage_address(const DynamicStorage* storage, std::int32_t offset);
// The offset of a copy of the text followed by a terminating NUL, or -1.
std::int32_t dynamic_storage_append_text(DynamicStorage* storage, std::string_view text);
void dynamic_storage_trim(DynamicStorage* storage);
void dynamic_storage_free(DynamicStorage* storage);
