#include "platform/filesystem.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <thread>

namespace platform {
namespace {

bool stat_resolved(const std::string& path, struct stat& info) {
    return !path.empty() && ::stat(resolve_case(path).c_str(), &info) == 0;
}

}  // namespace

bool exists(const std::string& path) {
    struct stat info {};
    return !path.empty() && ::lstat(resolve_case(path).c_str(), &info) == 0;
}

bool is_directory(const std::string& path) {
    struct stat info {};
    return stat_resolved(path, info) && S_ISDIR(info.st_mode);
}

bool is_regular_file(const std::string& path) {
    struct stat info {};
    return stat_resolved(path, info) && S_ISREG(info.st_mode);
}

// The owner's write bit stands for the Windows read-only attribute; the check ignores who
// we are, because a process running as root would otherwise never see a read-only file.
bool is_read_only(const std::string& path) {
    struct stat info {};
    return stat_resolved(path, info) && (info.st_mode & S_IWUSR) == 0;
}

bool make_writable(const std::string& path) {
    struct stat info {};
    if (!stat_resolved(path, info)) {
        return false;
    }
    return ::chmod(resolve_case(path).c_str(), (info.st_mode & 07777) | S_IWUSR) == 0;
}

std::optional<std::string> current_directory() {
    std::string buffer(256, '\0');
    while (true) {
        if (::getcwd(buffer.data(), buffer.size()) != nullptr) {
            buffer.resize(std::char_traits<char>::length(buffer.c_str()));
            return buffer;
        }
        if (errno != ERANGE || buffer.size() > (1u << 20)) {
            return std::nullopt;
        }
        buffer.resize(buffer.size() * 2);
    }
}

bool set_current_directory(const std::string& path) {
    return !path.empty() && ::chdir(resolve_case(path).c_str()) == 0;
}

std::uint32_t process_id() {
    return static_cast<std::uint32_t>(::getpid());
}

void ignore_file_size_signal() {
    ::signal(SIGXFSZ, SIG_IGN);
}

void sleep_milliseconds(int milliseconds) {
    if (milliseconds > 0) {
        std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
    }
}

std::optional<std::int64_t> modification_time(const std::string& path) {
    struct stat info {};
    if (!stat_resolved(path, info)) {
        return std::nullopt;
    }
    return static_cast<std::int64_t>(info.st_mtime);
}

int create_exclusive(const std::string& path) {
    if (path.empty()) {
        errno = ENOENT;
        return -1;
    }
    // A file that exists in another spelling exists: resolution finds it and O_EXCL refuses.
    int fd;
    do {
        fd = ::open(resolve_case(path).c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    } while (fd < 0 && errno == EINTR);
    return fd;
}

// Windows refuses to delete a read-only file; unlink would not.
bool delete_file(const std::string& path) {
    if (path.empty()) {
        return false;
    }
    const std::string resolved = resolve_case(path);
    struct stat info {};
    if (::lstat(resolved.c_str(), &info) != 0) {
        return false;
    }
    if (S_ISDIR(info.st_mode)) {
        errno = EISDIR;
        return false;
    }
    if (!S_ISLNK(info.st_mode) && (info.st_mode & S_IWUSR) == 0) {
        errno = EACCES;
        return false;
    }
    return ::unlink(resolved.c_str()) == 0;
}

bool remove_directory(const std::string& path) {
    return !path.empty() && ::rmdir(resolve_case(path).c_str()) == 0;
}

bool create_directory(const std::string& path) {
    return !path.empty() && ::mkdir(resolve_case(path).c_str(), 0777) == 0;
}

bool create_directories(const std::string& path) {
    if (path.empty()) {
        return false;
    }
    const std::string resolved = resolve_case(path);
    std::size_t position = 0;
    while (position != std::string::npos) {
        position = resolved.find(kPathSeparator, position + 1);
        const std::string prefix = resolved.substr(0, position);
        struct stat info {};
        if (::stat(prefix.c_str(), &info) == 0) {
            if (!S_ISDIR(info.st_mode)) {
                errno = ENOTDIR;
                return false;
            }
            continue;
        }
        if (::mkdir(prefix.c_str(), 0777) != 0 && errno != EEXIST) {
            return false;
        }
    }
    return is_directory(resolved);
}

std::string join_path(const std::string& directory, const std::string& name) {
    if (directory.empty()) {
        return name;
    }
    std::size_t end = directory.size();
    while (end > 1 && directory[end - 1] == kPathSeparator) {
        --end;
    }
    std::size_t start = 0;
    while (start < name.size() && name[start] == kPathSeparator) {
        ++start;
    }
    std::string joined = directory.substr(0, end);
    if (joined.back() != kPathSeparator) {
        joined += kPathSeparator;
    }
    joined.append(name, start, std::string::npos);
    return joined;
}

}  // namespace platform
