#include "gui/framework/modified_flags.h"

#include <QLineEdit>

#include "gui/framework/data_exchange.h"

bool anyEditModified(const QWidget* page) {
    for (const QLineEdit* edit : page->findChildren<QLineEdit*>()) {
        if (edit->isModified()) {
            return true;
        }
    }
    return false;
}

void watchTyping(QLineEdit* edit) {
    QObject::connect(edit, &QLineEdit::textChanged, edit, [edit] {
        if (changedSinceShown(edit)) {
            edit->setModified(true);
        }
    });
}
