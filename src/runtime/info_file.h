#pragma once
// Zone information files ("<zone>/<name><number>.inf") and the locks that bracket their
// updates ("<zone>/<name><number>.lck"). The name is cut at its first blank and to five
// characters. The zone directory is KVXZONE from the process environment, "." when unset, or
// the directory a caller set.

#include <cstdint>
#include <string>

inline constexpr int kInfoNameCapacity = 128;
inline constexpr int kInfoLockEntries = 999;

// Sets the zone directory explicitly; an empty text goes back to KVXZONE.
void set_info_zone_directory(const std::string& directory);

// The expanded path; returns the expansion status (0, or -32, -43 ... as path expansion gives).
int info_file_name(const std::string& name, int number, std::string* path);
int info_lock_file_name(const std::string& name, int number, std::string* path);

// Locks the information file for an update: returns the lock time, 0 when it was not acquired.
// Status as acquire_lock, or the negative expansion status when the name cannot be built.
// Locking the same file again while this process still holds it returns at once.
std::int64_t info_lock(const std::string& name, int number, int* status);
// Releases the lock taken by info_lock: 1 released, 2 not released, 0 not locked here.
int info_unlock(const std::string& name, int number);
// Releases every lock this process holds; also runs when the process exits.
void info_unlock_all();
