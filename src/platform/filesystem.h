#pragma once
// The operating-system layer that stands in for the Windows file calls the program was built on.
// Paths are native: the separator is kPathSeparator wherever Windows used the backslash.

#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

struct FileIdentity;

inline constexpr char kPathSeparator = '/';

// True for either separator: configuration written on Windows uses '\'.
inline bool is_separator(char c) {
    return c == '/' || c == '\\';
}

// The path as it exists on disk: when `path` does not exist as spelled, each component is
// resolved ignoring case (the first match in name order). Components from the first one that
// exists in no spelling are kept as given, so a new file in a differently spelled directory
// lands in that directory; `path` comes back unchanged when nothing resolves.
std::string resolve_case(const std::string& path);

// A directory entry exists (file, directory or anything else), after case resolution.
bool exists(const std::string& path);
bool is_directory(const std::string& path);
bool is_regular_file(const std::string& path);
bool is_read_only(const std::string& path);
// Gives the owner write permission back ("archive only" attributes on Windows).
bool make_writable(const std::string& path);

struct DirectoryEntry {
    std::string name;           // the name as stored on disk
    bool is_directory = false;  // also for a link to a directory
    bool is_symlink = false;    // recursive scans must not descend into these
    bool read_only = false;
    std::int64_t size = 0;
    std::int64_t modified = 0;  // seconds since the epoch
};

// Wildcard search: the last component of `pattern` holds '*' and '?' with their Windows
// meaning, matched ignoring case; the directory part is resolved ignoring case. Entries come
// sorted by name ignoring case, "." and ".." included when the pattern matches them.
std::vector<DirectoryEntry> find_files(const std::string& pattern);
// The matching rule on its own, for one name.
bool wildcard_match(std::string_view pattern, std::string_view name);
// The entries of a directory (resolved ignoring case) with their kind alone: name,
// is_directory and is_symlink, read from the listing itself where the file system records the
// kind, so that a scan of thousands of files reads no attributes. No "." and "..", no order.
std::vector<DirectoryEntry> list_entry_kinds(const std::string& directory);
// The same; nullopt when the directory cannot be read. With `identity`, also the directory
// the path leads to (links followed), from the same opening.
std::optional<std::vector<DirectoryEntry>> read_entry_kinds(const std::string& directory,
                                                            FileIdentity* identity = nullptr);

std::optional<std::string> current_directory();
bool set_current_directory(const std::string& path);

std::uint32_t process_id();
void sleep_milliseconds(int milliseconds);

// Modification time in seconds since the epoch, or nullopt when there is no such entry.
std::optional<std::int64_t> modification_time(const std::string& path);

// Creates the file only when it does not exist yet (owner read and write). Returns an open
// descriptor, or -1 with errno set (EEXIST when it exists).
int create_exclusive(const std::string& path);

// Fails on a read-only file, as Windows does; make_writable first.
bool delete_file(const std::string& path);
bool remove_directory(const std::string& path);
// Creates one directory; its parent must exist.
bool create_directory(const std::string& path);
// Creates the directory and every missing parent.
bool create_directories(const std::string& path);

// Opens an existing data file for reading, after case resolution. Only a regular file is
// opened, as checked on the opened descriptor; the open itself never waits on a FIFO or a
// device. -1 with errno set otherwise (EISDIR for a directory, EINVAL for other kinds).
// `for_update` opens it for reading and writing.
int open_regular_file(const std::string& path, bool for_update = false);
// The same as a stream opened "rb" ("r+b" for update); nullptr with errno set.
std::FILE* open_regular_stream(const std::string& path, bool for_update = false);

// Reads a whole regular file; nullopt when it cannot be opened or read.
std::optional<std::string> read_file(const std::string& path);
// The same into `bytes`, whose storage is reused; false (and `bytes` unspecified) when the file
// cannot be read.
bool read_file_into(const std::string& path, std::string& bytes);

// Replaces the file with these bytes atomically: a temporary file in the same directory is
// written, flushed and renamed over the target, so a failed write leaves the old file intact
// and no temporary behind. Fails (without touching anything) when the target is read-only or
// not a regular file, or the directory does not exist, cannot be written or only appended to.
// The file is written under the name given: the directory part is resolved ignoring case, the
// name is not, so a file whose name differs only in case is never taken for the target. A
// replaced file keeps its permissions; a symbolic link is kept and the file it names is
// written, created when the link dangles; a link loop fails with ELOOP.
bool replace_file(const std::string& path, std::string_view bytes);
// The checks of replace_file on their own: true when a replacement would be attempted.
bool can_replace_file(const std::string& path);

// A write beyond the file-size limit (ulimit -f) fails with EFBIG instead of ending the
// process, so that an atomic write cleans up and reports. Every program calls it at start.
void ignore_file_size_signal();

// Joins two parts with exactly one separator between them.
std::string join_path(const std::string& directory, const std::string& name);

}  // namespace platform
