#pragma once
// An edit's modified flag is the one the user's typing sets (QLineEdit::isModified); showing a
// value clears it. A text set in any other way than through the data exchange's show functions,
// as assistive technology sets it through the edit's accessible text interface, counts as typing
// too. A page asks whether any of its edits was typed into before it stores them.

class QLineEdit;
class QWidget;

bool anyEditModified(const QWidget* page);
// From now on a change of the edit's text away from the one shown sets its modified flag.
void watchTyping(QLineEdit* edit);
