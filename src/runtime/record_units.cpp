// The table of units: blocks of 16 descriptors, chained in creation order.

#include <cstdlib>
#include <cstring>
#include <memory>
#include <new>
#include <vector>

#include "runtime/record_file.h"
#include "runtime/record_unit.h"
#include "runtime/status.h"

namespace record_detail {
namespace {

struct Block {
    Unit units[kUnitsPerBlock];
};

// Never destroyed: units must still be reachable when the exit handler closes them.
std::vector<std::unique_ptr<Block>>& blocks() {
    static auto* table = new std::vector<std::unique_ptr<Block>>();
    return *table;
}

void close_all_at_exit() {
    record_close_all();
}

bool add_block() {
    static bool exit_handler = false;
    if (!exit_handler) {
        exit_handler = std::atexit(close_all_at_exit) == 0;
    }
    try {
        blocks().push_back(std::make_unique<Block>());
    } catch (const std::bad_alloc&) {
        return false;
    }
    return true;
}

}  // namespace

Unit* find_unit(int unit) {
    if (unit < 1) {
        return nullptr;
    }
    auto index = static_cast<std::size_t>(unit - 1);
    auto block = index / kUnitsPerBlock;
    if (block >= blocks().size()) {
        return nullptr;
    }
    return &blocks()[block]->units[index % kUnitsPerBlock];
}

std::uint16_t swap16(std::uint16_t value) {
    return static_cast<std::uint16_t>((value >> 8) | (value << 8));
}

std::uint32_t swap32(std::uint32_t value) {
    return (value >> 24) | ((value >> 8) & 0xFF00u) | ((value << 8) & 0xFF0000u) | (value << 24);
}

std::uint64_t swap64(std::uint64_t value) {
    return (static_cast<std::uint64_t>(swap32(static_cast<std::uint32_t>(value))) << 32) |
           swap32(static_cast<std::uint32_t>(value >> 32));
}

std::int32_t get_header_word(const Unit& u, int offset) {
    std::uint32_t raw;
    std::memcpy(&raw, u.header.data() + offset, sizeof raw);
    return static_cast<std::int32_t>(u.other_order ? swap32(raw) : raw);
}

void put_header_word(Unit& u, int offset, std::int32_t value) {
    auto raw = static_cast<std::uint32_t>(value);
    if (u.other_order) {
        raw = swap32(raw);
    }
    std::memcpy(u.header.data() + offset, &raw, sizeof raw);
}

}  // namespace record_detail

using namespace record_detail;

void get_unit(int* unit, int* status) {
    int number = 1;
    for (auto& block : blocks()) {
        for (auto& u : block->units) {
            if (!u.in_use) {
                u = Unit{};
                u.in_use = true;
                *unit = number;
                *status = kStatusOk;
                return;
            }
            ++number;
        }
    }
    if (!add_block()) {
        *unit = 0;
        *status = kStatusNoMemory;
        return;
    }
    blocks().back()->units[0].in_use = true;
    *unit = number;
    *status = kStatusOk;
}

void record_close_all() {
    int number = 1;
    for (auto& block : blocks()) {
        for (auto& u : block->units) {
            if (u.in_use && u.mode != 0) {
                record_close(number);
            }
            ++number;
        }
    }
}
