#include "gui/framework/data_exchange.h"

#include <QLineEdit>
#include <QVariant>
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

bool fail(QLineEdit* edit, const QString& message) {
    return refuseField(edit, toInstallationText(message));
}

// The framework's "%.6g": the limits of its range message, and values three decimals cannot show.
QString formatLimit(double value) {
    char buffer[64];
    auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 6);
    return QString::fromLatin1(buffer, static_cast<qsizetype>(result.ptr - buffer));
}

constexpr char kShownText[] = "shownText";
// Beyond this, three decimals are more digits than a double holds.
constexpr double kLargestFixed = 1e15;

}  // namespace

bool refuseField(QLineEdit* edit, const std::string& message) {
    message_presenter().PresentPlain(message, kButtonsOk, kIconExclamation);
    edit->setFocus();
    edit->selectAll();
    return false;
}

QString formatReal(double value) {
    char buffer[64];
    char* end = buffer;
    if (std::fabs(value) < kLargestFixed) {
        end = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 3).ptr;
        while (end[-1] == '0') {
            --end;
        }
        if (end[-1] == '.') {
            --end;
        }
    }
    std::string_view text(buffer, static_cast<std::size_t>(end - buffer));
    if (text == "-0") {
        text = "0";
    }
    if (text.empty() || (text == "0" && value != 0.0)) {
        return formatLimit(value);
    }
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
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

void showText(QLineEdit* edit, const QString& text) {
    edit->setText(text);
    // What the edit holds: a text longer than the edit takes is cut by setText.
    edit->setProperty(kShownText, edit->text());
    edit->setModified(false);
}

void showReal(QLineEdit* edit, double value) {
    showText(edit, formatReal(value));
}

void showInteger(QLineEdit* edit, int value) {
    showText(edit, formatInteger(value));
}

bool changedSinceShown(const QLineEdit* edit) {
    const QVariant shown = edit->property(kShownText);
    return !shown.isValid() || shown.toString() != edit->text();
}

bool readReal(QLineEdit* edit, double& value) {
    if (!changedSinceShown(edit)) {
        return true;
    }
    const std::optional<double> parsed = parseReal(edit->text());
    if (!parsed) {
        return fail(edit, QString::fromLatin1(kEnterNumber));
    }
    value = *parsed;
    return true;
}

bool readReal(QLineEdit* edit, float& value) {
    if (!changedSinceShown(edit)) {
        return true;
    }
    const std::optional<float> parsed = parseFloat(edit->text());
    if (!parsed) {
        return fail(edit, QString::fromLatin1(kEnterNumber));
    }
    value = *parsed;
    return true;
}

bool readInteger(QLineEdit* edit, int& value) {
    if (!changedSinceShown(edit)) {
        return true;
    }
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
        QString::fromLatin1(kEnterNumberBetween).arg(formatLimit(minimum), formatLimit(maximum)));
}
