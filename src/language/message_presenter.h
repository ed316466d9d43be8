#pragma once
// How a composed message reaches the user: the button sets a raiser may ask for, the answers a
// message returns, the icon values, and the presenter seam that shows a message.

#include <span>
#include <string>

// Button sets (the first button of a set is its default).
inline constexpr int kButtonsOk = 0;
inline constexpr int kButtonsOkCancel = 1;
inline constexpr int kButtonsAbortRetryIgnore = 2;
inline constexpr int kButtonsYesNoCancel = 3;
inline constexpr int kButtonsYesNo = 4;
inline constexpr int kButtonsRetryCancel = 5;
inline constexpr int kButtonsYesNoToAll = 6;
inline constexpr int kButtonsYesNoToAllCancel = 7;
inline constexpr int kButtonsOkToAllCancel = 8;

// Answers: the identifier of the button that ended the dialog.
inline constexpr int kAnswerOk = 1;
inline constexpr int kAnswerCancel = 2;
inline constexpr int kAnswerAbort = 3;
inline constexpr int kAnswerRetry = 4;
inline constexpr int kAnswerIgnore = 5;
inline constexpr int kAnswerYes = 6;
inline constexpr int kAnswerNo = 7;

// Icon values, as the category letter selects them.
inline constexpr int kIconStop = 16;
inline constexpr int kIconQuestion = 32;
inline constexpr int kIconExclamation = 48;
inline constexpr int kIconInformation = 64;

// Button control identifiers beside the answers 1..7.
inline constexpr int kControlYesToAll = 4009;
inline constexpr int kControlNoToAll = 4011;
inline constexpr int kControlOkToAll = 4013;

// Index of a button's caption among the catalogue's ten button captions.
enum class ButtonCaption {
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
};

struct MessageButton {
    int control;     // control identifier of the button
    int answer;      // what pressing it returns
    bool remembers;  // a "to All" button: the answer is remembered for the message
    int slot;        // position in the row, in half button widths from the centre
    ButtonCaption caption;
};

// The buttons of a set in row order; values outside 1..8 give the OK set.
std::span<const MessageButton> buttons_of_set(int button_set);
// The answer of the set's first (default) button.
int default_answer(int button_set);

class MessagePresenter {
public:
    virtual ~MessagePresenter() = default;
    // Shows a catalogue message: the composed text with the buttons of the set (catalogue
    // captions) and the icon; returns the answer. A window presenter titles it with the
    // application name and the catalogue's category name for the icon, and records the answer
    // of a "to All" button with the catalogue's RememberAnswer.
    virtual int Present(const std::string& text, int button_set, int icon) = 0;
    // Shows a text that is not a catalogue message (the window framework's validation messages,
    // the program's plain boxes): standard button captions, the application name as title, and
    // no answer remembered. Presenters without such a distinction show it as Present does.
    virtual int PresentPlain(const std::string& text, int button_set, int icon) {
        return Present(text, button_set, icon);
    }
};

// The presenter in use: the installed one, else one that writes the text to standard error and
// answers the set's default button.
MessagePresenter& message_presenter();
// Installs a presenter (not owned; nullptr restores the standard-error one); returns the
// previously installed one, or nullptr when none was.
MessagePresenter* install_message_presenter(MessagePresenter* presenter);
