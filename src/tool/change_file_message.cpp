#include "tool/change_file_message.h"

#include "language/builtin_texts.h"
#include "language/message_catalogue.h"

void RaiseChangeFileNotWritten(const std::string& change_file_path) {
    TalmorError* catalogue = GetCatalogue();
    catalogue->InternalMessage(
        "ToolParameterSet", 0, __DATE__, __TIME__,
        builtin_text(BuiltinText::ChangeFileNotWritten, catalogue->LanguageIndex()), kButtonsOk,
        make_format_arguments(change_file_path));
}
