#pragma once
// The catalogue's own texts for its failures, per language index; empty for languages 2 to 4.

enum class BuiltinText {
    IniFileMissing,         // argument: the path
    MessageEntryMissing,    // arguments: section, key, catalogue path
    CatalogueWrongType,     // arguments: path, expected entry
    LanguageFileWrongType,  // arguments: path, expected entry
};

// The text in the language; an index outside 0..4 gives the English text.
const char* builtin_text(BuiltinText which, int language_index);
