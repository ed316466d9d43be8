#include "runtime/info_file.h"

#include <array>
#include <cstdlib>

#include "platform/filesystem.h"
#include "runtime/expansion.h"
#include "runtime/lock_file.h"
#include "runtime/report.h"
#include "runtime/status.h"

namespace {

constexpr std::size_t kMaxInfoName = 5;

std::string g_zone_directory;

struct LockEntry {
    std::string path;
    std::int64_t time = 0;
    int status = 0;
    bool locked = false;
};

std::array<LockEntry, kInfoLockEntries>& lock_table() {
    static auto* table = new std::array<LockEntry, kInfoLockEntries>();
    return *table;
}

std::string zone_directory() {
    if (!g_zone_directory.empty()) {
        return g_zone_directory;
    }
    const char* zone = std::getenv("KVXZONE");
    if (zone == nullptr) {
        return ".";
    }
    std::string directory = zone;
    while (directory.size() > 1 && platform::is_separator(directory.back())) {
        directory.pop_back();
    }
    return directory;
}

int build_name(const std::string& name, int number, const char* extension, std::string* path) {
    std::string cut = name.substr(0, name.find(' ')).substr(0, kMaxInfoName);
    std::string text = format_text("%s%c%s%d%s", zone_directory().c_str(), platform::kPathSeparator,
                                   cut.c_str(), number, extension);
    int status = expand_path_text(text, kInfoNameCapacity);
    *path = text;
    return status;
}

void release_entry(LockEntry& entry) {
    if (entry.locked) {
        int status;
        release_lock(entry.path, &status);
        entry.status = status;
    }
    entry.locked = false;
}

void unlock_all_at_exit() {
    info_unlock_all();
}

}  // namespace

void set_info_zone_directory(const std::string& directory) {
    g_zone_directory = directory;
}

int info_file_name(const std::string& name, int number, std::string* path) {
    return build_name(name, number, ".inf", path);
}

int info_lock_file_name(const std::string& name, int number, std::string* path) {
    return build_name(name, number, ".lck", path);
}

std::int64_t info_lock(const std::string& name, int number, int* status) {
    std::string path;
    int expansion = info_lock_file_name(name, number, &path);
    if (expansion != kStatusOk && expansion != kStatusUndefined) {
        *status = expansion;
        return 0;
    }
    static bool exit_handler = false;
    if (!exit_handler) {
        exit_handler = std::atexit(unlock_all_at_exit) == 0;
    }
    auto& table = lock_table();
    LockEntry* entry = nullptr;
    for (auto& candidate : table) {
        if (candidate.locked && candidate.path == path) {
            entry = &candidate;
            break;
        }
    }
    if (entry != nullptr && lock_is_fresh(path, entry->time) &&
        check_lock(path, platform::process_id()) != 0) {
        *status = kLockAcquired;
        return entry->time;
    }
    if (entry == nullptr) {
        for (auto& candidate : table) {
            if (!candidate.locked) {
                entry = &candidate;
                break;
            }
        }
    }
    if (entry == nullptr) {
        // Every entry is taken: the oldest slot gives its lock up.
        entry = &table[0];
        release_entry(*entry);
    }
    entry->path = path;
    entry->time = acquire_lock(path, status);
    entry->status = *status;
    entry->locked = entry->time != 0;
    return entry->time;
}

int info_unlock(const std::string& name, int number) {
    std::string path;
    info_lock_file_name(name, number, &path);
    for (auto& entry : lock_table()) {
        if (entry.locked && entry.path == path) {
            release_entry(entry);
            return entry.status;
        }
    }
    return 0;
}

void info_unlock_all() {
    for (auto& entry : lock_table()) {
        release_entry(entry);
    }
}
