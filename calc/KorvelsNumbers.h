// Locale-free number text: the one formatter for every shown number, the
// parser of typed numbers, and the roundings that comparisons of shown
// values rely on.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace Korvel {

// Fixed-point text of value with the given number of decimals, rounded half
// away from zero on the shortest decimal form of the value (12.345 -> 12.35).
// A result that rounds to zero carries no minus sign.
std::string FormatFixed(double value, int decimals, std::string_view decimalSeparator = ".");

// Replaces each "%.f", "%.1f", "%.2f", "%.3f" of pattern, in order, by the
// next value formatted with FormatFixed; other text is copied unchanged.
std::string FormatNumbers(std::string_view pattern, std::initializer_list<double> values,
                          std::string_view decimalSeparator = ".");

// Parses leading blanks, an optional sign, digits with an optional point and
// an optional exponent; the whole text must be consumed and the number finite.
bool ParseNumberText(std::string_view text, double& value);

// True when the separator other is followed by exactly three digits and
// nothing more, after a whole part (minus signs aside) that is not 0: "45.000"
// where the decimal separator is the comma may be forty-five thousand, and is
// refused rather than read as 45, typed or read from a table alike. text
// holds digits, separators and '-' only.
bool HasThousandsGroup(std::string_view text, char other);

// value rounded to the given number of significant decimal digits.
double RoundSignificant(double value, int digits);

// Slenderness against its limit 27, compared at nine significant digits so a
// wall exactly at the limit on paper is not pushed over it by the last bit.
// Returns -1 below, 0 at and 1 above the limit.
int CompareSlenderness(double lambdah);

// A length in metres as whole millimetres, for comparisons of typed lengths.
double WholeMm(double metres);

// The largest distance of the bearing area from the wall end, in whole
// millimetres, for a wall of length L and a bearing area of length bkj
// (metres): what is left of half the wall, or 0 when the area is longer.
double AltUpperMm(double L, double bkj);

} // namespace Korvel
