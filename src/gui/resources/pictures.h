#pragma once
// The program's pictures, drawn as SVG and compiled into the program: the program icon, the
// about picture, a flag per language ("flag_" + language code) and the tool tree's images
// ("tree_root", "tree_folder", "tree_folder_open", "tree_tool", "tree_tool_fedrix"). Windows
// ask for them here, which also makes sure the resource is registered (the library is static).

#include <QIcon>
#include <QPixmap>
#include <QString>

// ":/pictures/NAME.svg"
QString picturePath(const QString& name);
QIcon programIcon();
// The picture drawn at `size` logical pixels, sharp on screens with more device pixels.
QPixmap picturePixmap(const QString& name, QSize size, qreal devicePixelRatio = 1.0);
