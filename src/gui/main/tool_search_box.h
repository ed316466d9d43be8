#pragma once
// The search box above the tool list. Ctrl+F anywhere in its window gives it the focus; Escape
// empties it (the list returns to the folder view) and never reaches the window, which would
// cancel; Down goes on to the matches. It only reports the text: searching is ToolSearch's.

#include <QLineEdit>

class ToolSearchBox : public QLineEdit {
    Q_OBJECT

public:
    explicit ToolSearchBox(QWidget* parent = nullptr);
    // The placeholder and the accessible name in the language (index 0..4).
    void setLanguage(int languageIndex);

signals:
    // The user typed, pasted or emptied: the query to run now.
    void queryEdited(const QString& text);
    // The Down key: on to the matches.
    void downPressed();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void installShortcut();
};
