#include "platform/file_stamp.h"

#include <sys/stat.h>

namespace platform {

std::optional<FileStamp> file_stamp(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        return std::nullopt;
    }
    FileStamp stamp;
    stamp.modified_ns =
        static_cast<std::int64_t>(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec;
    stamp.size = static_cast<std::int64_t>(info.st_size);
    return stamp;
}

}  // namespace platform
