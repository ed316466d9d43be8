#pragma once
// The program's pictures, drawn as SVG and compiled into the program: the program icon, the
// about picture, a flag per language ("flag_" + language code), the tool tree's images
// ("tree_root", "tree_folder", "tree_folder_open", "tree_tool", "tree_tool_fedrix"), the tool
// list's images (toolListIcon) and the feed-over-depth curve of the Fedrix Optimization page
// ("fedrix_feed_depth"). Windows ask for them here, which also makes sure the resource is
// registered (the library is static).

#include <QIcon>
#include <QPixmap>
#include <QString>

// ":/pictures/NAME.svg"
QString picturePath(const QString& name);
QIcon programIcon();
// The picture drawn at `size` logical pixels, sharp on screens with more device pixels.
QPixmap picturePixmap(const QString& name, QSize size, qreal devicePixelRatio = 1.0);

// An image of the tool list by its number (1 folder, 3 tool, 4 tool with Fedrix settings,
// 5 flat end, 6 ball, 7 bull-nose cutter), 20 x 17 pixels; a null icon for any other number.
QIcon toolListIcon(int image);
