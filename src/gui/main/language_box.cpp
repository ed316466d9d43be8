#include "gui/main/language_box.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QSignalBlocker>
#include <QTranslator>

#include "gui/framework/installation_text.h"
#include "gui/framework/language_change.h"
#include "gui/resources/pictures.h"
#include "language/language_codes.h"

namespace {

const char* const kLocaleNames[kLanguageCount] = {"en_US", "de_DE", "fr_FR", "es_ES", "sv_SE"};

}  // namespace

LanguageBox::LanguageBox(const std::string& application, QWidget* parent)
    : QComboBox(parent), selection_(application) {
    setObjectName(QStringLiteral("LanguageBox"));
    setIconSize(QSize(20, 17));
    connect(this, &QComboBox::activated, this, [this](int index) { applyLanguage(index); });
}

LanguageBox::~LanguageBox() {
    if (translator_) {
        QCoreApplication::removeTranslator(translator_.get());
    }
}

QLocale LanguageBox::localeOf(int index) {
    const bool known = index >= 0 && index < kLanguageCount;
    return QLocale(QString::fromLatin1(kLocaleNames[known ? index : 0]));
}

bool LanguageBox::create() {
    const bool loaded = selection_.Create();
    useLocale(selection_.Selected());
    if (loaded) {
        fillItems();
        sendLanguageChange(mainWindow_);
    }
    return loaded;
}

bool LanguageBox::applyLanguage(int index) {
    const bool loaded = selection_.Apply(index);
    useLocale(selection_.Selected());
    if (loaded) {
        fillItems();
        sendLanguageChange(mainWindow_);
    }
    return loaded;
}

void LanguageBox::useLocale(int index) {
    const QLocale locale = localeOf(index);
    QLocale::setDefault(locale);
    if (translator_) {
        QCoreApplication::removeTranslator(translator_.get());
        translator_.reset();
    }
    auto translator = std::make_unique<QTranslator>();
    if (translator->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(translator.get());
        translator_ = std::move(translator);
    }
}

void LanguageBox::fillItems() {
    const QSignalBlocker quiet(this);
    clear();
    const auto& names = selection_.File().DisplayNames();
    for (int i = 0; i < kLanguageCount; ++i) {
        const QString flag = QStringLiteral("flag_") + QString::fromLatin1(LanguageCode(i));
        addItem(QIcon(picturePath(flag)), fromInstallationText(names[static_cast<std::size_t>(i)]));
    }
    setCurrentIndex(selection_.Selected());
}
