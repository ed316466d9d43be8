#pragma once
// Data exchange with validation as the dialog framework does it. A page shows a value with
// showReal or showInteger and, when storing, reads it back with readReal or readInteger and then
// checkRange where the field has limits. A failed read or check shows the framework's own message
// (a plain message, not a catalogue one), puts the focus into the field and returns false; the
// caller's value is left unchanged, so the page stops its exchange there.

#include <QString>
#include <optional>

class QLineEdit;

inline constexpr char kEnterNumber[] = "Please enter a number.";
inline constexpr char kEnterInteger[] = "Please enter an integer.";
inline constexpr char kEnterNumberBetween[] = "Please enter a number between %1 and %2.";

// "%.6g" and "%d", always with a point.
QString formatReal(double value);
QString formatInteger(int value);

// A number with optional blanks around it; a point as decimal separator, optional sign and
// exponent. Text after the number, an empty text, an infinite value or a value beyond the range
// of the target type give nullopt.
std::optional<double> parseReal(const QString& text);
std::optional<float> parseFloat(const QString& text);
std::optional<int> parseInteger(const QString& text);

// Show the value and clear the edit's modified flag.
void showReal(QLineEdit* edit, double value);
void showInteger(QLineEdit* edit, int value);

bool readReal(QLineEdit* edit, double& value);
bool readReal(QLineEdit* edit, float& value);
bool readInteger(QLineEdit* edit, int& value);
// The range is inclusive.
bool checkRange(QLineEdit* edit, double value, double minimum, double maximum);
bool checkRange(QLineEdit* edit, int value, int minimum, int maximum);
