#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/filesystem.h"
#include "platform/path_identity.h"

namespace platform {

std::vector<DirectoryEntry> list_entry_kinds(const std::string& directory) {
    return read_entry_kinds(directory).value_or(std::vector<DirectoryEntry>());
}

std::optional<std::vector<DirectoryEntry>> read_entry_kinds(const std::string& directory,
                                                            FileIdentity* identity) {
    std::vector<DirectoryEntry> entries;
    std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(resolve_case(directory).c_str()),
                                            &::closedir);
    if (!dir) {
        return std::nullopt;
    }
    const int folder = ::dirfd(dir.get());
    if (identity != nullptr) {
        struct stat info {};
        if (::fstat(folder, &info) != 0) {
            return std::nullopt;
        }
        *identity = {static_cast<std::uint64_t>(info.st_dev),
                     static_cast<std::uint64_t>(info.st_ino)};
    }
    while (const dirent* raw = ::readdir(dir.get())) {
        const std::string_view name(raw->d_name);
        if (name == "." || name == "..") {
            continue;
        }
        DirectoryEntry entry;
        entry.name = std::string(name);
        unsigned char kind = raw->d_type;
        if (kind == DT_UNKNOWN) {
            struct stat info {};
            if (::fstatat(folder, raw->d_name, &info, AT_SYMLINK_NOFOLLOW) != 0) {
                continue;  // removed while we were reading
            }
            kind = S_ISLNK(info.st_mode) ? DT_LNK : S_ISDIR(info.st_mode) ? DT_DIR : DT_REG;
        }
        entry.is_symlink = kind == DT_LNK;
        if (entry.is_symlink) {
            // What the link leads to; a dangling link is shown as itself.
            struct stat info {};
            entry.is_directory =
                ::fstatat(folder, raw->d_name, &info, 0) == 0 && S_ISDIR(info.st_mode);
        } else {
            entry.is_directory = kind == DT_DIR;
        }
        entries.push_back(std::move(entry));
    }
    return entries;
}

}  // namespace platform
