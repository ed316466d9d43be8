#pragma once
// The interface language: a combo box with the five flags and the languages' display names,
// which the application creates hidden at start. Applying a language re-initialises the message
// catalogue, makes the language's locale the user interface's (Qt's own translations too, when
// installed), checks the application's language file and, only when that file loaded, fills the
// items and sends every descendant of the main window the language-change notification, so each
// re-reads its captions from languageFile(). The C library's numeric locale is not touched.

#include <QComboBox>
#include <QLocale>
#include <QPointer>
#include <memory>
#include <string>

#include "language/language_selection.h"

class QTranslator;

class LanguageBox : public QComboBox {
    Q_OBJECT

public:
    LanguageBox(const std::string& application, QWidget* parent = nullptr);
    ~LanguageBox() override;

    // The window whose descendants hear of a language change (not owned).
    void setMainWindow(QWidget* window) { mainWindow_ = window; }

    // Selects the language of KVXLANG (English when unknown) and applies it.
    bool create();
    // Applies the language (index 0..4; others give English); true when its file loaded.
    bool applyLanguage(int index);

    int selectedLanguage() const { return selection_.Selected(); }
    const LanguageFile& languageFile() const { return selection_.File(); }

    // en_US, de_DE, fr_FR, es_ES, sv_SE by language index.
    static QLocale localeOf(int index);

private:
    void useLocale(int index);
    void fillItems();

    LanguageSelection selection_;
    QPointer<QWidget> mainWindow_;
    std::unique_ptr<QTranslator> translator_;
};
