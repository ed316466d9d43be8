#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <limits>

#include "platform/file_stamp.h"
#include "platform/filesystem.h"

namespace platform {

namespace {

// Without O_NONBLOCK the open of a FIFO waits for a writer that may never come.
int open_nonblocking(const std::string& path, bool for_update) {
    int fd;
    do {
        fd = ::open(path.c_str(),
                    (for_update ? O_RDWR : O_RDONLY) | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    } while (fd < 0 && errno == EINTR);
    return fd;
}

// The path as spelled is tried first: only a path that does not open is resolved ignoring
// case, so opening an existing file costs no extra lookup.
int open_regular(const std::string& path, bool for_update, struct stat& info) {
    if (path.empty()) {
        errno = ENOENT;
        return -1;
    }
    int fd = open_nonblocking(path, for_update);
    if (fd < 0) {
        const int error = errno;
        const std::string resolved = resolve_case(path);
        if (resolved == path) {
            errno = error;
            return -1;
        }
        fd = open_nonblocking(resolved, for_update);
        if (fd < 0) {
            return -1;
        }
    }
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        const int error = S_ISDIR(info.st_mode) ? EISDIR : EINVAL;
        ::close(fd);
        errno = error;
        return -1;
    }
    return fd;
}

// Clears O_NONBLOCK, the only status flag the open set.
void make_blocking(int fd) {
    ::fcntl(fd, F_SETFL, 0);
}

}  // namespace

int open_regular_file(const std::string& path, bool for_update) {
    struct stat info {};
    const int fd = open_regular(path, for_update, info);
    if (fd >= 0) {
        make_blocking(fd);
    }
    return fd;
}

std::FILE* open_regular_stream(const std::string& path, bool for_update) {
    const int fd = open_regular_file(path, for_update);
    if (fd < 0) {
        return nullptr;
    }
    std::FILE* stream = ::fdopen(fd, for_update ? "r+b" : "rb");
    if (stream == nullptr) {
        const int error = errno;
        ::close(fd);
        errno = error;
    }
    return stream;
}

std::optional<std::string> read_file(const std::string& path) {
    FileStamp stamp;
    return read_file_stamped(path, stamp, std::numeric_limits<std::int64_t>::max());
}

std::optional<std::string> read_file_stamped(const std::string& path, FileStamp& stamp,
                                             std::int64_t largest) {
    struct Closer {
        int fd;
        ~Closer() {
            if (fd >= 0) {
                ::close(fd);
            }
        }
    };
    struct stat info {};
    const Closer file{open_regular(path, false, info)};
    if (file.fd < 0) {
        return std::nullopt;
    }
    stamp = stamp_of(info);
    if (info.st_size > largest) {
        return std::nullopt;
    }
    // Read into a string sized by the file: one read takes a file that did not change since
    // the open, and a short read of exactly that size is its end. Anything else reads on to
    // the end, so a file that grows or shrinks meanwhile is still read whole.
    const std::size_t expected = info.st_size > 0 ? static_cast<std::size_t>(info.st_size) : 0;
    std::string bytes(expected > 0 ? expected + 1 : 4096, '\0');
    std::size_t size = 0;
    bool blocking = false;
    while (true) {
        if (size == bytes.size()) {
            bytes.resize(std::max<std::size_t>(2 * size, 4096));
        }
        const std::size_t wanted = bytes.size() - size;
        const ssize_t got = ::read(file.fd, bytes.data() + size, wanted);
        if (got < 0) {
            if (errno == EINTR) {
                continue;
            }
            // O_NONBLOCK has no effect on a regular file, but should one ever refuse to wait,
            // read it as a blocking descriptor.
            if ((errno == EAGAIN || errno == EWOULDBLOCK) && !blocking) {
                make_blocking(file.fd);
                blocking = true;
                continue;
            }
            return std::nullopt;
        }
        size += static_cast<std::size_t>(got);
        if (got == 0 || (size == expected && static_cast<std::size_t>(got) < wanted)) {
            bytes.resize(size);
            return bytes;
        }
    }
}

}  // namespace platform
