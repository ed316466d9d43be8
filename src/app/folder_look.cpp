#include "app/folder_look.h"

#include "platform/filesystem.h"

FolderLook LookAtFolder(const std::string& directory) {
    FolderLook look;
    const std::string on_disk = platform::resolve_case(directory);
    const auto listing = platform::read_entry_kinds(on_disk);
    if (!listing) {
        return look;
    }
    look.readable = true;
    for (const platform::DirectoryEntry& entry : *listing) {
        look.entries[entry.name] =
            entry.is_directory
                ? std::nullopt
                : platform::listed_file_stamp(platform::join_path(on_disk, entry.name));
    }
    return look;
}

FolderChanges CompareLooks(const FolderLook& before, const FolderLook& after) {
    FolderChanges changes;
    auto old = before.entries.begin();
    auto now = after.entries.begin();
    while (old != before.entries.end() || now != after.entries.end()) {
        if (now == after.entries.end() ||
            (old != before.entries.end() && old->first < now->first)) {
            changes.removed.push_back((old++)->first);
        } else if (old == before.entries.end() || now->first < old->first) {
            changes.added.push_back((now++)->first);
        } else {
            if (old->second != now->second) {
                changes.changed.push_back(now->first);
            }
            ++old;
            ++now;
        }
    }
    return changes;
}
