#pragma once
// Base of the initialisation files a program reads through the current profile: the message
// catalogue, language files, the settings file and Fedrix tool files.

#include <string>

class IniFile {
public:
    explicit IniFile(const std::string& path = {}, int report_missing = 0);
    virtual ~IniFile() = default;
    IniFile(const IniFile&) = default;
    IniFile& operator=(const IniFile&) = default;

    // Also clears the exists flag and the language index.
    void SetPath(const std::string& path, int report_missing);

    // Sets the exists flag; when the file exists, runs OnFileFound with it as the current
    // profile, every value read from one parse of the file. A missing file is announced when
    // the report-missing flag is set. Returns the flag.
    int Check();

    // Rewrites the file through the Write hook, with the file as the current profile. With
    // `delete_first` the file is started afresh (its directory is created when missing), else
    // the hook's writes are merged into what the file holds. The new file replaces the old one
    // atomically, and only when the hook has run completely. Returns whether it was written.
    bool ResetFile(bool delete_first);

    const std::string& Path() const { return path_; }
    int Exists() const { return exists_; }
    int ReportMissing() const { return report_missing_; }
    int LanguageIndex() const { return language_index_; }
    void SetLanguageIndex(int index);

protected:
    // Writes the file's values through the profile functions; nothing in the base.
    virtual void Write() {}
    // Reads the file's values through the profile functions; the base accepts every file.
    virtual int OnFileFound() { return 1; }

    std::string path_;
    int exists_ = 0;
    int report_missing_ = 0;
    int language_index_ = 0;
    std::string spare_;
};
