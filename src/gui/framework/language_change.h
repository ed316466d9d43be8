#pragma once
// The language-change notification (message 1409 of the dialog framework): after a language
// file was loaded, every descendant of the main window receives it and re-reads its captions.
// A window handles it in event() or customEvent() by type.

#include <QEvent>

inline constexpr QEvent::Type kLanguageChangeEvent = static_cast<QEvent::Type>(QEvent::User + 1409);

class QWidget;

// Sends the notification to every descendant of `window` (not to `window` itself), parents
// before their children.
void sendLanguageChange(QWidget* window);
