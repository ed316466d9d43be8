#include "app/file_chooser.h"

namespace {

FileChooser* g_chooser = nullptr;

}  // namespace

FileChooser* install_file_chooser(FileChooser* chooser) {
    FileChooser* previous = g_chooser;
    g_chooser = chooser;
    return previous;
}

FileChooser* installed_file_chooser() {
    return g_chooser;
}
