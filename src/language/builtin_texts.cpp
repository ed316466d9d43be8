#include "language/builtin_texts.h"

#include "language/language_codes.h"

namespace {

constexpr const char* kChangeFileNotWritten =
    "E The change file\n\n\t'%s'\n\ncould not be written!";
constexpr const char* kStartedWithoutCamSystem =
    "CutterBase needs the environment of its CAM system (KVXHOME, KVXZONE):\n"
    "the CAM system starts it through KVX_CUTTER_HOOK_COMMAND for a toolpath.";

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
    {kStartedWithoutCamSystem,
     "CutterBase braucht die Umgebung seines CAM-Systems (KVXHOME, KVXZONE):\n"
     "Das CAM-System startet es \xFC"
     "ber KVX_CUTTER_HOOK_COMMAND f\xFCr eine Bahn.",
     kStartedWithoutCamSystem, kStartedWithoutCamSystem, kStartedWithoutCamSystem},
};

}  // namespace

const char* builtin_text(BuiltinText which, int language_index) {
    if (language_index < 0 || language_index >= kLanguageCount) {
        language_index = 0;
    }
    return kTexts[static_cast<int>(which)][language_index];
}
