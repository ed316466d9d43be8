#include "gui/framework/accessible_names.h"

#include <QAbstractButton>
#include <QLabel>
#include <QPointer>
#include <QVariant>

namespace {

constexpr char kNameSource[] = "accessibleNameSource";

QString captionOf(const QWidget* source) {
    if (const auto* label = qobject_cast<const QLabel*>(source)) {
        return label->text();
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(source)) {
        return button->text();
    }
    return source->accessibleName();
}

}  // namespace

QString withoutMnemonic(const QString& caption) {
    QString result;
    result.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == u'&') {
            ++i;
            if (i == caption.size()) {
                break;
            }
        }
        result.append(caption[i]);
    }
    return result;
}

void nameAfter(QWidget* control, QWidget* source) {
    control->setProperty(kNameSource, QVariant::fromValue(QPointer<QWidget>(source)));
    control->setAccessibleName(withoutMnemonic(captionOf(source)));
}

void renewAccessibleNames(QWidget* root) {
    for (QLabel* label : root->findChildren<QLabel*>()) {
        if (QWidget* buddy = label->buddy()) {
            buddy->setAccessibleName(withoutMnemonic(label->text()));
        }
    }
    for (QWidget* control : root->findChildren<QWidget*>()) {
        const QVariant source = control->property(kNameSource);
        if (source.isValid()) {
            if (QWidget* widget = source.value<QPointer<QWidget>>()) {
                control->setAccessibleName(withoutMnemonic(captionOf(widget)));
            }
        }
    }
}
