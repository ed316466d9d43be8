#include "language/builtin_texts.h"

#include "language/language_codes.h"

namespace {

constexpr const char* kChangeFileNotWritten =
    "E The change file\n\n\t'%s'\n\ncould not be written!";

constexpr const char* kTextEndsAsComment =
    "W The text\n\n\t'%s'\n\nends in \"**\": a tool file takes such a line for a comment, and "
    "the text would be lost.\nPlease change its end.";

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
    {kTextEndsAsComment,
     "W Der Text\n\n\t'%s'\n\nendet auf \"**\": eine Werkzeugdatei h\xE4lt eine solche Zeile "
     "f\xFCr "
     "einen Kommentar, und der Text ginge verloren.\nBitte \xE4ndern Sie sein Ende.",
     kTextEndsAsComment, kTextEndsAsComment, kTextEndsAsComment},
};

}  // namespace

const char* builtin_text(BuiltinText which, int language_index) {
    if (language_index < 0 || language_index >= kLanguageCount) {
        language_index = 0;
    }
    return kTexts[static_cast<int>(which)][language_index];
}
