// The printout of the report: A4 pages with room for binding, page breaks
// where the report's own structure allows them, a small footer with the
// title and the page number, and every failure of the printer or of the
// output file reported back.
#pragma once

#include <QString>
#include <QStringList>

class QFont;
class QPrinter;

namespace Korvel {

// Paper margins, millimetres: the left one leaves room to bind or punch.
inline constexpr double PrintMarginLeftMm = 25;
inline constexpr double PrintMarginMm = 15;

// The title the report's second line names (the text between its quotes).
QString ReportTitle(const QStringList& lines);

// Prints lines in the family of font on printer as one job.
// Returns an empty string when the job went out whole; otherwise a message
// for the user, and an output file that could not be written whole is left
// as it was before (or not made).
QString PrintReportLines(QPrinter& printer, const QStringList& lines, const QFont& font);

} // namespace Korvel
