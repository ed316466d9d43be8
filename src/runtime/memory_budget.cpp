#include <unistd.h>

#include <cstdio>
#include <cstring>

#include "runtime/memory_internal.h"

namespace memory_detail {

// Probing by allocating until failure would claim all memory of a machine with overcommit,
// so the budget is taken from what the kernel reports as available instead.
std::uint64_t available_system_memory() {
    if (std::FILE* file = std::fopen("/proc/meminfo", "r")) {
        char line[256];
        unsigned long long kilobytes = 0;
        bool found = false;
        while (!found && std::fgets(line, sizeof line, file) != nullptr) {
            found = std::sscanf(line, "MemAvailable: %llu kB", &kilobytes) == 1;
        }
        std::fclose(file);
        if (found) {
            return static_cast<std::uint64_t>(kilobytes) * 1024u;
        }
    }
    long pages = sysconf(_SC_AVPHYS_PAGES);
    long page_size = sysconf(_SC_PAGESIZE);
    if (pages > 0 && page_size > 0) {
        return static_cast<std::uint64_t>(pages) * static_cast<std::uint64_t>(page_size);
    }
    return 0;
}

std::uint64_t budget_from_free_memory(std::uint64_t free_bytes) {
    return free_bytes / 10u * 7u + free_bytes % 10u * 7u / 10u;
}

}  // namespace memory_detail
