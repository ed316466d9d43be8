#include "platform/file_stamp.h"

#include <sys/stat.h>

#include "platform/filesystem.h"

namespace platform {
namespace {

std::optional<FileStamp> regular_stamp_of(const struct stat& info) {
    if (!S_ISREG(info.st_mode)) {
        return std::nullopt;
    }
    return stamp_of(info);
}

}  // namespace

std::optional<FileStamp> regular_file_stamp(const std::string& path) {
    struct stat info {};
    if (path.empty()) {
        return std::nullopt;
    }
    if (::stat(path.c_str(), &info) != 0) {
        const std::string resolved = resolve_case(path);
        if (resolved == path || ::stat(resolved.c_str(), &info) != 0) {
            return std::nullopt;
        }
    }
    return regular_stamp_of(info);
}

std::optional<FileStamp> listed_file_stamp(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        return std::nullopt;
    }
    return regular_stamp_of(info);
}

FileStamp stamp_of(const struct stat& info) {
    FileStamp stamp;
    stamp.device = static_cast<std::uint64_t>(info.st_dev);
    stamp.inode = static_cast<std::uint64_t>(info.st_ino);
    stamp.size = static_cast<std::int64_t>(info.st_size);
    stamp.modified_ns =
        static_cast<std::int64_t>(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec;
    return stamp;
}

}  // namespace platform
