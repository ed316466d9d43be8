#pragma once
// Checks and changes on the disk shared by the windows, the settings and the start-up code.
// The checks that report raise their message in section GENERAL; none of them throws.

#include <cstddef>
#include <string>

// The longest current directory the fall-backs take, as a directory text of the windows.
inline constexpr std::size_t kMaxCurrentDirectory = 259;

// Removes trailing separators from `directory` (a lone root separator stays), then checks that
// it names a directory. When it does not: GENERAL_DIR_NOT_VALID when `report`, and with
// `fall_back` the directory becomes the current directory.
bool ValidateDirectory(std::string& directory, bool report, bool fall_back);

// A directory the user gave, made absolute against the current directory and without "." and
// ".." components or trailing separators: the settings keep it beyond this run and this
// current directory. An empty text stays empty.
std::string AbsoluteDirectory(const std::string& directory);

// Something other than a directory stands at the path: a file, a FIFO, a device, a dangling
// link. A missing path is not such a thing.
bool NamesNonDirectory(const std::string& path);

// A file search finds the path (a file or a directory); GENERAL_FILE_NOT_VALID when it does not
// and `report`.
bool ValidateFile(const std::string& path, bool report);

// With `ask`, deletes only after a Yes to GENERAL_DELETE_FILE. A read-only file is made
// writable first. True when the file was deleted.
bool DeleteFileAsk(const std::string& path, bool ask);
// The same, telling a No, a file that was already gone (another program removed it) and a
// deletion that failed apart.
enum class DeleteOutcome { Deleted, Declined, AlreadyGone, Failed };
DeleteOutcome DeleteFileAsked(const std::string& path, bool ask);

// Asks the installed file chooser for a directory. False without an owner, without a chooser,
// when the user cancels or chooses an empty path.
bool BrowseForDirectory(void* owner, const std::string& title, std::string& directory);

// The current directory when it can be read and fits kMaxCurrentDirectory, else nothing.
bool ReadCurrentDirectory(std::string& directory);
