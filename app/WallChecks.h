// The checks of many walls at once, from calculation files and spreadsheet
// tables, without any window: one entry per wall, as an aligned table for a
// person or as one JSON document for a script.
#pragma once

#include "KorvelsTable.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

namespace Korvel {

// Each wall of the files in order, handed over as soon as it is read and
// checked: its name (the file, and the table row's name for a CSV file) and
// its checked calculation, whose error says why a wall, or a whole file, was
// refused. ".korvel" and ".csv" by suffix, in any letter case. A table is
// read row by row: when it is refused whole after some rows, withdraw says
// how many of the walls last handed over are not to be used, and the file
// itself follows as one refused wall.
void ForEachWall(const QStringList& paths, const QString& separator,
                 const std::function<void(const QString& name, const CheckedCalculation&)>& take,
                 const std::function<void(std::size_t count)>& withdraw);

// Every wall of the files, in order, named by the file (and the table row's
// name for a CSV file): ".korvel" and ".csv" by suffix, in any
// letter case; a file of any other kind, or refused whole, is one entry that
// could not be checked. separator: the locale's, for the messages.
std::vector<CheckedWall> CheckWalls(const QStringList& paths, const QString& separator);

// ExitStatus over every wall.
int CheckStatus(const std::vector<CheckedWall>& walls);

// The table: a header line, one line per wall, a line for each check that
// could not be computed, and last the counts and the governing wall. Numbers
// with separator.
QByteArray CheckTable(const std::vector<CheckedWall>& walls, const QString& separator);

// The same as a JSON document, every comparison with its value and limit.
QByteArray CheckJson(const std::vector<CheckedWall>& walls);

} // namespace Korvel
