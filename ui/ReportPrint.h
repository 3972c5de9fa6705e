// The printout of the report: A4 pages with room for binding, page breaks
// where the report's own structure allows them, a small footer with the
// title and the page number, and every failure of the printer or of the
// output file reported back.
#pragma once

#include <QFont>
#include <QString>
#include <QStringList>
#include <memory>

class QPrinter;

namespace Korvel {

// The printer the window and the command line print on: the device's own
// resolution, A4 unless the user chooses otherwise.
std::unique_ptr<QPrinter> NewReportPrinter();

// The report's font: the layout's families, 15 pixels on the results page;
// the printout takes its families and sizes them for paper.
QFont ReportFont();

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
