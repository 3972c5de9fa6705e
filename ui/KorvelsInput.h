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
// where the first removed character stood. Returns whether the text changed.
bool FilterEditText(QLineEdit* edit, bool decimal);

// Converts text to a number; a comma counts as the point on a comma locale.
bool ParseNumber(const QString& text, double& value);
