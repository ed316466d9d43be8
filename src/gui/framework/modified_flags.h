#pragma once
// An edit's modified flag is the one the user's typing sets (QLineEdit::isModified); showing a
// value clears it. A page asks whether any of its edits was typed into before it stores them,
// and clears the flags after a load or a save.

class QWidget;

bool anyEditModified(const QWidget* page);
void clearEditsModified(QWidget* page);
