#include "gui/pages/property_sheet.h"

#include <QEvent>

void PropertySheet::AddPage(QWidget* page) {
    addTab(page, page->windowTitle());
    page->installEventFilter(this);
}

bool PropertySheet::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::WindowTitleChange) {
        if (auto* page = qobject_cast<QWidget*>(watched)) {
            const int tab = indexOf(page);
            if (tab >= 0) {
                setTabText(tab, page->windowTitle());
            }
        }
    }
    return QTabWidget::eventFilter(watched, event);
}
