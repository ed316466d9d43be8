#include "gui/main/findings_line.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QTabBar>
#include <QTabWidget>

#include "gui/main/search_texts.h"
#include "gui/main/tool_findings.h"

FindingsLine::FindingsLine(QTabWidget* sheet)
    : QWidget(sheet), sheet_(sheet), mark_(new QLabel(this)), label_(new QLabel(this)) {
    setObjectName(QLatin1String(kObjectName));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 0, 4, 0);
    layout->setSpacing(4);
    layout->addWidget(mark_);
    layout->addWidget(label_, 1);
    sheet->installEventFilter(this);
    sheet->tabBar()->installEventFilter(this);
    hide();
}

void FindingsLine::showFindings(const std::vector<ToolFinding>& findings,
                                const ToolFindings& texts) {
    if (findings.empty()) {
        text_.clear();
        hide();
        return;
    }
    const QSize size(16, 16);
    mark_->setPixmap(markedIcon(QIcon(), size, HasErrorFinding(findings)).pixmap(size));
    text_ = texts.text(findings.front());
    if (findings.size() > 1) {
        text_ += searchText(SearchText::More, texts.language()).arg(findings.size() - 1);
    }
    const QString all = texts.lines(findings);
    setToolTip(all);
    setAccessibleName(searchText(SearchText::FindingsName, texts.language()));
    setAccessibleDescription(all);
    show();
    raise();
    place();
}

bool FindingsLine::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::Resize:
        case QEvent::Move:
        case QEvent::LayoutRequest:
            place();
            break;
        default:
            break;
    }
    return QWidget::eventFilter(watched, event);
}

void FindingsLine::place() {
    if (isHidden()) {
        return;
    }
    const QRect tabs = sheet_->tabBar()->geometry();
    const int left = tabs.right() + 8;
    setGeometry(left, tabs.top(), std::max(0, sheet_->width() - left), tabs.height());
    const int room = std::max(0, width() - mark_->sizeHint().width() - 12);
    label_->setText(label_->fontMetrics().elidedText(text_, Qt::ElideRight, room));
}
