#include "gui/dialogs/startup_failure.h"

#include <QGuiApplication>
#include <cstdlib>

#include "language/builtin_texts.h"
#include "language/language_codes.h"
#include "language/message_presenter.h"

namespace {

bool g_visible = false;
FatalHandler g_previous = nullptr;

bool named(const char* variable) {
    const char* value = std::getenv(variable);
    return value != nullptr && *value != '\0';
}

void presentStartupFailure(const std::string& text) {
    // A fatal report raised while the box is up ends the process without a second box.
    static bool presenting = false;
    if (g_visible && !presenting) {
        presenting = true;
        message_presenter().PresentPlain(startupFailureText(text), kButtonsOk, kIconStop);
        presenting = false;
    }
    if (g_previous != nullptr) {
        g_previous(text);
    }
}

}  // namespace

bool displayAvailable() {
    const QString platform = QGuiApplication::platformName();
    if (platform == QLatin1String("offscreen") || platform == QLatin1String("minimal")) {
        return false;
    }
    return named("DISPLAY") || named("WAYLAND_DISPLAY");
}

std::string startupFailureText(const std::string& runtimeText) {
    std::string text = runtimeText;
    while (!text.empty() && text.back() == '\n') {
        text.pop_back();
    }
    const char* language = std::getenv("KVXLANG");
    return text + "\n\n" +
           builtin_text(BuiltinText::StartedWithoutCamSystem,
                        LanguageIndex(language != nullptr ? language : ""));
}

FatalHandler showStartupFailures(bool visible) {
    g_visible = visible;
    g_previous = set_fatal_handler(presentStartupFailure);
    return g_previous;
}
