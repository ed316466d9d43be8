#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/filesystem.h"

namespace platform {

int open_regular_file(const std::string& path, bool for_update) {
    if (path.empty()) {
        errno = ENOENT;
        return -1;
    }
    // Without O_NONBLOCK the open of a FIFO waits for a writer that may never come.
    int fd;
    do {
        fd = ::open(resolve_case(path).c_str(),
                    (for_update ? O_RDWR : O_RDONLY) | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0) {
        return -1;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        const int error = S_ISDIR(info.st_mode) ? EISDIR : EINVAL;
        ::close(fd);
        errno = error;
        return -1;
    }
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags >= 0) {
        ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
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
    struct Closer {
        int fd;
        ~Closer() {
            if (fd >= 0) {
                ::close(fd);
            }
        }
    } file{open_regular_file(path)};
    if (file.fd < 0) {
        return std::nullopt;
    }
    std::string bytes;
    char buffer[65536];
    while (true) {
        const ssize_t got = ::read(file.fd, buffer, sizeof buffer);
        if (got < 0) {
            if (errno == EINTR) {
                continue;
            }
            return std::nullopt;
        }
        if (got == 0) {
            return bytes;
        }
        bytes.append(buffer, static_cast<std::size_t>(got));
    }
}

}  // namespace platform
