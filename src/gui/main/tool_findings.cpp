#include "gui/main/tool_findings.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <algorithm>

#include "gui/framework/installation_text.h"

const std::vector<ToolFinding>* ToolFindings::of(const std::string& path) const {
    const ToolIndexEntry* entry = index_ != nullptr ? index_->Find(path) : nullptr;
    return entry != nullptr && !entry->findings.empty() ? &entry->findings : nullptr;
}

QString ToolFindings::text(const ToolFinding& finding) const {
    return fromInstallationText(FindingText(finding, language_)).simplified();
}

QString ToolFindings::lines(const std::vector<ToolFinding>& findings) const {
    QStringList texts;
    for (const ToolFinding& finding : findings) {
        texts << text(finding);
    }
    return texts.join(u'\n');
}

QIcon markedIcon(const QIcon& picture, QSize size, bool error) {
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    picture.paint(&painter, QRect(QPoint(0, 0), size));
    // A triangle (warning) or a disc (error) of about half the picture's height, with "!".
    const qreal side = std::max(8.0, size.height() * 0.6);
    const QRectF mark(size.width() - side, size.height() - side, side, side);
    painter.setPen(QPen(QColor(60, 60, 60), 1));
    if (error) {
        painter.setBrush(QColor(211, 47, 47));
        painter.drawEllipse(mark.adjusted(0.5, 0.5, -0.5, -0.5));
    } else {
        QPainterPath triangle;
        triangle.moveTo(mark.center().x(), mark.top() + 0.5);
        triangle.lineTo(mark.right() - 0.5, mark.bottom() - 0.5);
        triangle.lineTo(mark.left() + 0.5, mark.bottom() - 0.5);
        triangle.closeSubpath();
        painter.setBrush(QColor(245, 194, 17));
        painter.drawPath(triangle);
    }
    painter.setPen(QPen(error ? Qt::white : Qt::black, std::max(1.2, side / 7)));
    const qreal x = mark.center().x();
    painter.drawLine(QPointF(x, mark.top() + side * 0.32), QPointF(x, mark.top() + side * 0.62));
    painter.drawPoint(QPointF(x, mark.top() + side * 0.8));
    painter.end();
    return QIcon(pixmap);
}
