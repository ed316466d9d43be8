#include "runtime/memory.h"

#include <cstdlib>
#include <cstring>
#include <unordered_set>
#include <vector>

#include "runtime/memory_internal.h"
#include "runtime/report.h"

namespace {

struct BlockHeader {
    std::uint32_t size;
    std::uint32_t tag;
    std::uint32_t number;
};
static_assert(sizeof(BlockHeader) == 12);

// The header sits directly in front of the user area; four bytes of padding in front of it
// keep the user area aligned like malloc's, so callers may store pointers and doubles there.
constexpr std::size_t kPrefix = 16;
constexpr std::size_t kHeaderOffset = kPrefix - sizeof(BlockHeader);

// Bytes to obtain for a user size. An empty block still gets one byte behind its header, so
// that the address handed out points into the block: leak checkers count a pointer just past
// the end of a block as no reference to it.
std::size_t system_size(std::size_t size) {
    return kPrefix + (size == 0 ? 1 : size);
}

// Freed addresses are remembered in a fixed table where a newer entry may push out an older
// one; a double free of a forgotten block is then reported as a foreign pointer (still fatal).
constexpr std::size_t kFreedTableBits = 16;

// Addresses are kept disguised, so that leak checkers still see a block nobody else refers
// to as leaked.
using BlockKey = std::uintptr_t;
BlockKey key_of(const void* area) {
    return reinterpret_cast<std::uintptr_t>(area) ^ ~std::uintptr_t{0};
}

struct FreedEntry {
    BlockKey key = 0;
    std::uint32_t number = 0;
};

struct AllocatorState {
    std::uint32_t allocations = 0;
    std::uint64_t total_bytes = 0;
    std::uint64_t permanent_bytes = 0;
    std::optional<std::uint64_t> budget;
    std::optional<std::size_t> system_limit;
    // The headers alone cannot tell a freed or foreign area without reading memory that is
    // not ours; these sets answer that safely.
    std::unordered_set<BlockKey> live;
    std::vector<FreedEntry> freed;
};

AllocatorState& state() {
    static AllocatorState instance;
    return instance;
}

unsigned char* base_of(void* area) {
    return static_cast<unsigned char*>(area) - kPrefix;
}

BlockHeader* header_of(void* area) {
    return reinterpret_cast<BlockHeader*>(base_of(area) + kHeaderOffset);
}

void* area_of(void* base) {
    return static_cast<unsigned char*>(base) + kPrefix;
}

bool system_can_give(std::size_t size) {
    const auto& limit = state().system_limit;
    return size <= kMaxBlockSize && (!limit || size <= *limit);
}

enum class BlockKind { Permanent, Temporary, Freed, Unknown };

struct BlockInfo {
    BlockKind kind;
    int number;
};

FreedEntry& freed_entry(const void* area) {
    auto& table = state().freed;
    if (table.empty()) {
        table.resize(std::size_t{1} << kFreedTableBits);
    }
    auto key = static_cast<std::uint64_t>(reinterpret_cast<std::uintptr_t>(area) >> 4);
    return table[(key * 0x9E3779B97F4A7C15u) >> (64 - kFreedTableBits)];
}

BlockInfo classify(void* area) {
    AllocatorState& s = state();
    if (s.live.count(key_of(area)) != 0) {
        const BlockHeader* header = header_of(area);
        int number = static_cast<int>(header->number);
        if (header->tag == kPermanentBlockTag) {
            return {BlockKind::Permanent, number};
        }
        if (header->tag == kTemporaryBlockTag) {
            return {BlockKind::Temporary, number};
        }
        return {BlockKind::Unknown, number};
    }
    const FreedEntry& freed = freed_entry(area);
    if (freed.key == key_of(area)) {
        return {BlockKind::Freed, static_cast<int>(freed.number)};
    }
    return {BlockKind::Unknown, -1};
}

void remember_live(void* area) {
    FreedEntry& freed = freed_entry(area);
    if (freed.key == key_of(area)) {
        freed = FreedEntry{};
    }
    state().live.insert(key_of(area));
}

void remember_freed(void* area, std::uint32_t number) {
    state().live.erase(key_of(area));
    freed_entry(area) = FreedEntry{key_of(area), number};
}

void* obtain(std::size_t size, std::uint32_t tag) {
    if (!system_can_give(size)) {
        return nullptr;
    }
    void* base = std::malloc(system_size(size));
    if (base == nullptr) {
        return nullptr;
    }
    AllocatorState& s = state();
    void* area = area_of(base);
    BlockHeader* header = header_of(area);
    header->size = static_cast<std::uint32_t>(size);
    header->tag = tag;
    header->number = s.allocations++;
    s.total_bytes += size;
    remember_live(area);
    return area;
}

bool over_budget(std::uint64_t increase) {
    return state().permanent_bytes + increase >= memory_budget();
}

// Resizes the system block behind `area`; nullptr leaves the old block as it was.
void* resize(void* area, std::size_t size, bool copy_on_failure) {
    if (!system_can_give(size)) {
        return nullptr;
    }
    void* old_base = base_of(area);
    void* base = std::realloc(old_base, system_size(size));
    if (base == nullptr && copy_on_failure) {
        base = std::malloc(system_size(size));
        if (base != nullptr) {
            std::size_t old_size = header_of(area)->size;
            std::memcpy(base, old_base, kPrefix + (old_size < size ? old_size : size));
            std::free(old_base);
        }
    }
    if (base == nullptr) {
        return nullptr;
    }
    void* moved = area_of(base);
    if (moved != area) {
        state().live.erase(key_of(area));
        remember_live(moved);
    }
    return moved;
}

void account_resize(BlockHeader* header, std::size_t size, bool permanent) {
    AllocatorState& s = state();
    s.total_bytes = s.total_bytes - header->size + size;
    if (permanent) {
        s.permanent_bytes = s.permanent_bytes - header->size + size;
    }
    header->size = static_cast<std::uint32_t>(size);
}

}  // namespace

void* Kmallocp(std::size_t size) {
    if (size > kBudgetFreeRequest && over_budget(size)) {
        return nullptr;
    }
    void* area = obtain(size, kPermanentBlockTag);
    if (area == nullptr) {
        report_warning("Kmallocp: No more memory !");
        return nullptr;
    }
    state().permanent_bytes += size;
    return area;
}

void* Kmalloc(std::size_t size) {
    void* area = obtain(size, kTemporaryBlockTag);
    if (area == nullptr) {
        report_warning(format_text("Kmalloc(%d) : No more memory !", static_cast<int>(size)));
    }
    return area;
}

void* Kreallocp(void* area, std::size_t size) {
    if (area == nullptr) {
        return Kmallocp(size);
    }
    BlockInfo info = classify(area);
    switch (info.kind) {
        case BlockKind::Permanent:
            break;
        case BlockKind::Freed:
            report_fatal(
                format_text("Trying to reallocp previously freed memory #%d", info.number));
        case BlockKind::Temporary:
            report_fatal(
                format_text("Trying to reallocp temporary allocated memory#%d", info.number));
        case BlockKind::Unknown:
            report_fatal(format_text("Trying to reallocp not allocated or corrupted memory #%d",
                                     info.number));
    }
    std::size_t old_size = header_of(area)->size;
    if (size > kBudgetFreeRequest && size > old_size && over_budget(size - old_size)) {
        return nullptr;
    }
    void* moved = resize(area, size, true);
    if (moved == nullptr) {
        report_warning(format_text("Kreallocp: unable to increase size from %d to %d.",
                                   static_cast<int>(old_size), static_cast<int>(size)));
        return nullptr;
    }
    account_resize(header_of(moved), size, true);
    return moved;
}

void* Krealloc(void* area, std::size_t size) {
    if (area == nullptr) {
        return Kmalloc(size);
    }
    switch (classify(area).kind) {
        case BlockKind::Temporary:
            break;
        case BlockKind::Freed:
            report_fatal("Trying to realloc previously freed memory");
        case BlockKind::Permanent:
            report_fatal("Trying to realloc (tmp) permanently allocated memory");
        case BlockKind::Unknown:
            report_fatal("Trying to realloc (tmp) not allocated or corrupted memory");
    }
    std::size_t old_size = header_of(area)->size;
    void* moved = resize(area, size, false);
    if (moved == nullptr) {
        report_warning(format_text("Krealloc: unable to increase size from %d to %d.",
                                   static_cast<int>(old_size), static_cast<int>(size)));
        return nullptr;
    }
    account_resize(header_of(moved), size, false);
    return moved;
}

int Kfree(void* area) {
    if (area == nullptr) {
        return -1;
    }
    BlockInfo info = classify(area);
    switch (info.kind) {
        case BlockKind::Permanent:
        case BlockKind::Temporary:
            break;
        case BlockKind::Freed:
            report_fatal("Trying to free previously freed memory");
        case BlockKind::Unknown:
            report_fatal("Trying to free not allocated or corrupted memory");
    }
    AllocatorState& s = state();
    BlockHeader* header = header_of(area);
    s.total_bytes -= header->size;
    if (info.kind == BlockKind::Permanent) {
        s.permanent_bytes -= header->size;
    }
    header->tag = kFreedBlockTag;
    remember_freed(area, header->number);
    std::free(base_of(area));
    return 0;
}

MemoryCounters memory_counters() {
    const AllocatorState& s = state();
    return {s.allocations, s.total_bytes, s.permanent_bytes};
}

std::uint64_t memory_budget() {
    AllocatorState& s = state();
    if (!s.budget) {
        s.budget = memory_detail::budget_from_free_memory(memory_detail::available_system_memory());
    }
    return *s.budget;
}

void set_memory_budget(std::optional<std::uint64_t> bytes) {
    state().budget = bytes;
}

void set_system_allocation_limit(std::optional<std::size_t> bytes) {
    state().system_limit = bytes;
}
