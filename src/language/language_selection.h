#pragma once
// The interface language of an application: its language file under the installation's text
// directory, checked to belong to the application, and the catalogue switched along with it.
// The combo box that shows the choice lives with the windows.

#include <array>
#include <string>

#include "language/ini_file.h"
#include "language/language_codes.h"

// KVXHOME/texte/APPLICATION.CODE, or CURRENT_DIRECTORY/APPLICATION.CODE when KVXHOME is empty.
std::string LanguageFilePath(const std::string& application, int language_index);

class LanguageFile : public IniFile {
public:
    explicit LanguageFile(const std::string& application);

    const std::string& Application() const { return application_; }
    // True when the last check found the file and it names this application.
    bool Loaded() const { return exists_ && loaded_; }
    // Display names of the languages, as the last loaded file gives them.
    const std::array<std::string, kLanguageCount>& DisplayNames() const { return display_names_; }
    // A control's caption; empty when the file or the key is missing.
    std::string Caption(const std::string& section, const std::string& key) const;

protected:
    int OnFileFound() override;

private:
    std::string application_;
    bool loaded_ = false;
    std::array<std::string, kLanguageCount> display_names_;
};

class LanguageSelection {
public:
    explicit LanguageSelection(const std::string& application);

    // Selects the language of KVXLANG (ignoring case; English when unknown) and applies it.
    bool Create();
    // Re-initialises the message catalogue in the language and checks the application's
    // language file for it. True when that file was loaded, so that every window must re-read
    // its captions.
    bool Apply(int language_index);

    int Selected() const { return selected_; }
    // The locale identifier windows switch the thread to for the selected language.
    int LocaleId() const { return LocaleIdentifier(selected_); }
    const LanguageFile& File() const { return file_; }

private:
    LanguageFile file_;
    int selected_ = 0;
};
