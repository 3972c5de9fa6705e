// The report of a building: the header, the table of every wall with the
// counts and what could not be computed, and each wall's part exactly as that
// wall alone reports it.
#include "KorvelsBuildingReport.h"

#include <QString>
#include <gtest/gtest.h>

using namespace Korvel;

namespace {

const QString B14(14, QChar(' '));

BuildingWall Wall(const QString& name, void (*change)(Calculation&)) {
    Calculation c = Calculation::Start();
    c.block = "Norvik 300";
    change(c);
    const CheckedCalculation checked = CheckCalculation(c, ",");
    EXPECT_TRUE(checked.error.isEmpty()) << checked.error.toStdString();
    return {name, c, checked.record};
}

} // namespace

TEST(BuildingReport, TableCountsAndEachWallAsItReportsAlone) {
    Building b;
    b.project[0] = "Maja";
    b.walls.push_back(Wall("S-1", [](Calculation&) {}));
    // Both vertical loads 0: that check cannot be computed, the others can.
    b.walls.push_back(Wall("S-2", [](Calculation& c) { c.inputs[3] = c.inputs[5] = "0"; }));
    // The concentrated load does not apply.
    b.walls.push_back(Wall("S-3", [](Calculation& c) { c.checks = {true, false, true}; }));
    for (BuildingWall& w : b.walls)
        w.calculation.project = b.project;

    const BuildingReportText report = BuildingReport(b, ",");
    const QStringList& l = report.lines;
    ASSERT_GT(l.size(), 30);
    EXPECT_EQ(l[1], QString(16, ' ') + "ARVUTUSE \"Maja\" ANDMED");
    EXPECT_EQ(l[11], QString(16, ' ') + "HOONE SEINAD");
    const QString header = l[13];
    EXPECT_TRUE(header.startsWith(B14 + "Sein  Plokk ")) << header.toStdString();
    const qsizetype concentrated = header.indexOf("Koondjõud");
    EXPECT_EQ(l[15].mid(header.indexOf("Kandevõime"), 2).toStdString(), "– ");
    EXPECT_EQ(l[16].mid(concentrated, 2), "  ") << l[16].toStdString(); // does not apply
    EXPECT_EQ(l[14].mid(concentrated, 2), "OK");
    EXPECT_EQ(l[18], B14 + "Seinu 3: vastab 2, ei vasta 0, ei saa kontrollida 1.");
    EXPECT_TRUE(l[19].startsWith(B14 + "Suurim kasutusaste ")) << l[19].toStdString();
    EXPECT_TRUE(l[20].startsWith(B14 + "S-2, kandevõime: Mõlemad vertikaalkoormused"))
        << l[20].toStdString();
    EXPECT_EQ(report.status, 2);

    // Each wall's part: the lines its own report gives from the geometry on.
    qsizetype at = l.indexOf(QString(16, ' ') + "SEIN \"S-1\"");
    for (std::size_t i = 0; i < b.walls.size(); ++i) {
        SCOPED_TRACE(i);
        ASSERT_GE(at, 0);
        EXPECT_TRUE(StartsWallPart(l[at]));
        QStringList alone = BuildingWallReport(b, i, ",").lines;
        EXPECT_EQ(alone[9], B14 + "Sein: " + b.walls[i].name);
        alone = alone.mid(alone.indexOf(QString(16, ' ') + "MÜÜRITISE GEOMEETRIA"));
        while (alone.back().isEmpty())
            alone.removeLast();
        EXPECT_EQ(l.mid(at + 2, alone.size()).join('\n').toStdString(),
                  alone.join('\n').toStdString());
        EXPECT_EQ(alone.filter("KOORMAMINE KOONDATUD JÕUGA").isEmpty(), i == 2);
        EXPECT_EQ(alone.filter("AVADETA VERTIKAALKOORMUSEGA").isEmpty(), i == 1);
        at += 2 + alone.size() + 2;
    }
    EXPECT_EQ(at, l.size());

    // A building of one wall reports as that wall alone.
    b.walls.resize(1);
    const QStringList one = BuildingReport(b, ",").lines;
    EXPECT_EQ(one.filter("HOONE SEINAD").size(), 0);
    EXPECT_EQ(one.filter("Sein: ").size(), 0);
}
