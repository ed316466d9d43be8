#pragma once
// The runtime's checked allocator. Every block carries a header (size, tag, number) so that
// double frees, foreign pointers and mixing the two kinds end the process with a clear text.
// Permanent blocks count against a budget; temporary blocks do not. Single-threaded, like the
// rest of the runtime library.

#include <cstddef>
#include <cstdint>
#include <optional>

inline constexpr std::uint32_t kPermanentBlockTag = 0xA5A5A5A5u;
inline constexpr std::uint32_t kTemporaryBlockTag = 0xFC0DCAB4u;
inline constexpr std::uint32_t kFreedBlockTag = 0xFD0ECBB5u;

// Requests up to this size are never refused by the budget.
inline constexpr std::size_t kBudgetFreeRequest = 1024;
// Sizes are 32-bit in the header; larger requests fail like an exhausted system.
inline constexpr std::size_t kMaxBlockSize = 0x7FFFFFF0u;

void* Kmallocp(std::size_t size);
void* Kreallocp(void* area, std::size_t size);
void* Kmalloc(std::size_t size);
void* Krealloc(void* area, std::size_t size);
// 0, or -1 for a null area; misuse of a block is fatal.
int Kfree(void* area);

struct MemoryCounters {
    std::uint32_t allocations = 0;
    std::uint64_t total_bytes = 0;
    std::uint64_t permanent_bytes = 0;
};
MemoryCounters memory_counters();

// The permanent budget, computed on first need from the memory the system reports as
// available.
std::uint64_t memory_budget();

// Test seams. A fixed budget (nullopt: compute it again on first need), and a ceiling on the
// size of any single request to the system, above which it behaves as if memory were exhausted
// (nullopt: no ceiling).
void set_memory_budget(std::optional<std::uint64_t> bytes);
void set_system_allocation_limit(std::optional<std::size_t> bytes);
