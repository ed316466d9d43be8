#include "gui/main/tool_search_box.h"

#include <QKeyEvent>
#include <QShortcut>

#include "gui/main/search_texts.h"

ToolSearchBox::ToolSearchBox(QWidget* parent) : QLineEdit(parent) {
    setClearButtonEnabled(true);
    setLanguage(0);
    connect(this, &QLineEdit::textEdited, this, &ToolSearchBox::queryEdited);
    // The clear button empties the box without an edit signal of its own.
    connect(this, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (text.isEmpty()) {
            emit queryEdited(text);
        }
    });
    installShortcut();
}

void ToolSearchBox::setLanguage(int languageIndex) {
    setPlaceholderText(searchText(SearchText::Placeholder, languageIndex));
    setAccessibleName(searchText(SearchText::BoxName, languageIndex));
}

void ToolSearchBox::installShortcut() {
    QWidget* owner = parentWidget() != nullptr ? parentWidget()->window() : this;
    auto* shortcut = new QShortcut(QKeySequence::Find, owner);
    shortcut->setContext(Qt::WindowShortcut);
    connect(shortcut, &QShortcut::activated, this, [this] {
        setFocus(Qt::ShortcutFocusReason);
        selectAll();
    });
}

void ToolSearchBox::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        clear();
        event->accept();
        return;
    }
    if (event->key() == Qt::Key_Down) {
        emit downPressed();
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
    // Return must not press Close.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
    }
}
