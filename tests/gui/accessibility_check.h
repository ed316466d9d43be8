#pragma once
// The input controls of a window that the accessibility interface gives no name.

#include <QStringList>

class QWidget;

namespace guitest {

// "objectName (class)" of each nameless button, edit, box, spin box, slider or item view below
// `root`; the inner parts of such a control (a combo box's edit) are not walked.
QStringList namelessControls(QWidget* root);

}  // namespace guitest
