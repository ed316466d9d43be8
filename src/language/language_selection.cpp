#include "language/language_selection.h"

#include "language/builtin_texts.h"
#include "language/current_profile.h"
#include "language/installation.h"
#include "language/message_catalogue.h"
#include "platform/filesystem.h"
#include "runtime/environment.h"

namespace {
constexpr const char* kTypeSection = "T.A.L.M.O.R.";
constexpr const char* kProductKey = "PRODUCT";
}  // namespace

std::string LanguageFilePath(const std::string& application, int language_index) {
    const std::string name = application + "." + LanguageCode(language_index);
    if (!installation_home().empty()) {
        return installation_text_file(name);
    }
    const std::optional<std::string> current = platform::current_directory();
    return current ? *current + platform::kPathSeparator + name : name;
}

LanguageFile::LanguageFile(const std::string& application) : application_(application) {}

int LanguageFile::OnFileFound() {
    loaded_ = false;
    const std::string product = read_profile_string(kTypeSection, kProductKey, "");
    if (product != application_) {
        GetCatalogue()->InternalMessage(
            "LanguageBox", 116, __DATE__, __TIME__,
            builtin_text(BuiltinText::LanguageFileWrongType, language_index_), kButtonsOk,
            make_format_arguments(path_, std::string(kProductKey) + " = " + application_));
        return 0;
    }
    for (int i = 0; i < kLanguageCount; ++i) {
        display_names_[static_cast<std::size_t>(i)] =
            read_profile_string(kTypeSection, LanguageCode(i), "");
    }
    loaded_ = true;
    return 1;
}

std::string LanguageFile::Caption(const std::string& section, const std::string& key) const {
    if (!exists_) {
        return {};
    }
    ProfileSwitch use(path_);
    return read_profile_string(section, key, "");
}

LanguageSelection::LanguageSelection(const std::string& application) : file_(application) {}

bool LanguageSelection::Create() {
    return Apply(LanguageIndex(get_variable("KVXLANG").value_or("")));
}

bool LanguageSelection::Apply(int language_index) {
    selected_ = language_index >= 0 && language_index < kLanguageCount ? language_index : 0;
    GetCatalogue()->Init(LanguageCode(selected_));
    file_.SetPath(LanguageFilePath(file_.Application(), selected_), 0);
    file_.SetLanguageIndex(selected_);
    file_.Check();
    return file_.Loaded();
}
