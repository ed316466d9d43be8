#pragma once
// The application's file chooser: the save-file picker (SaveFileDialog) and a folder picker, both
// Qt's own non-native dialogs, so they look alike everywhere and tests can drive them. `owner`
// is the QWidget the picker is modal to (or null). The application installs one at start
// (install_file_chooser) and removes it before it ends.

#include "app/file_chooser.h"

class QtFileChooser : public FileChooser {
public:
    std::optional<std::string> choose_directory(void* owner, const std::string& title) override;
    std::optional<std::string> choose_save_file(void* owner,
                                                const SaveFileRequest& request) override;
    std::optional<std::string> choose_open_file(void* owner,
                                                const SaveFileRequest& request) override;
};
