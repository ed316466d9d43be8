#pragma once
// The multi-language message catalogue through which every user message is raised: a value is a
// category letter (E, I, Q, W), optional blanks and a printf-style text.

#include <array>
#include <string>
#include <utility>
#include <vector>

#include "language/ini_file.h"
#include "language/message_format.h"
#include "language/message_presenter.h"

struct RememberedAnswer {
    std::string section;
    std::string key;
    int answer = 0;
};

enum class AboutLabel { Version, RightsNotice, ProductName, Build, Company, Title };

class TalmorError : public IniFile {
public:
    TalmorError();

    // Selects the language (unknown codes select English), locates and checks the catalogue
    // under KVXHOME and loads the labels. Calling it again re-reads everything.
    void Init(const std::string& language);

    // Raises the message of section/key: 1 without a catalogue file, a remembered answer, or the
    // answer of the presenter. file/line/date/time name the raiser.
    int Message(const std::string& file, int line, const std::string& date, const std::string& time,
                const std::string& section, const std::string& key, int buttons,
                const FormatArguments& arguments = {});
    // Shows a built-in text; an empty format (languages without built-in texts) shows nothing
    // and returns the button set.
    int InternalMessage(const std::string& file, int line, const std::string& date,
                        const std::string& time, const std::string& format, int buttons,
                        const FormatArguments& arguments = {});
    // Records the answer for the current section and key unless the pair is recorded already.
    void RememberAnswer(int answer);

    const std::string& ButtonCaptionText(ButtonCaption caption) const;
    const std::string& AboutLabelText(AboutLabel label) const;
    const std::string& MoreCaption() const { return more_caption_; }
    const std::string& CheckCaption() const { return check_caption_; }
    // The category name an icon value stands for (ERROR, QUESTION, WARNING, else INFORMATION).
    const std::string& CategoryNameForIcon(int icon) const;

    // The message dialog's texts: the catalogue's, without surrounding blanks, or the built-in
    // text of the catalogue's language where the catalogue was not loaded or its entry is
    // garbled (nothing but blanks, or a control character left inside).
    std::string DialogButtonCaption(ButtonCaption caption) const;
    std::string DialogCategoryName(int icon) const;
    std::string DialogMoreCaption() const;
    std::string DialogCheckCaption() const;

    void SetDetail(int detail) { detail_ = detail; }
    int Detail() const { return detail_; }

    const std::string& CurrentSection() const { return current_section_; }
    const std::string& CurrentKey() const { return current_key_; }
    const std::string& MessageText() const { return message_text_; }
    const std::string& CategoryName() const { return category_name_; }
    const std::string& ComposedText() const { return composed_text_; }
    const std::vector<RememberedAnswer>& RememberedAnswers() const { return remembered_; }

protected:
    // Classifies and composes the current message text and hands it to the presenter.
    virtual int Show(const std::string& key, int buttons);

    int counters_[3] = {0, 0, 0};

private:
    void LoadLabels();
    std::string DialogLabel(const std::string& text, int builtin) const;
    void StoreOrigin(const std::string& file, int line, const std::string& date,
                     const std::string& time);

    bool labels_loaded_ = false;
    std::array<std::string, 10> button_captions_;
    std::array<std::string, 6> about_labels_;
    std::string more_caption_;
    std::string check_caption_;
    std::string information_name_ = "INFORMATION";
    std::string question_name_ = "QUESTION";
    std::string warning_name_ = "WARNING";
    std::string error_name_ = "ERROR\t";
    std::string current_section_;
    std::string current_key_;
    int detail_ = 0;
    std::string file_label_ = "FILE";
    std::string line_label_ = "LINE";
    std::string compiled_label_ = "COMPILED";
    std::string message_label_ = "MESSAGE";
    std::string origin_file_;
    int origin_line_ = -1;
    std::string origin_date_;
    std::string origin_time_;
    std::string message_text_;
    std::string category_name_;
    std::string composed_text_;
    std::vector<RememberedAnswer> remembered_;
};

// The process's catalogue, created on first use in the language of KVXLANG ("ang" when
// undefined); it lives until the process ends.
TalmorError* GetCatalogue();
// The catalogue most recently created by GetCatalogue; nullptr before.
TalmorError* CurrentCatalogue();

// Raises a message of the process's catalogue with any mix of integer, real and text arguments.
template <typename... Args>
int Message(const std::string& file, int line, const std::string& date, const std::string& time,
            const std::string& section, const std::string& key, int buttons, Args&&... args) {
    return GetCatalogue()->Message(file, line, date, time, section, key, buttons,
                                   make_format_arguments(std::forward<Args>(args)...));
}
