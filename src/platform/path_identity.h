#pragma once
// Where a path leads: its absolute form without "." and "..", and the file it names once
// symbolic links are followed. Tool references and the library scan decide with these whether
// two spellings name the same directory.

#include <cstdint>
#include <optional>
#include <string>

namespace platform {

// `path` made absolute against the current directory, without empty and "." components, and
// with each ".." taking away the component before it (at the root it stays at the root).
// Symbolic links are left as they are: the result is the path as the user spelled it.
std::string absolute_normal_path(const std::string& path);

// A file as the system knows it, whatever the path that reached it.
struct FileIdentity {
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    bool operator==(const FileIdentity&) const = default;
};

// The file `path` names, links followed; nullopt when it names nothing (also a dangling link).
std::optional<FileIdentity> file_identity(const std::string& path);

}  // namespace platform
