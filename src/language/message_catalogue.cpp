#include "language/message_catalogue.h"

#include <algorithm>

#include "language/builtin_texts.h"
#include "language/current_profile.h"
#include "language/installation.h"
#include "language/language_codes.h"
#include "runtime/environment.h"

namespace {

constexpr const char* kModule = "TalmorError";
constexpr const char* kTypeSection = "T.A.L.M.O.R.";
constexpr const char* kTypeKey = "CATEGORY";
constexpr const char* kTypeValue = "TalmorError";
constexpr const char* kInternalSection = "ERROR_INTERNAL";
constexpr const char* kAboutSection = "TALMOR_ABOUT_DLG";
constexpr const char* kDetailFormat = "%s:\t%s\n \n%s:\t\t%s\n%s:\t\t%d\n%s:\t%s, %s\n \n%s: \n%s";

const char* const kButtonKeys[10] = {"IDOK",  "IDCANCEL", "IDRETRY",    "IDABORT",   "IDIGNORE",
                                     "IDYES", "IDNO",     "IDYESTOALL", "IDNOTOALL", "IDOKTOALL"};
const char* const kAboutKeys[6] = {"TALMOR_ABOUT_VERSION",     "TALMOR_ABOUT_COPYRIGHT",
                                   "TALMOR_ABOUT_PRODUCTNAME", "TALMOR_ABOUT_BUILD",
                                   "TALMOR_ABOUT_COMPANY",     "TALMOR_ABOUT_TITLE"};

TalmorError* g_catalogue = nullptr;
TalmorError* g_current = nullptr;

bool is_blank(char c) {
    return c == ' ' || c == '\t' || c == '\v';
}

void trim_leading_blanks(std::string& text) {
    std::size_t n = 0;
    while (n < text.size() && is_blank(text[n])) {
        ++n;
    }
    text.erase(0, n);
}

// Every backslash followed by `letter` becomes `replacement`.
std::string replace_escape(const std::string& text, char letter, char replacement) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 1 < text.size() && text[i + 1] == letter) {
            out += replacement;
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

}  // namespace

TalmorError::TalmorError() : IniFile({}, 0) {}

void TalmorError::Init(const std::string& language) {
    const int index = ::LanguageIndex(language);
    SetPath(installation_text_file(std::string("TalmorError.") + LanguageCode(index)), 0);
    SetLanguageIndex(index);
    labels_loaded_ = false;
    if (!Check()) {
        return;
    }
    // The type entry and the labels from one parse of the file.
    ProfileReading once(path_);
    std::string category;
    {
        ProfileSwitch use(path_);
        category = read_profile_string(kTypeSection, kTypeKey, "");
    }
    if (category != kTypeValue) {
        InternalMessage(kModule, 133, __DATE__, __TIME__,
                        builtin_text(BuiltinText::CatalogueWrongType, index), kButtonsOk,
                        make_format_arguments(path_, std::string(kTypeKey) + " = " + kTypeValue));
        return;
    }
    LoadLabels();
}

void TalmorError::LoadLabels() {
    ProfileSwitch use(path_);
    auto internal = [](const char* key) { return read_profile_string(kInternalSection, key, ""); };
    file_label_ = internal("FILE");
    line_label_ = internal("LINE");
    compiled_label_ = internal("COMPILED");
    message_label_ = internal("MESSAGE");
    information_name_ = internal("INFORMATION");
    question_name_ = internal("QUESTION");
    warning_name_ = internal("WARNING");
    error_name_ = internal("ERROR");
    for (std::size_t i = 0; i < button_captions_.size(); ++i) {
        button_captions_[i] = internal(kButtonKeys[i]);
    }
    more_caption_ = internal("IDC_EG_ERROR_DLG_MORE");
    check_caption_ = internal("IDC_EG_ERROR_DLG_CHECK");
    for (std::size_t i = 0; i < about_labels_.size(); ++i) {
        about_labels_[i] = read_profile_string(kAboutSection, kAboutKeys[i], "");
    }
    labels_loaded_ = true;
}

void TalmorError::StoreOrigin(const std::string& file, int line, const std::string& date,
                              const std::string& time) {
    origin_file_ = file;
    origin_line_ = line;
    origin_date_ = date;
    origin_time_ = time;
}

int TalmorError::Message(const std::string& file, int line, const std::string& date,
                         const std::string& time, const std::string& section,
                         const std::string& key, int buttons, const FormatArguments& arguments) {
    if (!exists_) {
        return kAnswerOk;
    }
    current_section_ = section;
    current_key_ = key;
    for (const RememberedAnswer& record : remembered_) {
        if (record.section == section && record.key == key) {
            if (record.answer != 0) {
                return record.answer;
            }
            break;
        }
    }
    StoreOrigin(file, line, date, time);
    std::string value;
    {
        ProfileSwitch use(path_);
        value = read_profile_string(section, key, "");
    }
    value = replace_escape(replace_escape(value, 'n', '\n'), 't', '\t');
    if (value.empty()) {
        return InternalMessage(kModule, 297, __DATE__, __TIME__,
                               builtin_text(BuiltinText::MessageEntryMissing, language_index_),
                               kButtonsOk, make_format_arguments(section, key, path_));
    }
    message_text_ = format_message(value, arguments);
    return Show(key, buttons);
}

int TalmorError::InternalMessage(const std::string& file, int line, const std::string& date,
                                 const std::string& time, const std::string& format, int buttons,
                                 const FormatArguments& arguments) {
    StoreOrigin(file, line, date, time);
    if (format.empty()) {
        return buttons;
    }
    message_text_ = format_message(format, arguments);
    return Show("INTERNAL", buttons);
}

int TalmorError::Show(const std::string& key, int buttons) {
    trim_leading_blanks(message_text_);
    const char letter = message_text_.empty() ? '\0' : message_text_.front();
    if (!message_text_.empty()) {
        message_text_.erase(0, 1);
    }
    trim_leading_blanks(message_text_);
    int icon = kIconInformation;
    switch (letter) {
        case 'E':
            icon = kIconStop;
            break;
        case 'Q':
            icon = kIconQuestion;
            break;
        case 'W':
            icon = kIconExclamation;
            break;
        default:
            break;
    }
    category_name_ = CategoryNameForIcon(icon);
    if (detail_) {
        composed_text_ = format_message(
            kDetailFormat,
            make_format_arguments(category_name_, key, file_label_, origin_file_, line_label_,
                                  origin_line_, compiled_label_, origin_date_, origin_time_,
                                  message_label_, message_text_));
    } else {
        composed_text_ = message_text_;
    }
    return message_presenter().Present(composed_text_, buttons, icon);
}

void TalmorError::RememberAnswer(int answer) {
    for (const RememberedAnswer& record : remembered_) {
        if (record.section == current_section_ && record.key == current_key_) {
            return;
        }
    }
    remembered_.push_back({current_section_, current_key_, answer});
}

const std::string& TalmorError::ButtonCaptionText(ButtonCaption caption) const {
    return button_captions_[static_cast<std::size_t>(caption)];
}

const std::string& TalmorError::AboutLabelText(AboutLabel label) const {
    return about_labels_[static_cast<std::size_t>(label)];
}

const std::string& TalmorError::CategoryNameForIcon(int icon) const {
    switch (icon) {
        case kIconStop:
            return error_name_;
        case kIconQuestion:
            return question_name_;
        case kIconExclamation:
            return warning_name_;
        default:
            return information_name_;
    }
}

std::string TalmorError::DialogLabel(const std::string& text, int builtin) const {
    const std::size_t first = text.find_first_not_of(" \t");
    const std::size_t last = text.find_last_not_of(" \t");
    const std::string trimmed =
        first == std::string::npos ? std::string() : text.substr(first, last - first + 1);
    const bool garbled = trimmed.empty() || std::any_of(trimmed.begin(), trimmed.end(), [](char c) {
                             const auto byte = static_cast<unsigned char>(c);
                             return byte < 0x20 || byte == 0x7F;
                         });
    if (!labels_loaded_ || garbled) {
        return builtin_label(static_cast<BuiltinLabel>(builtin), language_index_);
    }
    return trimmed;
}

std::string TalmorError::DialogButtonCaption(ButtonCaption caption) const {
    return DialogLabel(ButtonCaptionText(caption), static_cast<int>(caption));
}

std::string TalmorError::DialogCategoryName(int icon) const {
    BuiltinLabel builtin = BuiltinLabel::Information;
    switch (icon) {
        case kIconStop:
            builtin = BuiltinLabel::Error;
            break;
        case kIconQuestion:
            builtin = BuiltinLabel::Question;
            break;
        case kIconExclamation:
            builtin = BuiltinLabel::Warning;
            break;
        default:
            break;
    }
    return DialogLabel(CategoryNameForIcon(icon), static_cast<int>(builtin));
}

std::string TalmorError::DialogMoreCaption() const {
    return DialogLabel(more_caption_, static_cast<int>(BuiltinLabel::More));
}

std::string TalmorError::DialogCheckCaption() const {
    return DialogLabel(check_caption_, static_cast<int>(BuiltinLabel::Check));
}

TalmorError* GetCatalogue() {
    if (g_catalogue == nullptr) {
        // Set before Init, so that a message raised while it runs finds this object.
        g_catalogue = new TalmorError();
        g_catalogue->Init(get_variable("KVXLANG").value_or("ang"));
        g_current = g_catalogue;
    }
    return g_catalogue;
}

TalmorError* CurrentCatalogue() {
    return g_current;
}
