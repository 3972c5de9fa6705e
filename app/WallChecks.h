// The checks of many walls at once, from calculation files and spreadsheet
// tables, without any window: one entry per wall, as an aligned table for a
// person or as one JSON document for a script.
#pragma once

#include "KorvelsWall.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

namespace Korvel {

struct CheckedWall {
    QString name;  // the file as named, with the table row's name for a CSV file
    QString error; // not empty: the wall could not be checked, and why
    double slenderness = 0;
    bool slendernessOk = false;
    std::vector<CheckOutcome> checks;
    bool Passes() const;
};

// Every wall of the files, in order: ".korvel" and ".csv" by suffix, in any
// letter case; a file of any other kind, or refused whole, is one entry that
// could not be checked. separator: the locale's, for the messages.
std::vector<CheckedWall> CheckWalls(const QStringList& paths, const QString& separator);

// 0 when every wall passes, 1 when any fails, 2 when any could not be checked.
int CheckStatus(const std::vector<CheckedWall>& walls);

// The table: a header line, one line per wall, the counts and the governing
// wall last. Numbers with separator.
QByteArray CheckTable(const std::vector<CheckedWall>& walls, const QString& separator);

// The same as a JSON document, every comparison with its value and limit.
QByteArray CheckJson(const std::vector<CheckedWall>& walls);

} // namespace Korvel
