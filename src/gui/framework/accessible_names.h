#pragma once
// Every control is reachable through the accessibility interface under a name a user would say.
// Buttons, check boxes and tabs are named by their caption (Qt does that). An input control is
// named after its label (QLabel::setBuddy) or, where it has no label, after its apply check:
// a page calls nameAfter once while it builds its controls, and renewAccessibleNames(page) after
// every caption change (language change), so the names follow the captions.

class QWidget;
class QString;

// Names `control` after the caption of `source` (a label or a check box) from now on.
void nameAfter(QWidget* control, QWidget* source);
// Sets the accessible names below `root` from the current captions: every buddy of a label and
// every control given a source with nameAfter.
void renewAccessibleNames(QWidget* root);
// The caption without its mnemonic marks ("&Diameter" -> "Diameter", "&&" -> "&").
QString withoutMnemonic(const QString& caption);
