// Numbers on screen: one formatter, with the locale's decimal separator.
#pragma once

#include <QString>
#include <initializer_list>

namespace Korvel {

// The locale's decimal separator, read once at start-up (InitDecimalCharSet).
QString DecimalSeparator();

// Formats pattern ("%.f", "%.1f", "%.2f", "%.3f" in any text) with values,
// half away from zero, the locale's decimal separator in place of the point.
QString Fmt(const char* pattern, std::initializer_list<double> values);
QString Fmt(const QString& pattern, std::initializer_list<double> values);

} // namespace Korvel
