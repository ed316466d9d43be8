#pragma once
// Pieces of the allocator that tests reach on their own.

#include <cstdint>

namespace memory_detail {

// Bytes the system reports as available (MemAvailable), or 0 when it reports nothing.
std::uint64_t available_system_memory();
// 70 % of the free memory, truncated.
std::uint64_t budget_from_free_memory(std::uint64_t free_bytes);

}  // namespace memory_detail
