#include "gui/resources/pictures.h"

#include <QPainter>
#include <QSvgRenderer>

#include "app/tool_list_rows.h"

// Outside any namespace: the resource's registration function lives in the global one.
static int initPictures() {
    Q_INIT_RESOURCE(pictures);
    return 0;
}

static void registerPictures() {
    static const int registered = initPictures();
    (void)registered;
}

QString picturePath(const QString& name) {
    registerPictures();
    return QStringLiteral(":/pictures/") + name + QStringLiteral(".svg");
}

QIcon programIcon() {
    return QIcon(picturePath(QStringLiteral("cutterbase")));
}

QPixmap picturePixmap(const QString& name, QSize size, qreal devicePixelRatio) {
    QSvgRenderer renderer(picturePath(name));
    QPixmap pixmap(size * devicePixelRatio);
    pixmap.fill(Qt::transparent);
    {
        QPainter painter(&pixmap);
        renderer.render(&painter);
    }
    pixmap.setDevicePixelRatio(devicePixelRatio);
    return pixmap;
}

QIcon toolListIcon(int image) {
    static const struct {
        int image;
        const char* name;
    } kImages[] = {
        {kImageFolder, "list_folder"},
        {kImageTool, "list_tool"},
        {kImageFedrixTool, "list_tool_fedrix"},
        {kImageFlatEnd, "cutter_flat"},
        {kImageBall, "cutter_ball"},
        {kImageBullNose, "cutter_bullnose"},
    };
    for (const auto& entry : kImages) {
        if (entry.image == image) {
            return QIcon(picturePath(QLatin1String(entry.name)));
        }
    }
    return QIcon();
}
