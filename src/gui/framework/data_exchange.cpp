#include "gui/framework/data_exchange.h"

#include <QLineEdit>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>

#include "gui/framework/installation_text.h"
#include "language/message_presenter.h"
#include "platform/number_text.h"

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

bool onlyBlanks(std::string_view rest) {
    for (char c : rest) {
        if (!isBlank(c)) {
            return false;
        }
    }
    return true;
}

// Tells the user, then returns to the field so that they can correct it.
bool fail(QLineEdit* edit, const QString& message) {
    message_presenter().PresentPlain(toInstallationText(message), kButtonsOk, kIconExclamation);
    edit->setFocus();
    edit->selectAll();
    return false;
}

}  // namespace

QString formatReal(double value) {
    char buffer[64];
    auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 6);
    return QString::fromLatin1(buffer, static_cast<qsizetype>(result.ptr - buffer));
}

QString formatInteger(int value) {
    return QString::number(value);
}

std::optional<double> parseReal(const QString& text) {
    const std::string bytes = text.toStdString();
    const platform::ParsedDouble parsed = platform::parse_leading_double(bytes);
    if (parsed.consumed == 0 || !onlyBlanks(std::string_view(bytes).substr(parsed.consumed)) ||
        !std::isfinite(parsed.value)) {
        return std::nullopt;
    }
    return parsed.value;
}

std::optional<float> parseFloat(const QString& text) {
    const std::optional<double> value = parseReal(text);
    // Converting a double beyond the float range is undefined; such a value is no number here.
    if (!value || std::fabs(*value) > std::numeric_limits<float>::max()) {
        return std::nullopt;
    }
    return static_cast<float>(*value);
}

std::optional<int> parseInteger(const QString& text) {
    const std::string bytes = text.toStdString();
    std::string_view rest(bytes);
    while (!rest.empty() && isBlank(rest.front())) {
        rest.remove_prefix(1);
    }
    if (rest.size() > 1 && rest.front() == '+' && rest[1] != '-') {
        rest.remove_prefix(1);
    }
    int value = 0;
    const auto [end, error] = std::from_chars(rest.data(), rest.data() + rest.size(), value);
    if (error != std::errc() ||
        !onlyBlanks(rest.substr(static_cast<std::size_t>(end - rest.data())))) {
        return std::nullopt;
    }
    return value;
}

void showReal(QLineEdit* edit, double value) {
    edit->setText(formatReal(value));
}

void showInteger(QLineEdit* edit, int value) {
    edit->setText(formatInteger(value));
}

bool readReal(QLineEdit* edit, double& value) {
    const std::optional<double> parsed = parseReal(edit->text());
    if (!parsed) {
        return fail(edit, QString::fromLatin1(kEnterNumber));
    }
    value = *parsed;
    return true;
}

bool readReal(QLineEdit* edit, float& value) {
    const std::optional<float> parsed = parseFloat(edit->text());
    if (!parsed) {
        return fail(edit, QString::fromLatin1(kEnterNumber));
    }
    value = *parsed;
    return true;
}

bool readInteger(QLineEdit* edit, int& value) {
    const std::optional<int> parsed = parseInteger(edit->text());
    if (!parsed) {
        return fail(edit, QString::fromLatin1(kEnterInteger));
    }
    value = *parsed;
    return true;
}

bool checkRange(QLineEdit* edit, double value, double minimum, double maximum) {
    if (value >= minimum && value <= maximum) {
        return true;
    }
    return fail(
        edit,
        QString::fromLatin1(kEnterNumberBetween).arg(formatReal(minimum), formatReal(maximum)));
}

bool checkRange(QLineEdit* edit, int value, int minimum, int maximum) {
    if (value >= minimum && value <= maximum) {
        return true;
    }
    return fail(edit, QString::fromLatin1(kEnterNumberBetween)
                          .arg(formatInteger(minimum), formatInteger(maximum)));
}
