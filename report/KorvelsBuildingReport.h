// The report of a building: the project header, a table of every wall's
// verdicts with the counts and the governing wall, then each wall's own
// calculation as that wall alone reports it. A building of one wall reports
// as that wall.
#pragma once

#include "KorvelsBuilding.h"
#include "KorvelsTable.h"

#include <QString>
#include <QStringList>
#include <vector>

namespace Korvel {

struct BuildingReportText {
    QStringList lines;
    // Every wall's outcome in the building's order, named by the wall.
    std::vector<CheckedWall> walls;
    int status = 0; // ExitStatus over the walls reported
};

// The whole building; separator: the locale's decimal separator.
BuildingReportText BuildingReport(const Building& b, const QString& separator);

// One wall's report as it reports alone; in a building of two or more walls
// with the line "Sein: NAME" after the project data.
BuildingReportText BuildingWallReport(const Building& b, std::size_t wall,
                                      const QString& separator);

// Whether a report line begins a wall's part of a building report: the
// printout starts it on a new page.
bool StartsWallPart(const QString& line);
// Whether a report line is the heading of the table of walls: the lines up to
// the next empty one are padded for a fixed-width face.
bool StartsBuildingTable(const QString& line);

} // namespace Korvel
