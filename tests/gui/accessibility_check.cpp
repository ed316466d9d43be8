#include "accessibility_check.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextEdit>

namespace guitest {
namespace {

bool isInputControl(QWidget* widget) {
    return qobject_cast<QAbstractButton*>(widget) || qobject_cast<QLineEdit*>(widget) ||
           qobject_cast<QComboBox*>(widget) || qobject_cast<QAbstractSpinBox*>(widget) ||
           qobject_cast<QAbstractItemView*>(widget) || qobject_cast<QTextEdit*>(widget) ||
           qobject_cast<QPlainTextEdit*>(widget) ||
           (qobject_cast<QAbstractSlider*>(widget) && !qobject_cast<QScrollBar*>(widget));
}

void walk(QWidget* parent, QStringList& nameless) {
    for (QWidget* widget : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!isInputControl(widget)) {
            walk(widget, nameless);
            continue;
        }
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
        if (accessible == nullptr || accessible->text(QAccessible::Name).trimmed().isEmpty()) {
            nameless.append(QStringLiteral("%1 (%2)").arg(widget->objectName(),
                                                          widget->metaObject()->className()));
        }
    }
}

}  // namespace

QStringList namelessControls(QWidget* root) {
    QStringList nameless;
    walk(root, nameless);
    return nameless;
}

}  // namespace guitest
