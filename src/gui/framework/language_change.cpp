#include "gui/framework/language_change.h"

#include <QCoreApplication>
#include <QPointer>
#include <QWidget>

namespace {

void sendToChildren(QWidget* parent) {
    // A window may create or delete children while it re-reads its captions.
    QList<QPointer<QWidget>> children;
    for (QObject* child : parent->children()) {
        if (auto* widget = qobject_cast<QWidget*>(child)) {
            children.append(widget);
        }
    }
    for (const QPointer<QWidget>& child : children) {
        if (child == nullptr) {
            continue;
        }
        QEvent event(kLanguageChangeEvent);
        QCoreApplication::sendEvent(child, &event);
        if (child != nullptr) {
            sendToChildren(child);
        }
    }
}

}  // namespace

void sendLanguageChange(QWidget* window) {
    if (window != nullptr) {
        sendToChildren(window);
    }
}
