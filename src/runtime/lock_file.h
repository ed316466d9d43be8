#pragma once
// Lock files that bracket updates of shared workzone files. A lock file is created exclusively
// and holds its owner's process id as unsigned decimal followed by a zero byte. A lock whose
// file has not been modified for ten seconds counts as abandoned and is broken. Times are file
// modification times in seconds; waiting is measured and slept through runtime_clock().

#include <cstdint>
#include <string>

// Acquire statuses (also the final progress report, negated).
inline constexpr int kLockAcquired = 0;
inline constexpr int kLockBroken = 1;  // acquired after breaking an abandoned lock
inline constexpr int kLockFailed = 2;
inline constexpr int kLockCancelled = 3;

// Release statuses.
inline constexpr int kLockReleased = 1;
inline constexpr int kLockNotReleased = 2;

inline constexpr int kLockAbandonSeconds = 10;
inline constexpr int kLockPollMilliseconds = 200;
inline constexpr int kLockFreshSeconds = 6;

// Called at most once a second while waiting, then once with minus the final status; a
// nonzero result cancels the wait.
using LockProgress = int (*)(void* context, const char* path, int elapsed_seconds);
void set_lock_progress(LockProgress callback, void* context);
void set_wait_progress(LockProgress callback, void* context);

// 0 created, 1 it exists and is already ours, -1 it belongs to another process (or holds
// something else), -2 any other failure.
int create_lock(const std::string& path);

// The lock file's modification time when it exists, can be read and holds exactly `pid`,
// else 0.
std::int64_t check_lock(const std::string& path, std::uint32_t pid);

// Waits for the lock and takes it; returns its modification time (0 when not acquired).
std::int64_t acquire_lock(const std::string& path, int* status);

// Removes this process's lock file: status 1, or 2 when it cannot be removed or belongs to
// another process.
void release_lock(const std::string& path, int* status);

// 1 when the lock file (or one of its bare name) exists and was modified less than six
// seconds after `time`, else 0.
int lock_is_fresh(const std::string& path, std::int64_t time);

// Waits until the file is gone, removing it after `timeout_seconds` (negative: ten).
// Status 0 it went away, 1 it was removed, 2 it could not be removed, 3 cancelled.
void wait_lock_removal(const std::string& path, int* status, int timeout_seconds);
