#include "runtime/lock_file.h"

#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <optional>

#include "platform/filesystem.h"
#include "runtime/clock.h"
#include "runtime/record_diagnostics.h"
#include "runtime/report.h"

namespace {

// Lock files are a process id and a zero byte; anything longer is not a lock of ours.
constexpr std::size_t kMaxLockContent = 32;

struct Progress {
    LockProgress callback = nullptr;
    void* context = nullptr;
};
Progress g_acquire_progress;
Progress g_wait_progress;

// Reports progress at most once a second; true when the callback asks to cancel.
class ProgressTicker {
public:
    ProgressTicker(const Progress& progress, const std::string& path)
        : progress_(progress), path_(path), start_(runtime_clock().now_milliseconds()) {}

    bool tick() {
        auto elapsed = static_cast<int>((runtime_clock().now_milliseconds() - start_) / 1000);
        if (progress_.callback == nullptr || elapsed == last_) {
            return false;
        }
        last_ = elapsed;
        return progress_.callback(progress_.context, path_.c_str(), elapsed) != 0;
    }
    void finish(int status) {
        if (progress_.callback != nullptr) {
            progress_.callback(progress_.context, path_.c_str(), -status);
        }
    }

private:
    Progress progress_;
    const std::string& path_;
    std::int64_t start_;
    int last_ = -1;
};

std::string pid_text(std::uint32_t pid) {
    return format_text("%lu", static_cast<unsigned long>(pid));
}

struct LockContent {
    int handle = 0;            // -1 when the file cannot be opened
    long bytes = 0;            // bytes read
    std::string text;          // up to the first zero byte
    bool well_formed = false;  // nothing follows the zero byte
};

LockContent read_lock(const std::string& path) {
    LockContent content;
    std::FILE* file = platform::open_regular_stream(path);
    if (file == nullptr) {
        content.handle = -1;
        return content;
    }
    char data[kMaxLockContent + 1];
    content.bytes = static_cast<long>(std::fread(data, 1, sizeof data, file));
    std::fclose(file);
    auto size = static_cast<std::size_t>(content.bytes);
    const char* zero = static_cast<const char*>(std::memchr(data, 0, size));
    std::size_t length = zero != nullptr ? static_cast<std::size_t>(zero - data) : size;
    content.text.assign(data, length);
    content.well_formed = size <= kMaxLockContent && (zero == nullptr || length + 1 == size);
    return content;
}

bool holds_pid(const LockContent& content, std::uint32_t pid) {
    return content.bytes > 0 && content.well_formed && content.text == pid_text(pid);
}

std::string bare_name(const std::string& path) {
    auto slash = path.find_last_of("/\\");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string directory_of(const std::string& path) {
    auto slash = path.find_last_of("/\\");
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? path.substr(0, 1) : path.substr(0, slash);
}

// Removing a lock that another process holds now would hand the file to two owners.
bool removable(const std::string& path) {
    if (!platform::exists(path)) {
        return true;
    }
    LockContent content = read_lock(path);
    return content.handle == -1 || holds_pid(content, platform::process_id());
}

}  // namespace

void set_lock_progress(LockProgress callback, void* context) {
    g_acquire_progress = {callback, context};
}

void set_wait_progress(LockProgress callback, void* context) {
    g_wait_progress = {callback, context};
}

int create_lock(const std::string& path) {
    std::uint32_t pid = platform::process_id();
    int fd = platform::create_exclusive(path);
    if (fd >= 0) {
        std::string text = pid_text(pid);
        auto size = static_cast<ssize_t>(text.size() + 1);
        bool written = ::write(fd, text.c_str(), text.size() + 1) == size;
        written = ::close(fd) == 0 && written;
        if (!written) {
            platform::delete_file(path);
            return -2;
        }
        return 0;
    }
    if (errno != EEXIST) {
        return -2;
    }
    return holds_pid(read_lock(path), pid) ? 1 : -1;
}

std::int64_t check_lock(const std::string& path, std::uint32_t pid) {
    std::optional<std::int64_t> time = platform::modification_time(path);
    if (!time) {
        record_diagnostic(format_text("\nstat error : nomfic = %s\n\n", path.c_str()));
        return 0;
    }
    LockContent content = read_lock(path);
    if (content.handle == -1) {
        record_diagnostic(format_text("\nopen error : handle = %d , nomfic = %s\n\n",
                                      content.handle, path.c_str()));
        return 0;
    }
    if (content.bytes <= 0) {
        record_diagnostic(
            format_text("\nread error : nblu = %d\n\n", static_cast<int>(content.bytes)));
        return 0;
    }
    if (!holds_pid(content, pid)) {
        record_diagnostic(format_text("\nverif error : startpid = %lu , lockpid = %s\n\n",
                                      static_cast<unsigned long>(pid), content.text.c_str()));
        return 0;
    }
    return *time;
}

std::int64_t acquire_lock(const std::string& path, int* status) {
    Clock& clock = runtime_clock();
    std::uint32_t pid = platform::process_id();
    std::int64_t last_time = platform::modification_time(path).value_or(0);
    std::int64_t unchanged_since = clock.now_milliseconds();
    ProgressTicker progress(g_acquire_progress, path);
    std::int64_t result = 0;
    *status = kLockAcquired;
    for (;;) {
        int created = create_lock(path);
        if (created >= 0) {
            result = check_lock(path, pid);
            if (result == 0) {
                *status = kLockFailed;
            }
            break;
        }
        if (created == -2) {
            *status = kLockFailed;
            break;
        }
        std::int64_t now = clock.now_milliseconds();
        std::int64_t time = platform::modification_time(path).value_or(0);
        if (time != last_time) {
            record_diagnostic(format_text("[Lock %s] %lld -> %lld\n", path.c_str(),
                                          static_cast<long long>(last_time),
                                          static_cast<long long>(time)));
            last_time = time;
            unchanged_since = now;
        } else if (now - unchanged_since >= kLockAbandonSeconds * 1000LL) {
            record_diagnostic(format_text("TIME OUT [Lock %s] (%lld , %lld)\n", path.c_str(),
                                          static_cast<long long>(time),
                                          static_cast<long long>((now - unchanged_since) / 1000)));
            if (platform::delete_file(path)) {
                *status = kLockBroken;
                // A lock that someone else creates next gets its own ten seconds.
                last_time = 0;
                unchanged_since = now;
                continue;
            }
            if (platform::exists(path)) {
                *status = kLockFailed;
                break;
            }
        }
        if (progress.tick()) {
            *status = kLockCancelled;
            break;
        }
        clock.sleep_milliseconds(kLockPollMilliseconds);
    }
    progress.finish(*status);
    return *status == kLockAcquired || *status == kLockBroken ? result : 0;
}

void release_lock(const std::string& path, int* status) {
    if (removable(path) && platform::delete_file(path)) {
        *status = kLockReleased;
        return;
    }
    if (platform::is_directory(directory_of(path))) {
        *status = kLockNotReleased;
        return;
    }
    std::string bare = bare_name(path);
    *status = removable(bare) && platform::delete_file(bare) ? kLockReleased : kLockNotReleased;
}

int lock_is_fresh(const std::string& path, std::int64_t time) {
    std::optional<std::int64_t> modified = platform::modification_time(path);
    if (!modified) {
        modified = platform::modification_time(bare_name(path));
    }
    return modified && *modified - time < kLockFreshSeconds ? 1 : 0;
}

void wait_lock_removal(const std::string& path, int* status, int timeout_seconds) {
    Clock& clock = runtime_clock();
    if (timeout_seconds < 0) {
        timeout_seconds = kLockAbandonSeconds;
    }
    std::int64_t start = clock.now_milliseconds();
    ProgressTicker progress(g_wait_progress, path);
    *status = 0;
    while (platform::exists(path)) {
        if (clock.now_milliseconds() - start < timeout_seconds * 1000LL) {
            if (progress.tick()) {
                *status = kLockCancelled;
                break;
            }
            clock.sleep_milliseconds(kLockPollMilliseconds);
        } else {
            // One removal only: a file that reappears belongs to a new owner.
            *status = platform::delete_file(path) ? 1 : 2;
            break;
        }
    }
    progress.finish(*status);
}
