#include "runtime/dynamic_storage.h"

#include <cstring>
#include <new>

#include "runtime/memory.h"
#include "runtime/report.h"

namespace {

constexpr std::int64_t kMaxCapacity = 0x7FFFFFF0;

std::int64_t round_up(std::int64_t value, std::int64_t step) {
    return (value + step - 1) / step * step;
}

bool grow_to(DynamicStorage* storage, std::int64_t capacity) {
    void* data = Kreallocp(storage->data, static_cast<std::size_t>(capacity));
    if (data == nullptr) {
        return false;
    }
    storage->data = data;
    storage->capacity = static_cast<std::int32_t>(capacity);
    return true;
}

// Grows in whole increments, by at least half the current capacity when that can be had, so
// that a large storage is not copied once per increment.
bool grow(DynamicStorage* storage, std::int64_t needed) {
    std::int64_t increment = storage->increment;
    std::int64_t capacity = storage->capacity;
    std::int64_t minimal = capacity + round_up(needed - capacity, increment);
    std::int64_t generous = capacity + round_up(capacity / 2, increment);
    if (generous > minimal && generous <= kMaxCapacity && grow_to(storage, generous)) {
        return true;
    }
    if (minimal <= kMaxCapacity && grow_to(storage, minimal)) {
        return true;
    }
    report_warning(
        format_text("Dynamic storage: no more memory, could not expand from %d to %lld bytes\n",
                    storage->capacity, static_cast<long long>(minimal)));
    return false;
}

}  // namespace

DynamicStorage* dynamic_storage_create(std::int32_t increment) {
    if (increment < 1) {
        return nullptr;
    }
    void* handle_area = Kmallocp(sizeof(DynamicStorage));
    if (handle_area == nullptr) {
        report_warning("Dynamic storage: no more memory\n");
        return nullptr;
    }
    void* data = Kmallocp(static_cast<std::size_t>(increment));
    if (data == nullptr) {
        Kfree(handle_area);
        report_warning("Dynamic storage: no more memory\n");
        return nullptr;
    }
    return new (handle_area) DynamicStorage{data, 0, increment, increment};
}

std::int32_t dynamic_storage_append(DynamicStorage* storage, std::size_t n) {
    if (storage == nullptr) {
        return -1;
    }
    std::int64_t request = n > static_cast<std::size_t>(kMaxCapacity)
                               ? kMaxCapacity + 1
                               : round_up(static_cast<std::int64_t>(n), 4);
    std::int64_t needed = storage->used + request;
    if (needed > storage->capacity && !grow(storage, needed)) {
        return -1;
    }
    std::int32_t offset = storage->used;
    storage->used = static_cast<std::int32_t>(needed);
    return offset;
}

void* dynamic_storage_address(const DynamicStorage* storage, std::int32_t offset) {
    if (storage == nullptr || offset < 0) {
        return nullptr;
    }
    if (offset < storage->used) {
        return static_cast<unsigned char*>(storage->data) + offset;
    }
    report_warning("Dynamic storage: trying to access unallocated memory\n");
    return nullptr;
}

std::int32_t dynamic_storage_append_text(DynamicStorage* storage, std::string_view text) {
    std::int32_t offset = dynamic_storage_append(storage, text.size() + 1);
    if (offset >= 0) {
        char* copy = static_cast<char*>(storage->data) + offset;
        std::memcpy(copy, text.data(), text.size());
        copy[text.size()] = '\0';
    }
    return offset;
}

void dynamic_storage_trim(DynamicStorage* storage) {
    if (storage == nullptr || storage->used == storage->capacity) {
        return;
    }
    void* data = Kreallocp(storage->data, static_cast<std::size_t>(storage->used));
    if (data != nullptr) {
        storage->data = data;
        storage->capacity = storage->used;
    }
}

void dynamic_storage_free(DynamicStorage* storage) {
    if (storage == nullptr) {
        return;
    }
    Kfree(storage->data);
    storage->~DynamicStorage();
    Kfree(storage);
}
