// Shared input routines of the numeric edit fields: the integer and decimal
// character sets, the character filter and the parser.
#pragma once

#include <QChar>
#include <QString>

class QLineEdit;

// Adds the locale's decimal separator to the decimal character set. Called
// once at start-up, before the windows are created.
void InitDecimalCharSet();

// The decimal separator read by InitDecimalCharSet (a point before it ran).
QString DecimalSeparatorChar();

// True when c belongs to the decimal (decimal true) or the integer set.
bool CharAllowed(QChar c, bool decimal);

// Removes every character that is not allowed, in one pass; the caret goes
// where the first removed character stood. The minus sign U+2212 and the
// dashes a word processor writes for a hyphen are taken as "-" and, in a
// decimal field, either separator as the locale's. Returns whether the text
// changed.
bool FilterEditText(QLineEdit* edit, bool decimal);

// True when a separator ("," or ".") is followed by a digit: in a whole-number
// field such a text is refused rather than read as a different number.
bool HasFractionDigits(const QString& text);

// True when the separator that is not the locale's is followed by exactly
// three digits and nothing more, after a whole part that is not 0: "45.000"
// under a comma locale may be forty-five thousand, and is refused rather than
// read as 45. "12.5", "0.125" and "1.2345" are decimals.
bool HasThousandsGroup(const QString& text);

// Converts text to a number; a comma counts as the point on a comma locale.
bool ParseNumber(const QString& text, double& value);
