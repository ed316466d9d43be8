#pragma once
// The message dialog (template 4029): the icon of the message's category, the text, and the
// buttons of the caller's set with the catalogue's captions in the user's language (built-in ones
// where the catalogue lacks or garbles them, see TalmorError::DialogButtonCaption). It grows to
// fit the text, never beyond the screen. exec() returns the identifier of the ending button
// (6, 7 and 1 for the "to All" buttons, which also remember the answer in the catalogue);
// Escape or closing the window gives 2. A plain message (not from the catalogue) gets the
// standard captions, the application name as title and remembers nothing. The application name is
// QCoreApplication::applicationName(), which the program sets at start.

#include <QDialog>
#include <QRect>
#include <string>

class MessageText;
class QLabel;
class QScrollArea;

class MessageDialog : public QDialog {
    Q_OBJECT

public:
    // Control identifiers of the template.
    static constexpr int kIconControl = 4027;
    static constexpr int kTextControl = 4028;
    static constexpr int kCheckControl = 4026;
    static constexpr int kMoreControl = 4030;

    MessageDialog(const QString& text, int buttonSet, int icon, bool plain,
                  QWidget* parent = nullptr);

    int buttonSet() const { return buttonSet_; }
    // How far the text area had to grow downwards; zero when the template's room sufficed.
    int verticalGrowth() const { return verticalGrowth_; }
    // The template's button width and the text area in pixels, from the dialog's font.
    int buttonWidth() const;
    QRect templateTextRect() const;

public slots:
    void reject() override;

private:
    void buildControls();
    void fitText(const QString& text);
    void placeButtons();
    void finishButtonPressed(int control);

    int buttonSet_;
    int icon_;
    bool plain_;
    int verticalGrowth_ = 0;
    QScrollArea* textArea_ = nullptr;
    MessageText* text_ = nullptr;
};
