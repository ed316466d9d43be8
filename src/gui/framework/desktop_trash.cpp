#include "gui/framework/desktop_trash.h"

#include <QFile>

#include "gui/framework/installation_text.h"

bool moveToDesktopTrash(const std::string& path) {
    return QFile::moveToTrash(fromFileName(path));
}
