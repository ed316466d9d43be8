#pragma once
// One look at a folder of the library: its entries with the stamps of its files. Two looks tell
// what another program added, removed or rewrote there without reading a single tool file; the
// window follows the folder it shows with them, by notification or by polling.

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/file_stamp.h"

struct FolderLook {
    bool readable = false;
    // Every entry by name; a regular file (links followed) with its stamp, anything else without.
    std::map<std::string, std::optional<platform::FileStamp>> entries;
    bool operator==(const FolderLook&) const = default;
};

// One listing and one stat per file; a folder that cannot be read is not readable and empty.
FolderLook LookAtFolder(const std::string& directory);

struct FolderChanges {
    std::vector<std::string> added;
    std::vector<std::string> removed;
    std::vector<std::string> changed;  // there in both looks, with another stamp or kind
    bool Any() const { return !added.empty() || !removed.empty() || !changed.empty(); }
};

// Names in the order of the looks (byte order).
FolderChanges CompareLooks(const FolderLook& before, const FolderLook& after);
