#include "KorvelsBuildingReport.h"

#include "KorvelsWall.h"

namespace Korvel {

namespace {

const QString B14(14, QChar(' '));
const QString B16(16, QChar(' '));
const QString WallPart = B16 + "SEIN \"";
// The header's lines: an empty line, the title, an empty line, six project lines.
constexpr qsizetype HeaderLines = 9;

CheckedWall Named(const WallResult& w, const BuildingWall& wall) {
    CheckedWall c;
    static_cast<WallOutcome&>(c) = w;
    c.name = wall.name;
    c.block = wall.calculation.block;
    return c;
}

} // namespace

bool StartsBuildingTable(const QString& line) {
    return line == B16 + "HOONE SEINAD";
}

bool StartsWallPart(const QString& line) {
    return line.startsWith(WallPart);
}

BuildingReportText BuildingWallReport(const Building& b, std::size_t wall,
                                      const QString& separator) {
    WallResult w = EvaluateWall(b.Checked(wall), separator);
    BuildingReportText out;
    out.lines = WallReport(w, separator);
    if (b.walls.size() > 1 && out.lines.size() >= HeaderLines)
        out.lines.insert(HeaderLines, B14 + "Sein: " + b.walls[wall].name);
    out.walls.push_back(Named(w, b.walls[wall]));
    out.status = ExitStatus({&out.walls.back()});
    return out;
}

BuildingReportText BuildingReport(const Building& b, const QString& separator) {
    if (b.walls.size() == 1) return BuildingWallReport(b, 0, separator);
    BuildingReportText out;
    out.walls.reserve(b.walls.size());
    std::vector<QStringList> parts;
    parts.reserve(b.walls.size());
    QStringList header;
    for (std::size_t i = 0; i < b.walls.size(); ++i) {
        WallResult w = EvaluateWall(b.Checked(i), separator);
        QStringList lines = WallReport(w, separator);
        if (header.isEmpty()) header = lines.mid(0, HeaderLines);
        // From the geometry's heading to the last line that is not empty.
        const qsizetype from = lines.indexOf(B16 + "MÜÜRITISE GEOMEETRIA");
        qsizetype to = lines.size();
        while (to > from && lines.at(to - 1).trimmed().isEmpty())
            --to;
        parts.push_back(from < 0 ? QStringList() : lines.mid(from, to - from));
        out.walls.push_back(Named(w, b.walls[i]));
    }

    QStringList& l = out.lines;
    l << header << ""
      << "" << B16 + "HOONE SEINAD"
      << "";
    for (const QString& row : TableRows(out.walls, separator))
        l << B14 + row;
    l << "";
    for (const QString& line : Summary(out.walls))
        l << B14 + line;
    for (const QString& line : UndefinedChecks(out.walls))
        l << B14 + line;
    l << ""
      << "";
    for (std::size_t i = 0; i < parts.size(); ++i) {
        l << WallPart + b.walls[i].name + "\""
          << "";
        l << parts[i];
        l << ""
          << "";
    }

    std::vector<const WallOutcome*> outcomes;
    outcomes.reserve(out.walls.size());
    for (const CheckedWall& w : out.walls)
        outcomes.push_back(&w);
    out.status = ExitStatus(outcomes);
    return out;
}

} // namespace Korvel
