#pragma once
// The catalogue's own texts for its failures and for the program's messages that the
// installation's catalogues do not hold, per language index. Languages 2 to 4 have texts only
// where a message must never pass unseen (the English one), else empty.

enum class BuiltinText {
    IniFileMissing,           // argument: the path
    MessageEntryMissing,      // arguments: section, key, catalogue path
    CatalogueWrongType,       // arguments: path, expected entry
    LanguageFileWrongType,    // arguments: path, expected entry
    ChangeFileNotWritten,     // argument: the change file's path
    StartedWithoutCamSystem,  // after a failed start: what is missing and who starts the program
    // Questions before a save destroys a Fedrix file it could not read; argument: its path.
    ReplaceForeignFedrixFile,
    DeleteForeignFedrixFile,
    // The main window's own texts; the other languages take the English one.
    DiscardEdits,              // question, no argument
    ToolpathUnreadable,        // argument: the toolpath file's path
    NotAToolFileNote,          // the Tool Settings line: the path, then this note
    WriteUnreadableReference,  // question; argument: the tool file's path
    ToolNameNotInChangeFile,   // argument: the tool file's path
    NotADirectory,             // argument: the path
    TextEndsAsComment,         // argument: the text
    // Search and the library check; the other languages take the English one.
    SearchTermNotUnderstood,  // argument: the term
    FindingUnreadable,        // the findings' arguments: their values in order
    FindingNoParameters,
    FindingNoSize,
    FindingSizeMismatch,          // body radius, diameter
    FindingCornerRadiusNegative,  // corner radius
    FindingCornerRadiusTooLarge,  // corner radius, cutter radius
    FindingToleranceNotPositive,  // tolerance
    FindingStepoverTooLarge,      // stepover, diameter
    FindingNegativeValue,         // parameter name, value
    FindingValueOutOfRange,       // parameter name, value, lowest, highest
    FindingNotANumber,            // parameter name, value text
    FindingNotAnInteger,          // parameter name, value text
    FindingSharedToolNumber,      // number, the other tool file
    FindingFedrixWithoutTool,     // the missing tool file's name
    FindingFedrixForeign,
    FindingFedrixStartDepth,  // start depth, maximum depth
    SaveToolWithErrors,       // question; argument: the errors, one a line
    // Export and import through the tool tree's context menu.
    ExchangeExportCaption,  // the menu entry
    ExchangeImportCaption,  // the menu entry
    ExchangeExportFilter,   // the save picker's filter: tool table, CSV, tool bit library
    ExchangeImportFilter,   // the open picker's filter, the same formats
    ExchangeImporting,      // the progress window's label
    ExchangeReportTitle,    // the report window's title
    ExchangeSummary,        // arguments: written, replaced, skipped, failed
    ExchangeCancelled,      // argument: the tools not imported
    ExchangeNothingLost,    // the report without a line
    ExchangeSourceRefused,  // arguments: the path, the reason
    ExchangeExported,       // arguments: the files written, the path
    // The loss report's reasons, in the order of LossReason.
    ExchangeReasonNotCarried,
    ExchangeReasonRepeated,
    ExchangeReasonNoToolNumber,
    ExchangeReasonToolNumberUsed,
    ExchangeReasonToolNumberRange,
    ExchangeReasonNoSize,
    ExchangeReasonNotANumber,
    ExchangeReasonTextCut,
    ExchangeReasonLineBreak,
    ExchangeReasonEndsAsComment,
    ExchangeReasonUnmappable,
    ExchangeReasonBadName,
    ExchangeReasonRenamed,
    ExchangeReasonExists,
    ExchangeReasonWriteFailed,
    ExchangeReasonUnknownShape,
    ExchangeReasonUnreadable,
    ExchangeReasonNotInSource,
    ExchangeReasonRenumbered,
    // A shared library: another program changed or removed a loaded file; argument: its path.
    ChangedOnDisk,        // question before a save: Yes overwrite, No keep theirs, Cancel back
    RemovedOnDisk,        // the same for a file removed meanwhile
    ChangedBeforeDelete,  // question before Delete: Yes delete, No keep theirs, Cancel back
    DeleteWithoutTrash,   // question: the volume has no trash; argument: the path
    ReloadedNote,         // the Tool Settings line: the path, then this note
    NotDeleted,           // argument: the path
    Count,                // not a text: the number of texts
};

// The text in the language; an index outside 0..4 gives the English text.
const char* builtin_text(BuiltinText which, int language_index);

// The message dialog's own labels, for what the catalogue lacks or garbles: the ten button
// captions in the order of ButtonCaption, the four category names, "More..." and the check box.
enum class BuiltinLabel {
    Ok,
    Cancel,
    Retry,
    Abort,
    Ignore,
    Yes,
    No,
    YesToAll,
    NoToAll,
    OkToAll,
    Information,
    Question,
    Warning,
    Error,
    More,
    Check,
};

// German for language 1, English for every other index.
const char* builtin_label(BuiltinLabel which, int language_index);
