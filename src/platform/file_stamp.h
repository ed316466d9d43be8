#pragma once
// What tells whether a file changed since it was last read: the file it is (device and inode:
// a file replaced by another is a change even with the same size and time), its size and its
// modification time.

#include <cstdint>
#include <optional>
#include <string>

struct stat;

namespace platform {

struct FileStamp {
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::int64_t size = 0;
    std::int64_t modified_ns = 0;
    bool operator==(const FileStamp&) const = default;
};

// The stamp of the regular file at `path` (links followed, the path resolved ignoring case
// when it does not exist as spelled); nullopt when no regular file is there. One stat when
// the file exists as spelled.
std::optional<FileStamp> regular_file_stamp(const std::string& path);
// The same for a name just read from its folder's listing: never resolved ignoring case, so a
// file removed meanwhile costs one stat, not a search of its folder.
std::optional<FileStamp> listed_file_stamp(const std::string& path);

// Reads a whole regular file as read_file does, and gives the stamp of the file it opened: no
// second lookup of the path. A file larger than `largest` is not read (nullopt, stamp set).
std::optional<std::string> read_file_stamped(const std::string& path, FileStamp& stamp,
                                             std::int64_t largest);

// The stamp of a file from its attributes.
FileStamp stamp_of(const struct stat& info);

}  // namespace platform
