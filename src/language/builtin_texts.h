#pragma once
// The catalogue's own texts for its failures, per language index. Languages 2 to 4 have texts
// only where a failure must never pass unseen (the English one), else empty.

enum class BuiltinText {
    IniFileMissing,         // argument: the path
    MessageEntryMissing,    // arguments: section, key, catalogue path
    CatalogueWrongType,     // arguments: path, expected entry
    LanguageFileWrongType,  // arguments: path, expected entry
    ChangeFileNotWritten,   // argument: the change file's path
    TextEndsAsComment,      // argument: the text
};

// The text in the language; an index outside 0..4 gives the English text.
const char* builtin_text(BuiltinText which, int language_index);
