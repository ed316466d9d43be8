#include "gui/resources/pictures.h"

#include <QPainter>
#include <QSvgRenderer>

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
