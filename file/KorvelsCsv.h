// The walls of a building as a spreadsheet's CSV file: one wall per row under
// a header row of the calculation file's keys, each row checked like a file.
//
// How a file is read:
// - UTF-8, an optional byte-order mark; CRLF, LF or CR line ends.
// - The header row tells the dialect: a ';' outside quotes in it means cells
//   are split by ';' and numbers carry the decimal comma (what an Estonian
//   spreadsheet exports); otherwise cells are split by ',' and numbers carry
//   the decimal point. A number in the other form ("1.500" in the ';'
//   dialect, "1,5" in the ',' one) is refused with the field's range
//   message, never read as another number.
// - Header names are the calculation file's keys, case as written there:
//   "block", the 22 edit names, "CheckBox1", "CheckBox2", "position", the
//   project keys, and "name" for the wall's own name. Blanks around a name
//   are dropped. An empty, unknown or repeated name refuses the file.
// - Cells may be quoted; a quote inside is doubled; a quoted cell may hold the
//   separator and line breaks. Blanks around a cell (outside its quotes) are
//   dropped. A quote left open to the end refuses the file.
// - A missing column or an empty cell takes the start value. A check-box cell
//   is true/false or 1/0 in any letter case; "position" is 1, 2 or 3.
// - A row of empty cells is skipped. A row with more cells than the header,
//   or with any value that does not pass, is refused alone, with every bad
//   cell named (row, column, value, and the field's range message); the other
//   rows are read and checked.
// - Rows are numbered as a spreadsheet shows them: the header is row 1, and a
//   quoted line break does not start a new row.
#pragma once

#include "KorvelsFile.h"

#include <QByteArray>
#include <QString>
#include <functional>
#include <string_view>
#include <vector>

namespace Korvel {

inline constexpr qint64 MaxCsvFileSize = qint64(64) << 20;
// Far beyond any building; keeps a hostile file from taking gigabytes.
inline constexpr int MaxCsvWalls = 20000;
inline constexpr const char* CsvNameColumn = "name";

struct CsvWall {
    QString name;  // the row's "name" cell, or "rida N" (N = the spreadsheet's row number)
    int line = 0;  // spreadsheet row number, the header being 1
    QString error; // empty when read and checked; otherwise why not, naming row, column and value
    CheckedCalculation checked; // the checked calculation when error is empty
};

struct CsvTable {
    QString error;              // the file refused whole (not UTF-8, bad header, too big, no rows)
    std::vector<CsvWall> walls; // one per non-empty data row, in order
};

// decimalSeparator: how range messages show numbers (as CheckCalculation takes it).
CsvTable ReadCsv(const QByteArray& bytes, std::string_view decimalSeparator);

// The same row by row, without keeping the walls: each goes to take as soon
// as it is read and checked. Returns why the file is refused whole (empty when
// it was read to the end); the walls taken before a refusal are not to be used.
QString ReadCsvRows(const QByteArray& bytes, std::string_view decimalSeparator,
                    const std::function<void(CsvWall&)>& take);
QString ReadCsvFileRows(const QString& path, std::string_view decimalSeparator,
                        const std::function<void(CsvWall&)>& take);

// Reads the file at path: its size is checked before it is read.
CsvTable ReadCsvFile(const QString& path, std::string_view decimalSeparator);

} // namespace Korvel
