#include "language/builtin_texts.h"

#include <cstddef>
#include <iterator>

#include "language/language_codes.h"

namespace {

constexpr const char* kChangeFileNotWritten =
    "E The change file\n\n\t'%s'\n\ncould not be written!";
constexpr const char* kStartedWithoutCamSystem =
    "CutterBase needs the environment of its CAM system (KVXHOME, KVXZONE):\n"
    "the CAM system starts it through KVX_CUTTER_HOOK_COMMAND for a toolpath.";

constexpr const char* kReplaceForeignFedrixFile =
    "Q The file\n\n\t'%s'\n\nis no Fedrix tool file that this program can read.\n"
    "Replace it with the tool's Fedrix settings?";
constexpr const char* kDeleteForeignFedrixFile =
    "Q The file\n\n\t'%s'\n\nis no Fedrix tool file that this program can read.\n"
    "Delete it, as the tool has no Fedrix settings now?";

// The main window's texts: every language but German shows the English one.
constexpr const char* kDiscardEdits =
    "Q The changes to the tool have not been saved.\n\nDo you want to discard them?";
constexpr const char* kToolpathUnreadable = "W The toolpath file\n\n\t'%s'\n\ncould not be read!";
constexpr const char* kNotAToolFile = "(not a readable tool file)";
constexpr const char* kWriteUnreadable =
    "Q The file\n\n\t'%s'\n\nis not a readable tool file.\n\nDo you want to write a reference to "
    "it into the change file all the same?";
constexpr const char* kNameWithLineBreak =
    "E The name of the tool file\n\n\t'%s'\n\nholds a line break and cannot go into the change "
    "file!";
constexpr const char* kNotADirectory = "E The path\n\n\t'%s'\n\nis not a directory!";

constexpr const char* kTextEndsAsComment =
    "W The text\n\n\t'%s'\n\nends in \"**\": a tool file takes such a line for a comment, and "
    "the text would be lost.\nPlease change its end.";
constexpr const char* kSaveToolWithErrors =
    "Q The tool has errors:\n\n%s\n\nDo you want to save it all the same?";

// Search and the library check.
constexpr const char* kSearchTermNotUnderstood =
    "E The search term '%s' is not understood: use words, or d:, r:, cr:, no: with a "
    "number or a range (8-12), shape:ball|flat|bull, fedrix:yes|no, problem:yes|no.";
constexpr const char* kFindingUnreadable = "E The file cannot be read.";
constexpr const char* kFindingNoParameters = "E The file holds no parameter line.";
constexpr const char* kFindingNoSize =
    "E The tool has no size: neither TP_BRAD nor TP_CDIAM is above 0.";
constexpr const char* kFindingSizeMismatch =
    "E The body radius %s (TP_BRAD) and the diameter %s (TP_CDIAM) disagree.";
constexpr const char* kFindingCornerNegative = "E The corner radius %s is below 0.";
constexpr const char* kFindingCornerTooLarge =
    "E The corner radius %s is larger than the cutter radius %s.";
constexpr const char* kFindingTolerance = "E The tolerance %s is not above 0.";
constexpr const char* kFindingStepover = "E The stepover %s is larger than the diameter %s.";
constexpr const char* kFindingNegative = "E %s = %s is below 0.";
constexpr const char* kFindingOutOfRange = "E %s = %s lies outside the range %s to %s.";
constexpr const char* kFindingNotANumber = "E %s = '%s' is not a number.";
constexpr const char* kFindingNotAnInteger = "E %s = '%s' is not an integer.";
constexpr const char* kFindingSharedNumber =
    "W The tool number %s is also the number of '%s', a tool of other geometry.";
constexpr const char* kFindingFedrixWithoutTool =
    "W The Fedrix file has no tool file '%s' beside it.";
constexpr const char* kFindingFedrixForeign =
    "W The file is no Fedrix tool file that this program can read.";
constexpr const char* kFindingFedrixStartDepth =
    "E The Fedrix start depth %s is above the maximum depth %s.";

constexpr const char* kExchangeExport = "Export...";
constexpr const char* kExchangeImport = "Import into this folder...";
constexpr const char* kExchangeExportFilter =
    "Tool table (*.tbl)|*.tbl|CSV (*.csv)|*.csv|Tool bit library (*.fctl)|*.fctl||";
constexpr const char* kExchangeImportFilter =
    "Tool table (*.tbl)|*.tbl|CSV (*.csv)|*.csv|Tool bits (*.fctl *.fctb)|*.fctl;*.fctb||";
constexpr const char* kExchangeImporting = "Importing tools...";
constexpr const char* kExchangeReportTitle = "Export and import";
constexpr const char* kExchangeSummary =
    "%s tool files written, %s replaced, %s skipped, %s failed.";
constexpr const char* kExchangeCancelled =
    "The import was cancelled: %s tools were not imported. The files written stay.";
constexpr const char* kExchangeNothingLost = "Nothing was lost.";
constexpr const char* kExchangeSourceRefused = "E The file\n\n\t'%s'\n\ncannot be imported:\n%s";
constexpr const char* kExchangeExported = "%s files written: %s";
// A shared library changed under the window.
constexpr const char* kChangedOnDisk =
    "Q The file\n\n\t'%s'\n\nwas changed by another program after it was loaded.\n\n"
    "Yes: overwrite it with your version.\n"
    "No: keep the other version and load it again (your changes are dropped).\n"
    "Cancel: back to the window, your changes are kept.";
constexpr const char* kRemovedOnDisk =
    "Q The file\n\n\t'%s'\n\nwas removed by another program after it was loaded.\n\n"
    "Yes: write it again with your version.\n"
    "No: leave it removed (your changes are dropped).\n"
    "Cancel: back to the window, your changes are kept.";
constexpr const char* kChangedBeforeDelete =
    "Q The file\n\n\t'%s'\n\nwas changed by another program after it was loaded.\n\n"
    "Yes: delete it all the same.\n"
    "No: keep it and load the other version.\n"
    "Cancel: back to the window.";
constexpr const char* kDeleteWithoutTrash =
    "Q The file\n\n\t'%s'\n\ncannot be moved to the trash on its volume.\n\n"
    "Do you want to delete it for good?";
constexpr const char* kReloadedNote = "(loaded again: changed by another program)";
constexpr const char* kNotDeleted = "E The file\n\n\t'%s'\n\ncould not be deleted!";

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
    {kReplaceForeignFedrixFile,
     "Q Die Datei\n\n\t'%s'\n\nist keine Fedrix-Werkzeugdatei, die dieses Programm lesen "
     "kann.\nDurch die Fedrix-Einstellungen des Werkzeugs ersetzen?",
     kReplaceForeignFedrixFile, kReplaceForeignFedrixFile, kReplaceForeignFedrixFile},
    {kDeleteForeignFedrixFile,
     "Q Die Datei\n\n\t'%s'\n\nist keine Fedrix-Werkzeugdatei, die dieses Programm lesen "
     "kann.\nL\xF6schen, da das Werkzeug nun keine Fedrix-Einstellungen hat?",
     kDeleteForeignFedrixFile, kDeleteForeignFedrixFile, kDeleteForeignFedrixFile},
    // The main window's texts.
    {kDiscardEdits,
     "Q Die \xC4nderungen am Werkzeug wurden nicht gespeichert.\n\nWollen Sie sie verwerfen?",
     kDiscardEdits, kDiscardEdits, kDiscardEdits},
    {kToolpathUnreadable, "W Die Bahndatei\n\n\t'%s'\n\nkonnte nicht gelesen werden!",
     kToolpathUnreadable, kToolpathUnreadable, kToolpathUnreadable},
    {kNotAToolFile, "(keine lesbare Werkzeugdatei)", kNotAToolFile, kNotAToolFile, kNotAToolFile},
    {kWriteUnreadable,
     "Q Die Datei\n\n\t'%s'\n\nist keine lesbare Werkzeugdatei.\n\nWollen Sie trotzdem einen "
     "Verweis darauf in die \xC4nderungsdatei schreiben?",
     kWriteUnreadable, kWriteUnreadable, kWriteUnreadable},
    {kNameWithLineBreak,
     "E Der Name der Werkzeugdatei\n\n\t'%s'\n\nenth\xE4lt einen Zeilenumbruch und kann nicht "
     "in die \xC4nderungsdatei geschrieben werden!",
     kNameWithLineBreak, kNameWithLineBreak, kNameWithLineBreak},
    {kNotADirectory, "E Der Pfad\n\n\t'%s'\n\nist kein Verzeichnis!", kNotADirectory,
     kNotADirectory, kNotADirectory},
    {kTextEndsAsComment,
     "W Der Text\n\n\t'%s'\n\nendet auf \"**\": eine Werkzeugdatei h\xE4lt eine solche Zeile "
     "f\xFCr "
     "einen Kommentar, und der Text ginge verloren.\nBitte \xE4ndern Sie sein Ende.",
     kTextEndsAsComment, kTextEndsAsComment, kTextEndsAsComment},
    // Search and the library check.
    {kSearchTermNotUnderstood,
     "E Der Suchbegriff '%s' ist unverst\xE4ndlich: erlaubt sind W\xF6rter, oder d:, r:, cr:, no: "
     "mit einer Zahl oder einem Bereich (8-12), shape:ball|flat|bull, fedrix:yes|no, "
     "problem:yes|no.",
     kSearchTermNotUnderstood, kSearchTermNotUnderstood, kSearchTermNotUnderstood},
    {kFindingUnreadable, "E Die Datei kann nicht gelesen werden.", kFindingUnreadable,
     kFindingUnreadable, kFindingUnreadable},
    {kFindingNoParameters, "E Die Datei enth\xE4lt keine Parameterzeile.", kFindingNoParameters,
     kFindingNoParameters, kFindingNoParameters},
    {kFindingNoSize,
     "E Das Werkzeug hat keine Gr\xF6\xDF"
     "e: weder TP_BRAD noch TP_CDIAM ist gr\xF6\xDF"
     "er als 0.",
     kFindingNoSize, kFindingNoSize, kFindingNoSize},
    {kFindingSizeMismatch,
     "E Der Radius %s (TP_BRAD) und der Durchmesser %s (TP_CDIAM) passen nicht zusammen.",
     kFindingSizeMismatch, kFindingSizeMismatch, kFindingSizeMismatch},
    {kFindingCornerNegative, "E Der Eckenradius %s ist kleiner als 0.", kFindingCornerNegative,
     kFindingCornerNegative, kFindingCornerNegative},
    {kFindingCornerTooLarge,
     "E Der Eckenradius %s ist gr\xF6\xDF"
     "er als der Werkzeugradius %s.",
     kFindingCornerTooLarge, kFindingCornerTooLarge, kFindingCornerTooLarge},
    {kFindingTolerance,
     "E Die Toleranz %s ist nicht gr\xF6\xDF"
     "er als 0.",
     kFindingTolerance, kFindingTolerance, kFindingTolerance},
    {kFindingStepover,
     "E Die seitliche Zustellung %s ist gr\xF6\xDF"
     "er als der Durchmesser %s.",
     kFindingStepover, kFindingStepover, kFindingStepover},
    {kFindingNegative, "E %s = %s ist kleiner als 0.", kFindingNegative, kFindingNegative,
     kFindingNegative},
    {kFindingOutOfRange,
     "E %s = %s liegt au\xDF"
     "erhalb des Bereichs %s bis %s.",
     kFindingOutOfRange, kFindingOutOfRange, kFindingOutOfRange},
    {kFindingNotANumber, "E %s = '%s' ist keine Zahl.", kFindingNotANumber, kFindingNotANumber,
     kFindingNotANumber},
    {kFindingNotAnInteger, "E %s = '%s' ist keine ganze Zahl.", kFindingNotAnInteger,
     kFindingNotAnInteger, kFindingNotAnInteger},
    {kFindingSharedNumber, "W Die Werkzeugnummer %s hat auch '%s', ein Werkzeug anderer Geometrie.",
     kFindingSharedNumber, kFindingSharedNumber, kFindingSharedNumber},
    {kFindingFedrixWithoutTool, "W Zur Fedrix-Datei fehlt die Werkzeugdatei '%s'.",
     kFindingFedrixWithoutTool, kFindingFedrixWithoutTool, kFindingFedrixWithoutTool},
    {kFindingFedrixForeign,
     "W Die Datei ist keine Fedrix-Werkzeugdatei, die dieses Programm lesen kann.",
     kFindingFedrixForeign, kFindingFedrixForeign, kFindingFedrixForeign},
    {kFindingFedrixStartDepth,
     "E Die Fedrix-Starttiefe %s ist gr\xF6\xDF"
     "er als die maximale Tiefe %s.",
     kFindingFedrixStartDepth, kFindingFedrixStartDepth, kFindingFedrixStartDepth},
    {kSaveToolWithErrors, "Q Das Werkzeug hat Fehler:\n\n%s\n\nWollen Sie es trotzdem speichern?",
     kSaveToolWithErrors, kSaveToolWithErrors, kSaveToolWithErrors},
    {kExchangeExport, "Exportieren...", kExchangeExport, kExchangeExport, kExchangeExport},
    {kExchangeImport, "In diesen Ordner importieren...", kExchangeImport, kExchangeImport,
     kExchangeImport},
    {kExchangeExportFilter,
     "Werkzeugtabelle (*.tbl)|*.tbl|CSV (*.csv)|*.csv|Werkzeugbibliothek (*.fctl)|*.fctl||",
     kExchangeExportFilter, kExchangeExportFilter, kExchangeExportFilter},
    {kExchangeImportFilter,
     "Werkzeugtabelle (*.tbl)|*.tbl|CSV (*.csv)|*.csv|Werkzeuge (*.fctl *.fctb)|*.fctl;*.fctb||",
     kExchangeImportFilter, kExchangeImportFilter, kExchangeImportFilter},
    {kExchangeImporting, "Werkzeuge werden importiert...", kExchangeImporting, kExchangeImporting,
     kExchangeImporting},
    {kExchangeReportTitle, "Export und Import", kExchangeReportTitle, kExchangeReportTitle,
     kExchangeReportTitle},
    {kExchangeSummary,
     "%s Werkzeugdateien geschrieben, %s ersetzt, %s \xFC"
     "bersprungen, %s fehlgeschlagen.",
     kExchangeSummary, kExchangeSummary, kExchangeSummary},
    {kExchangeCancelled,
     "Der Import wurde abgebrochen: %s Werkzeuge wurden nicht importiert. Die geschriebenen "
     "Dateien bleiben.",
     kExchangeCancelled, kExchangeCancelled, kExchangeCancelled},
    {kExchangeNothingLost, "Nichts ging verloren.", kExchangeNothingLost, kExchangeNothingLost,
     kExchangeNothingLost},
    {kExchangeSourceRefused, "E Die Datei\n\n\t'%s'\n\nkann nicht importiert werden:\n%s",
     kExchangeSourceRefused, kExchangeSourceRefused, kExchangeSourceRefused},
    {kExchangeExported, "%s Dateien geschrieben: %s", kExchangeExported, kExchangeExported,
     kExchangeExported},
    {"not carried by the format", "nicht im Format enthalten", "not carried by the format",
     "not carried by the format", "not carried by the format"},
    {"named twice in the tool, only the first carried",
     "zweimal im Werkzeug genannt, nur das erste \xFC"
     "bertragen",
     "named twice in the tool, only the first carried",
     "named twice in the tool, only the first carried",
     "named twice in the tool, only the first carried"},
    {"no tool number, tool skipped",
     "keine Werkzeugnummer, Werkzeug \xFC"
     "bersprungen",
     "no tool number, tool skipped", "no tool number, tool skipped",
     "no tool number, tool skipped"},
    {"tool number used by an earlier tool",
     "Werkzeugnummer schon von einem fr\xFCheren Werkzeug belegt",
     "tool number used by an earlier tool", "tool number used by an earlier tool",
     "tool number used by an earlier tool"},
    {"tool number out of range, tool skipped",
     "Werkzeugnummer au\xDF"
     "erhalb des Bereichs, Werkzeug \xFC"
     "bersprungen",
     "tool number out of range, tool skipped", "tool number out of range, tool skipped",
     "tool number out of range, tool skipped"},
    {"no diameter or body radius", "weder Durchmesser noch Radius", "no diameter or body radius",
     "no diameter or body radius", "no diameter or body radius"},
    {"not a number or out of range, left out",
     "keine Zahl oder au\xDF"
     "erhalb des Bereichs, weggelassen",
     "not a number or out of range, left out", "not a number or out of range, left out",
     "not a number or out of range, left out"},
    {"longer than 255 characters, cut", "l\xE4nger als 255 Zeichen, gek\xFCrzt",
     "longer than 255 characters, cut", "longer than 255 characters, cut",
     "longer than 255 characters, cut"},
    {"holds a line break or NUL, left out", "enth\xE4lt einen Zeilenumbruch oder NUL, weggelassen",
     "holds a line break or NUL, left out", "holds a line break or NUL, left out",
     "holds a line break or NUL, left out"},
    {"ends in ** and would read as a comment, left out",
     "endet auf ** und w\xFCrde als Kommentar gelesen, weggelassen",
     "ends in ** and would read as a comment, left out",
     "ends in ** and would read as a comment, left out",
     "ends in ** and would read as a comment, left out"},
    {"characters outside the code page became ?",
     "Zeichen au\xDF"
     "erhalb der Codepage wurden zu ?",
     "characters outside the code page became ?", "characters outside the code page became ?",
     "characters outside the code page became ?"},
    {"name cannot stand in a tool file, left out",
     "Name kann nicht in einer Werkzeugdatei stehen, weggelassen",
     "name cannot stand in a tool file, left out", "name cannot stand in a tool file, left out",
     "name cannot stand in a tool file, left out"},
    {"file name changed", "Dateiname ge\xE4ndert", "file name changed", "file name changed",
     "file name changed"},
    {"file exists, skipped",
     "Datei existiert, \xFC"
     "bersprungen",
     "file exists, skipped", "file exists, skipped", "file exists, skipped"},
    {"cannot be written", "kann nicht geschrieben werden", "cannot be written", "cannot be written",
     "cannot be written"},
    {"shape not known, tool skipped",
     "Form unbekannt, Werkzeug \xFC"
     "bersprungen",
     "shape not known, tool skipped", "shape not known, tool skipped",
     "shape not known, tool skipped"},
    {"cannot be read, skipped",
     "nicht lesbar, \xFC"
     "bersprungen",
     "cannot be read, skipped", "cannot be read, skipped", "cannot be read, skipped"},
    {"not in the source", "nicht in der Quelle", "not in the source", "not in the source",
     "not in the source"},
    {"numbered in the library", "in der Bibliothek nummeriert", "numbered in the library",
     "numbered in the library", "numbered in the library"},
    // A shared library changed under the window.
    {kChangedOnDisk,
     "Q Die Datei\n\n\t'%s'\n\nwurde nach dem Laden von einem anderen Programm "
     "ge\xE4ndert.\n\n"
     "Ja: mit Ihrer Fassung \xFC"
     "berschreiben.\n"
     "Nein: die andere Fassung behalten und neu laden (Ihre \xC4nderungen werden verworfen).\n"
     "Abbrechen: zur\xFC"
     "ck zum Fenster, Ihre \xC4nderungen bleiben erhalten.",
     kChangedOnDisk, kChangedOnDisk, kChangedOnDisk},
    {kRemovedOnDisk,
     "Q Die Datei\n\n\t'%s'\n\nwurde nach dem Laden von einem anderen Programm "
     "entfernt.\n\n"
     "Ja: mit Ihrer Fassung neu schreiben.\n"
     "Nein: entfernt lassen (Ihre \xC4nderungen werden verworfen).\n"
     "Abbrechen: zur\xFC"
     "ck zum Fenster, Ihre \xC4nderungen bleiben erhalten.",
     kRemovedOnDisk, kRemovedOnDisk, kRemovedOnDisk},
    {kChangedBeforeDelete,
     "Q Die Datei\n\n\t'%s'\n\nwurde nach dem Laden von einem anderen Programm "
     "ge\xE4ndert.\n\n"
     "Ja: trotzdem l\xF6schen.\n"
     "Nein: behalten und die andere Fassung laden.\n"
     "Abbrechen: zur\xFC"
     "ck zum Fenster.",
     kChangedBeforeDelete, kChangedBeforeDelete, kChangedBeforeDelete},
    {kDeleteWithoutTrash,
     "Q Die Datei\n\n\t'%s'\n\nkann auf ihrem Datentr\xE4ger nicht in den Papierkorb "
     "verschoben werden.\n\nWollen Sie sie endg\xFCltig l\xF6schen?",
     kDeleteWithoutTrash, kDeleteWithoutTrash, kDeleteWithoutTrash},
    {kReloadedNote, "(neu geladen: von einem anderen Programm ge\xE4ndert)", kReloadedNote,
     kReloadedNote, kReloadedNote},
    {kNotDeleted, "E Die Datei\n\n\t'%s'\n\nkonnte nicht gel\xF6scht werden!", kNotDeleted,
     kNotDeleted, kNotDeleted},
};
// One row per BuiltinText, in its order.
static_assert(std::size(kTexts) == static_cast<std::size_t>(BuiltinText::Count));

}  // namespace

const char* builtin_text(BuiltinText which, int language_index) {
    if (language_index < 0 || language_index >= kLanguageCount) {
        language_index = 0;
    }
    return kTexts[static_cast<int>(which)][language_index];
}

namespace {

// English and German, as the installation's catalogues have them (German in Windows-1252).
const char* const kLabels[][2] = {
    {"OK", "OK"},
    {"Cancel", "Abbrechen"},
    {"&Retry", "&Wiederholen"},
    {"&Abort", "&Abbrechen"},
    {"&Ignore", "&Ignorieren"},
    {"&Yes", "&Ja"},
    {"&No", "&Nein"},
    {"Yes to &All", "Ja, &alle"},
    {"N&o to All", "N&ein, alle"},
    {"OK to &All", "OK, &alle"},
    {"Information", "Information"},
    {"Question", "Frage"},
    {"Warning", "Warnung"},
    {"Error", "Fehler"},
    {"&More...", "&Mehr..."},
    {"Do not display this message again", "Diese Meldung nicht mehr anzeigen"},
};

}  // namespace

const char* builtin_label(BuiltinLabel which, int language_index) {
    return kLabels[static_cast<int>(which)][language_index == 1 ? 1 : 0];
}
