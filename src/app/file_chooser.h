#pragma once
// The seam behind the save-file and folder pickers: the windows install one that shows the
// real dialogs, tests install one that answers from a queue. Nothing is installed at start.

#include <optional>
#include <string>

struct SaveFileRequest {
    std::string title;
    std::string folder;     // initial folder
    std::string file_name;  // initial file name
    std::string filter;     // "Description (*.ext)|*.ext||"
    std::string default_extension;
};

class FileChooser {
public:
    virtual ~FileChooser() = default;
    // The chosen directory, or nullopt when the user cancelled. `owner` is the window that owns
    // the picker (opaque to the core).
    virtual std::optional<std::string> choose_directory(void* owner, const std::string& title) = 0;
    // The chosen file, or nullopt when the user cancelled. The picker asks before an existing
    // file is overwritten and refuses a read-only file or a write-protected directory.
    virtual std::optional<std::string> choose_save_file(void* owner,
                                                        const SaveFileRequest& request) = 0;
    // An existing file to read, offered through the request's filter (its file name and
    // extension unused); nullopt when the user cancelled. Choosers without one answer Cancel.
    virtual std::optional<std::string> choose_open_file(void* owner,
                                                        const SaveFileRequest& request) {
        (void)owner;
        (void)request;
        return std::nullopt;
    }
};

// Installs `chooser` (not owned; nullptr removes it) and returns the previous one.
FileChooser* install_file_chooser(FileChooser* chooser);
FileChooser* installed_file_chooser();
