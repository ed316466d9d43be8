#include "gui/framework/control_ids.h"

#include <QVariant>

namespace {

void mark(QWidget* widget, const char* property, int id, const char* resourceName) {
    widget->setProperty(property, id);
    if (resourceName != nullptr) {
        widget->setObjectName(QString::fromLatin1(resourceName));
    }
}

int idOf(const QObject* object, const char* property) {
    return object != nullptr ? object->property(property).toInt() : 0;
}

// A nested page or another window is its own id space.
bool isOwnIdSpace(const QWidget* widget) {
    return widget->isWindow() || widget->property(kDialogIdProperty).isValid();
}

QWidget* search(const QWidget* parent, int id) {
    for (QObject* child : parent->children()) {
        auto* widget = qobject_cast<QWidget*>(child);
        if (widget == nullptr || isOwnIdSpace(widget)) {
            continue;
        }
        if (controlId(widget) == id) {
            return widget;
        }
        if (QWidget* found = search(widget, id)) {
            return found;
        }
    }
    return nullptr;
}

}  // namespace

void setControlId(QWidget* control, int id, const char* resourceName) {
    mark(control, kControlIdProperty, id, resourceName);
}

void setDialogId(QWidget* dialog, int id, const char* resourceName) {
    mark(dialog, kDialogIdProperty, id, resourceName);
}

int controlId(const QObject* object) {
    return idOf(object, kControlIdProperty);
}

int dialogId(const QObject* object) {
    return idOf(object, kDialogIdProperty);
}

QWidget* findControl(const QWidget* dialog, int id) {
    return dialog != nullptr ? search(dialog, id) : nullptr;
}
