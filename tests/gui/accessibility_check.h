#pragma once
// The input controls of a window that the accessibility interface gives no name.

#include <QStringList>

class QWidget;

namespace guitest {

// "objectName (class)" of each nameless control below `root`, inner parts not walked.
QStringList namelessControls(QWidget* root);

}  // namespace guitest
