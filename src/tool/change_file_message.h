#pragma once
// The message for a change file that could not be written: the CAM system would otherwise
// apply nothing, or an old file, while the user believes the tool was sent.

#include <string>

// Raises the catalogue's own text for the failure, naming the file, in the catalogue's
// language (English where the catalogue has no text of that language).
void RaiseChangeFileNotWritten(const std::string& change_file_path);
