#pragma once
// Data exchange with validation as the dialog framework does it. A page shows a value with
// showReal, showInteger or showText and, when storing, reads it back with readReal or readInteger
// and then checkRange where the field has limits. A field whose text is still the one shown
// keeps the caller's value exactly: only what the user changed is read from the text. A failed
// read or check shows the framework's own message (a plain message, not a catalogue one), puts
// the focus into the field and returns false; the caller's value is left unchanged, so the page
// stops its exchange there.

#include <QString>
#include <optional>

class QLineEdit;

inline constexpr char kEnterNumber[] = "Please enter a number.";
inline constexpr char kEnterInteger[] = "Please enter an integer.";
inline constexpr char kEnterNumberBetween[] = "Please enter a number between %1 and %2.";

// With a point and up to three decimals, trailing zeros dropped (1234.567, 0.001, 5), so that
// a value of a tool or Fedrix file shows whole; a value too small or too large for that is
// shown with six significant digits ("%.6g"). A field left as shown keeps its value anyway.
QString formatReal(double value);
QString formatInteger(int value);

// A number with optional blanks around it; a point as decimal separator, optional sign and
// exponent. Text after the number, an empty text, an infinite value or a value beyond the range
// of the target type give nullopt.
std::optional<double> parseReal(const QString& text);
std::optional<float> parseFloat(const QString& text);
std::optional<int> parseInteger(const QString& text);

// Show the value, remember the text as the one shown and clear the edit's modified flag.
void showText(QLineEdit* edit, const QString& text);
void showReal(QLineEdit* edit, double value);
void showInteger(QLineEdit* edit, int value);
// Whether the edit's text differs from the one shown last (always for an edit never shown).
bool changedSinceShown(const QLineEdit* edit);

bool readReal(QLineEdit* edit, double& value);
bool readReal(QLineEdit* edit, float& value);
bool readInteger(QLineEdit* edit, int& value);
// The range is inclusive; the message gives the limits as the framework does ("%.6g").
bool checkRange(QLineEdit* edit, double value, double minimum, double maximum);
// Shows `message` as the framework shows its own, then returns to the field; returns false.
bool refuseField(QLineEdit* edit, const std::string& message);
