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

QStringList namelessControls(QWidget* root) {
    QStringList nameless;
    for (QWidget* widget : root->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!qobject_cast<QAbstractButton*>(widget) && !qobject_cast<QLineEdit*>(widget) &&
            !qobject_cast<QComboBox*>(widget) && !qobject_cast<QAbstractSpinBox*>(widget) &&
            !qobject_cast<QAbstractItemView*>(widget) && !qobject_cast<QTextEdit*>(widget) &&
            !qobject_cast<QPlainTextEdit*>(widget) &&
            (!qobject_cast<QAbstractSlider*>(widget) || qobject_cast<QScrollBar*>(widget))) {
            nameless << namelessControls(widget);
        } else if (QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
                   accessible == nullptr ||
                   accessible->text(QAccessible::Name).trimmed().isEmpty()) {
            nameless << widget->objectName() + " (" + widget->metaObject()->className() + ")";
        }
    }
    return nameless;
}

}  // namespace guitest
