#include "gui/framework/captions.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QVariant>

#include "gui/framework/accessible_names.h"
#include "gui/framework/control_ids.h"
#include "gui/framework/installation_text.h"
#include "language/language_selection.h"

namespace {

constexpr char kUnitsSection[] = "UNITS";
constexpr char kDegreeKey[] = "IDC_DEGREE";

void setCaption(QWidget* control, const QString& caption) {
    if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        button->setText(caption);
    } else if (auto* label = qobject_cast<QLabel*>(control)) {
        label->setText(caption);
    } else if (auto* box = qobject_cast<QGroupBox*>(control)) {
        box->setTitle(caption);
    }
}

void applyBelow(QWidget* parent, const LanguageFile& file, const std::string& section) {
    for (QObject* child : parent->children()) {
        auto* widget = qobject_cast<QWidget*>(child);
        if (widget == nullptr || widget->isWindow() ||
            widget->property(kDialogIdProperty).isValid()) {
            continue;
        }
        const QString name = widget->objectName();
        if (name.startsWith(QLatin1String("IDC_"))) {
            const std::string key = name.toStdString();
            const std::string from = key == kDegreeKey ? std::string(kUnitsSection) : section;
            setCaption(widget, fromInstallationText(file.Caption(from, key)));
        }
        applyBelow(widget, file, section);
    }
}

}  // namespace

void applyCaptions(QWidget* root, const LanguageFile& file, const std::string& section) {
    if (!file.Loaded()) {
        return;
    }
    applyBelow(root, file, section);
    renewAccessibleNames(root);
}
