#include "platform/trash_location.h"

#include <sys/stat.h>
#include <unistd.h>

#include <optional>

#include "platform/filesystem.h"
#include "platform/user_paths.h"

namespace platform {
namespace {

std::optional<struct stat> status_of(const std::string& path, bool follow = true) {
    struct stat info {};
    const int result = follow ? ::stat(path.c_str(), &info) : ::lstat(path.c_str(), &info);
    return result == 0 ? std::optional<struct stat>(info) : std::nullopt;
}

std::string parent_of(const std::string& path) {
    const std::size_t slash = path.find_last_of(kPathSeparator);
    if (slash == std::string::npos || slash == 0) {
        return std::string(1, kPathSeparator);
    }
    return path.substr(0, slash);
}

// A trash folder that exists must be a writable folder with "files" and "info" usable in it;
// one that does not exist must be creatable in the nearest existing folder above it.
bool usable_trash(const std::string& trash) {
    if (const auto info = status_of(trash, false)) {
        if (!S_ISDIR(info->st_mode) || ::access(trash.c_str(), W_OK | X_OK) != 0) {
            return false;
        }
        for (const char* part : {"files", "info"}) {
            const std::string inner = join_path(trash, part);
            const auto inner_info = status_of(inner, false);
            if (inner_info &&
                (!S_ISDIR(inner_info->st_mode) || ::access(inner.c_str(), W_OK | X_OK) != 0)) {
                return false;
            }
        }
        return true;
    }
    const std::string above = parent_of(trash);
    const auto info = status_of(above);
    return info && S_ISDIR(info->st_mode) && ::access(above.c_str(), W_OK | X_OK) == 0;
}

// The top folder of the volume that holds `path`.
std::string volume_top(const std::string& path, dev_t device) {
    std::string top = path;
    while (top.size() > 1) {
        const std::string up = parent_of(top);
        const auto info = status_of(up);
        if (!info || info->st_dev != device) {
            break;
        }
        top = up;
    }
    return top;
}

}  // namespace

std::string trash_directory_for(const std::string& path) {
    const std::string on_disk = resolve_case(path);
    const auto file = status_of(on_disk, false);
    if (!file || on_disk.empty() || on_disk.front() != kPathSeparator) {
        return {};
    }
    const std::string data = user_data_directory();
    const auto home = status_of(user_home_directory());
    if (!data.empty() && home && home->st_dev == file->st_dev) {
        const std::string home_trash = join_path(data, "Trash");
        return usable_trash(home_trash) ? home_trash : std::string();
    }
    const std::string top = volume_top(parent_of(on_disk), file->st_dev);
    const std::string uid = std::to_string(::getuid());
    const std::string shared = join_path(top, ".Trash");
    const auto shared_info = status_of(shared, false);
    if (shared_info && S_ISDIR(shared_info->st_mode) && (shared_info->st_mode & S_ISVTX) != 0) {
        const std::string own = join_path(shared, uid);
        if (usable_trash(own)) {
            return own;
        }
    }
    const std::string own = join_path(top, ".Trash-" + uid);
    return usable_trash(own) ? own : std::string();
}

}  // namespace platform
