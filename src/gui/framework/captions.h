#pragma once
// Captions come from the application's language file, one section per dialog or page, keyed by
// the controls' resource names (their objectName). A window calls applyCaptions when it is built
// and on every language change; a control whose key is missing gets an empty caption, and a
// missing language file leaves every caption as it is.

#include <string>

class LanguageFile;
class QWidget;

// Sets the caption of every control below `root` (not entering nested pages) whose objectName
// starts with "IDC_", and renews the accessible names. Unit labels ("IDC_DEGREE") are shared by
// every page and take their caption from section UNITS.
void applyCaptions(QWidget* root, const LanguageFile& file, const std::string& section);
