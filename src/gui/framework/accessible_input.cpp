#include "gui/framework/accessible_input.h"

#include <QAbstractButton>
#include <QAccessibleWidget>
#include <QCheckBox>
#include <QKeySequence>
#include <QRadioButton>

#include "gui/framework/accessible_names.h"

namespace {

// A check box or radio button as Qt presents it, whose actions click it.
class AccessibleClickedButton : public QAccessibleWidget {
public:
    explicit AccessibleClickedButton(QAbstractButton* button)
        : QAccessibleWidget(button, qobject_cast<QRadioButton*>(button) != nullptr
                                        ? QAccessible::RadioButton
                                        : QAccessible::CheckBox) {
        addControllingSignal(QStringLiteral("toggled(bool)"));
    }

    QString text(QAccessible::Text kind) const override {
        QString text;
        if (kind == QAccessible::Name) {
            text = widget()->accessibleName();
            if (text.isEmpty()) {
                text = withoutMnemonic(button()->text());
            }
        } else if (kind == QAccessible::Accelerator) {
            text = QKeySequence::mnemonic(button()->text()).toString(QKeySequence::NativeText);
        }
        return text.isEmpty() ? QAccessibleWidget::text(kind) : text;
    }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.checkable = true;
        state.checked = button()->isChecked();
        const auto* check = qobject_cast<const QCheckBox*>(button());
        state.checkStateMixed = check != nullptr && check->checkState() == Qt::PartiallyChecked;
        state.pressed = button()->isDown();
        return state;
    }

    QStringList actionNames() const override {
        QStringList names;
        if (widget()->isEnabled()) {
            names << toggleAction();
        }
        return names + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& action) override {
        if (action == toggleAction() || action == pressAction()) {
            if (widget()->isEnabled()) {
                button()->click();
            }
            return;
        }
        QAccessibleWidget::doAction(action);
    }

private:
    QAbstractButton* button() const { return static_cast<QAbstractButton*>(widget()); }
};

QAccessibleInterface* createInterface(const QString& className, QObject* object) {
    if (className != QLatin1String("QCheckBox") && className != QLatin1String("QRadioButton")) {
        return nullptr;
    }
    auto* button = qobject_cast<QAbstractButton*>(object);
    return button != nullptr ? new AccessibleClickedButton(button) : nullptr;
}

}  // namespace

void installAccessibleInput() {
    // The factory installed last is asked first, before Qt's own.
    QAccessible::installFactory(createInterface);
}
