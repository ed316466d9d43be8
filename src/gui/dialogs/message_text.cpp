#include "gui/dialogs/message_text.h"

#include <QFontMetrics>
#include <QPainter>
#include <QTextOption>

#include "gui/framework/dialog_units.h"

MessageText::MessageText(QWidget* parent) : QWidget(parent) {}

void MessageText::setText(const QString& text) {
    QString unified = text;
    unified.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    lines_ = unified.split(u'\n');
    setAccessibleName(text);
    update();
}

int MessageText::tabStop() const {
    return 8 * DialogUnits(font()).baseWidth();
}

QSize MessageText::textSize() const {
    const QFontMetrics metrics(font());
    int width = 0;
    for (const QString& line : lines_) {
        width = std::max(width, metrics.size(Qt::TextExpandTabs, line, tabStop()).width());
    }
    return QSize(width, static_cast<int>(lines_.size()) * metrics.lineSpacing());
}

void MessageText::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QFontMetrics metrics(font());
    QTextOption option(Qt::AlignLeft | Qt::AlignTop);
    option.setWrapMode(QTextOption::NoWrap);
    option.setTabStopDistance(tabStop());
    const int lineSpacing = metrics.lineSpacing();
    for (qsizetype i = 0; i < lines_.size(); ++i) {
        const QRectF line(0, static_cast<qreal>(i * lineSpacing), width(), lineSpacing);
        painter.drawText(line, lines_[i], option);
    }
}
