#include "language/builtin_texts.h"

#include "language/language_codes.h"

namespace {

constexpr const char* kChangeFileNotWritten =
    "E The change file\n\n\t'%s'\n\ncould not be written!";

// German texts are in the installation's code page (Windows-1252).
const char* const kTexts[][kLanguageCount] = {
    {"E The Initialization File\n\n\t'%s'\n\ndoes not exist!",
     "E Die Initialisierungsdatei\n\n\t'%s'\n\nexistiert nicht!", "", "", ""},
    {"E The message entry\n\n\t[%s]\n\t%s = ???\n\ncould not be found in\n\n\t'%s'",
     "E Die Meldungseintrag\n\n\t[%s]\n\t%s = ???\n\nkonnte nicht gefunden werden in \n\n\t'%s'",
     "", "", ""},
    {"E The file\n\n\t'%s'\n\ndoes not include the error file type:\n\n\t'%s'",
     "E Die Datei\n\n\t'%s'\n\nenth\xE4lt nicht den Fehlerdateityp:\n\n\t'%s'", "", "", ""},
    {"E The file\n\n\t'%s'\n\ndoes not include the language file type\n\n\t'%s'\n\nof the "
     "application!",
     "E Die Datei\n\n\t'%s'\n\nenth\xE4lt nicht den Sprachendateityp\n\n\t'%s'\n\nder "
     "Applikation!",
     "", "", ""},
    {kChangeFileNotWritten, "E Die \xC4nderungsdatei\n\n\t'%s'\n\nkonnte nicht geschrieben werden!",
     kChangeFileNotWritten, kChangeFileNotWritten, kChangeFileNotWritten},
// The main window's texts.
#define CUTTERBASE_WINDOW_TEXT(english, german) \
    { english, german, english, english, english }
    CUTTERBASE_WINDOW_TEXT(
        "Q The changes to the tool have not been saved.\n\nDo you want to discard them?",
        "Q Die \xC4nderungen am Werkzeug wurden nicht gespeichert.\n\nWollen Sie sie verwerfen?"),
    CUTTERBASE_WINDOW_TEXT("W The toolpath file\n\n\t'%s'\n\ncould not be read!",
                           "W Die Bahndatei\n\n\t'%s'\n\nkonnte nicht gelesen werden!"),
    CUTTERBASE_WINDOW_TEXT("(not a readable tool file)", "(keine lesbare Werkzeugdatei)"),
    CUTTERBASE_WINDOW_TEXT(
        "Q The file\n\n\t'%s'\n\nis not a readable tool file.\n\nDo you want to write a "
        "reference to it into the change file all the same?",
        "Q Die Datei\n\n\t'%s'\n\nist keine lesbare Werkzeugdatei.\n\nWollen Sie trotzdem "
        "einen Verweis darauf in die \xC4nderungsdatei schreiben?"),
    CUTTERBASE_WINDOW_TEXT(
        "E The name of the tool file\n\n\t'%s'\n\nholds a line break and cannot go into the "
        "change file!",
        "E Der Name der Werkzeugdatei\n\n\t'%s'\n\nenth\xE4lt einen Zeilenumbruch und kann "
        "nicht in die \xC4nderungsdatei geschrieben werden!"),
    CUTTERBASE_WINDOW_TEXT("E The path\n\n\t'%s'\n\nis not a directory!",
                           "E Der Pfad\n\n\t'%s'\n\nist kein Verzeichnis!"),
#undef CUTTERBASE_WINDOW_TEXT
};

}  // namespace

const char* builtin_text(BuiltinText which, int language_index) {
    if (language_index < 0 || language_index >= kLanguageCount) {
        language_index = 0;
    }
    return kTexts[static_cast<int>(which)][language_index];
}
