#include "gui/framework/modified_flags.h"

#include <QLineEdit>

bool anyEditModified(const QWidget* page) {
    for (const QLineEdit* edit : page->findChildren<QLineEdit*>()) {
        if (edit->isModified()) {
            return true;
        }
    }
    return false;
}

void clearEditsModified(QWidget* page) {
    for (QLineEdit* edit : page->findChildren<QLineEdit*>()) {
        edit->setModified(false);
    }
}
