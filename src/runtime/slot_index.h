#pragma once
// Parameter name -> slot of its first record in a section: an open-addressing table of slot
// numbers. Names are not copied; they are read back from the records when compared, so that
// loading a configuration costs no allocation per parameter.

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

class SlotIndex {
public:
    // `is_named(slot, name)` tells whether the record in that slot is the parameter `name`.
    template <typename IsNamed>
    std::optional<std::uint16_t> find(std::string_view name, IsNamed&& is_named) const {
        if (entries_.empty()) {
            return std::nullopt;
        }
        const std::uint32_t hash = hash_of(name);
        for (std::size_t i = hash & mask(); entries_[i].used; i = (i + 1) & mask()) {
            if (entries_[i].hash == hash && is_named(entries_[i].slot, name)) {
                return entries_[i].slot;
            }
        }
        return std::nullopt;
    }

    // Adds the name unless it is indexed already: the first slot of a name stays.
    template <typename IsNamed>
    void add_if_absent(std::string_view name, std::uint16_t slot, IsNamed&& is_named) {
        if ((count_ + 1) * 4 > entries_.size() * 3) {
            grow();
        }
        const std::uint32_t hash = hash_of(name);
        std::size_t i = hash & mask();
        for (; entries_[i].used; i = (i + 1) & mask()) {
            if (entries_[i].hash == hash && is_named(entries_[i].slot, name)) {
                return;
            }
        }
        entries_[i] = Entry{hash, slot, true};
        ++count_;
    }

private:
    struct Entry {
        std::uint32_t hash = 0;
        std::uint16_t slot = 0;
        bool used = false;
    };

    // FNV-1a: names are short, and this needs no setup per call.
    static std::uint32_t hash_of(std::string_view name) {
        std::uint32_t hash = 2166136261u;
        for (char c : name) {
            hash = (hash ^ static_cast<unsigned char>(c)) * 16777619u;
        }
        return hash;
    }

    std::size_t mask() const { return entries_.size() - 1; }

    void grow() {
        std::vector<Entry> old = std::move(entries_);
        entries_.assign(old.empty() ? 64 : old.size() * 2, Entry{});
        for (const Entry& entry : old) {
            if (entry.used) {
                std::size_t i = entry.hash & mask();
                while (entries_[i].used) {
                    i = (i + 1) & mask();
                }
                entries_[i] = entry;
            }
        }
    }

    std::vector<Entry> entries_;  // a power of two in size, at most three quarters used
    std::size_t count_ = 0;
};
