#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <string>

#include "platform/filesystem.h"

namespace platform {
namespace {

class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() { close(); }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }
    bool close() {
        if (fd_ < 0) {
            return true;
        }
        const bool ok = ::close(fd_) == 0;
        fd_ = -1;
        return ok;
    }

private:
    int fd_;
};

bool write_all(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

std::string directory_of(const std::string& path) {
    const std::size_t cut = path.rfind(kPathSeparator);
    if (cut == std::string::npos) {
        return ".";
    }
    return cut == 0 ? std::string(1, kPathSeparator) : path.substr(0, cut);
}

// A link chain longer than this is taken for a loop, as the system's own path lookup does.
constexpr int kMaxLinkHops = 40;

std::optional<std::string> link_target(const std::string& link) {
    std::string target(256, '\0');
    while (true) {
        const ssize_t length = ::readlink(link.c_str(), target.data(), target.size());
        if (length < 0) {
            return std::nullopt;
        }
        if (static_cast<std::size_t>(length) < target.size()) {
            target.resize(static_cast<std::size_t>(length));
            return target;
        }
        target.resize(target.size() * 2);
    }
}

// Replacing a symbolic link would cut it: the file it names is written instead, also when
// that file does not exist yet. nullopt with ELOOP for a loop.
std::optional<std::string> follow_link(std::string path) {
    for (int hop = 0; hop < kMaxLinkHops; ++hop) {
        struct stat info {};
        if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) {
            return path;
        }
        std::optional<std::string> target = link_target(path);
        if (!target || target->empty()) {
            return std::nullopt;
        }
        path = target->front() == kPathSeparator ? *target : join_path(directory_of(path), *target);
    }
    errno = ELOOP;
    return std::nullopt;
}

// A directory whose entries can only be added (or not changed at all) refuses the rename,
// and then the temporary file could not be removed either.
bool only_appendable(const std::string& directory) {
    const int fd = ::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    int flags = 0;
    const bool known = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
    ::close(fd);
    return known && (flags & (FS_APPEND_FL | FS_IMMUTABLE_FL)) != 0;
}

// The checks that make a replacement fail before anything is written; sets errno.
bool check_replaceable(const std::string& target, const std::string& directory,
                       struct stat& target_info, bool& replacing) {
    struct stat directory_info {};
    if (::stat(directory.c_str(), &directory_info) != 0) {
        return false;
    }
    if (!S_ISDIR(directory_info.st_mode)) {
        errno = ENOTDIR;
        return false;
    }
    if (::access(directory.c_str(), W_OK | X_OK) != 0) {
        return false;
    }
    if (only_appendable(directory)) {
        errno = EPERM;
        return false;
    }
    // The rename would succeed over a read-only file; Windows refuses the write.
    replacing = ::stat(target.c_str(), &target_info) == 0;
    if (replacing) {
        if (!S_ISREG(target_info.st_mode)) {
            errno = S_ISDIR(target_info.st_mode) ? EISDIR : EINVAL;
            return false;
        }
        if ((target_info.st_mode & S_IWUSR) == 0 || ::access(target.c_str(), W_OK) != 0) {
            errno = EACCES;
            return false;
        }
    }
    return true;
}

// The directory is found ignoring case, the name is taken as given.
std::optional<std::string> replace_target(const std::string& path) {
    if (path.empty() || path.back() == kPathSeparator) {
        errno = EINVAL;
        return std::nullopt;
    }
    const std::size_t cut = path.rfind(kPathSeparator);
    if (cut == std::string::npos) {
        return follow_link(path);
    }
    return follow_link(resolve_case(path.substr(0, cut)) + path.substr(cut));
}

}  // namespace

bool can_replace_file(const std::string& path) {
    const auto target = replace_target(path);
    struct stat info {};
    bool replacing = false;
    return target && check_replaceable(*target, directory_of(*target), info, replacing);
}

bool replace_file(const std::string& path, std::string_view bytes) {
    const auto resolved = replace_target(path);
    if (!resolved) {
        return false;
    }
    const std::string& target = *resolved;
    const std::string directory = directory_of(target);
    struct stat target_info {};
    bool replacing = false;
    if (!check_replaceable(target, directory, target_info, replacing)) {
        return false;
    }

    // Shortened so that the temporary name stays within the file system's name limit.
    const std::string base = target.substr(target.rfind(kPathSeparator) + 1).substr(0, 200);
    static std::atomic<unsigned> counter{0};
    std::string temporary;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temporary = join_path(directory, "." + base + "." + std::to_string(process_id()) + "-" +
                                             std::to_string(++counter) + ".tmp");
        fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST && errno != EINTR) {
            return false;
        }
    }
    Descriptor file(fd);
    if (file.get() < 0) {
        return false;
    }
    bool ok = write_all(file.get(), bytes);
    if (ok && replacing) {
        ok = ::fchmod(file.get(), target_info.st_mode & 07777) == 0;
    }
    // No fsync: what must survive is a crash of the program or a full disk, which a rename after
    // a complete, checked write and close covers (and the file system orders a rename over an
    // existing file after its data). Forcing every save to disk made saving a library more
    // than ten times slower than writing it plainly.
    ok = file.close() && ok;
    ok = ok && ::rename(temporary.c_str(), target.c_str()) == 0;
    if (!ok) {
        const int saved = errno;
        ::unlink(temporary.c_str());
        errno = saved;
        return false;
    }
    return true;
}

}  // namespace platform
