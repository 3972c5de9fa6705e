// The table of many walls' verdicts: one row per wall with its slenderness and
// each check's verdict and utilisation, the reasons of the checks that could
// not be computed, and the counts with the governing wall. The command line's
// table and the building's report are written by this one code.
#pragma once

#include "KorvelsWall.h"

#include <QString>
#include <QStringList>
#include <vector>

namespace Korvel {

struct CheckedWall : WallOutcome {
    QString name;  // as the table names the wall
    QString block; // its product; empty when the wall was refused before it was read
};

// A computed check's utilisation as its table shows it: "41 %", rounded up;
// "–" where a resistance is not positive.
QString UtilisationText(const CheckOutcome& c);

// A computed check in words, for a screen reader: "vastab, kasutusaste 41 %",
// "ei vasta" where a resistance is not positive.
QString ComputedWords(const CheckOutcome& c);

// A check's cell: "OK  41 %", "NB 112 %"; "–" where it could not be computed
// or is not shown above a slenderness of 27; empty where it does not apply.
QString CheckCell(const CheckOutcome& c);

// The header and one aligned row per wall; a refused wall's row gives its
// reason instead of its cells.
QStringList TableRows(const std::vector<CheckedWall>& walls, const QString& separator);

// "NAME, check: REASON" for each check that could not be computed.
QStringList UndefinedChecks(const std::vector<CheckedWall>& walls);

// "Seinu N: vastab A, ei vasta B, ei saa kontrollida C." and, when any
// utilisation was computed, "Suurim kasutusaste P %: NAME, check."
QStringList Summary(const std::vector<CheckedWall>& walls);

struct WallCounts {
    int passed = 0, failed = 0, unchecked = 0;
};
WallCounts CountWalls(const std::vector<CheckedWall>& walls);

// The wall and check with the largest computed utilisation; null when none.
struct Governing {
    const CheckedWall* wall = nullptr;
    const CheckOutcome* check = nullptr;
    double utilisation = 0;
};
Governing FindGoverning(const std::vector<CheckedWall>& walls);

} // namespace Korvel
