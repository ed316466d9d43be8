#pragma once
// Size and modification time of a file, to tell whether it changed since it was last read.

#include <cstdint>
#include <optional>
#include <string>

namespace platform {

struct FileStamp {
    std::int64_t modified_ns = 0;
    std::int64_t size = 0;
    bool operator==(const FileStamp&) const = default;
};

// nullopt when there is no such entry.
std::optional<FileStamp> file_stamp(const std::string& path);

}  // namespace platform
