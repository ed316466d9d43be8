#pragma once
// Where the desktop trash of a file lies (the freedesktop.org trash layout): Delete moves
// tools there so that any file manager can restore them, and says so in its question when the
// file's volume has none.

#include <string>

namespace platform {

// The trash folder that takes `path`: the user's home trash ("Trash" in the data folder) when
// the file lies on the home folder's volume, else the volume's own "$top/.Trash/$uid" (a sticky
// folder, not a link) or "$top/.Trash-$uid". "" when none can be used: the folder is not a
// writable folder, or it is missing and the folder to create it in is missing or not writable
// (the trash is made with a single folder, never a path of them).
std::string trash_directory_for(const std::string& path);

}  // namespace platform
