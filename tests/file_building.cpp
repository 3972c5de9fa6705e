// A building in one file: the example written back byte for byte, random
// buildings round trip bit for bit, a version 1 file as one wall, and each
// class of refusal naming the wall.
#include "KorvelsBuilding.h"
#include "KorvelsInputs.h"
#include "KorvelsNumbers.h"

#include <QFile>
#include <QString>
#include <cstring>
#include <gtest/gtest.h>
#include <random>

using namespace Korvel;

namespace {

QByteArray ExampleFile(const char* name) {
    QFile f(QString(KORVEL_EXAMPLES_DIR "/") + name);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << name;
    return f.readAll();
}

CheckedBuilding Read(const QByteArray& bytes) {
    return ReadBuilding(bytes, ",", "maja.korvel");
}

// A building of walls named by names, each with the start values.
QByteArray WithWalls(const QStringList& names, const QByteArray& extra = {}) {
    Building b;
    for (const QString& name : names)
        b.walls.push_back({name, Calculation::Start(), TArvutused()});
    QByteArray bytes = WriteBuilding(b);
    if (!extra.isEmpty()) bytes.replace("\"name\": \"S-2\",", "\"name\": \"S-2\",\n" + extra);
    return bytes;
}

void ExpectRefused(const QByteArray& bytes, const char* part) {
    const CheckedBuilding b = Read(bytes);
    EXPECT_NE(b.error.indexOf(QString::fromUtf8(part)), -1)
        << part << " | " << b.error.toStdString();
    EXPECT_TRUE(b.building.walls.empty());
}

} // namespace

TEST(BuildingFile, TheExampleReadsWithTheChecksEachWallHasAndIsWrittenBackByteForByte) {
    const QByteArray bytes = ExampleFile("building.korvel");
    const CheckedBuilding b = Read(bytes);
    ASSERT_TRUE(b.error.isEmpty()) << b.error.toStdString();
    ASSERT_EQ(b.building.walls.size(), 7u);
    EXPECT_EQ(b.building.walls[0].name, "S-1 1. korrus");
    EXPECT_EQ(b.building.walls[0].calculation.checks, (std::array<bool, 3>{true, false, false}));
    EXPECT_EQ(b.building.walls[6].calculation.checks, (std::array<bool, 3>{true, false, true}));
    EXPECT_EQ(b.building.project[1], "Elamu, Kase tn 12");
    EXPECT_EQ(QString::fromUtf8(WriteBuilding(b.building)).toStdString(),
              QString::fromUtf8(bytes).toStdString());
}

TEST(BuildingFile, RandomBuildingsComeBackBitForBit) {
    std::mt19937 random(7);
    const auto pick = [&](int n) { return int(random() % unsigned(n)); };
    for (int round = 0; round < 20; ++round) {
        Building b;
        b.project[0] = QString::fromUtf8("Maja \"õu\" \\ ") + QString::number(round);
        for (int w = 1 + pick(12); w > 0; --w) {
            Calculation c = Calculation::Start();
            c.block = QString::fromUtf8(Catalogue()[std::size_t(pick(18))].name);
            const auto fields = InputFields();
            for (std::size_t i = 0; i < fields.size(); ++i) {
                const InputField& f = fields[i];
                const double upper = UpperBound(f, WidestWall());
                const double v = f.lower + (upper - f.lower) * pick(1000) / 1000.0;
                c.inputs[i] = QString::fromStdString(FormatFixed(v, f.decimal ? pick(4) : 0));
            }
            c.checkBox1 = pick(2), c.checkBox2 = pick(2), c.position = 1 + pick(3);
            c.checks = {pick(2) == 1, pick(2) == 1, pick(2) == 1};
            c.project = b.project;
            const CheckedCalculation checked = CheckCalculation(c, ",");
            ASSERT_TRUE(checked.error.isEmpty()) << checked.error.toStdString();
            b.walls.push_back({QString("S-%1 õ").arg(b.walls.size() + 1), c, checked.record});
        }
        const CheckedBuilding again = Read(WriteBuilding(b));
        ASSERT_TRUE(again.error.isEmpty()) << again.error.toStdString();
        ASSERT_EQ(again.building, b);
        for (std::size_t w = 0; w < b.walls.size(); ++w)
            for (const InputField& f : InputFields())
                EXPECT_EQ(std::memcmp(&(again.building.walls[w].record.*(f.field)),
                                      &(b.walls[w].record.*(f.field)), sizeof(double)),
                          0)
                    << f.name;
    }
}

TEST(BuildingFile, AVersionOneFileIsOneWallNamedAfterTheFile) {
    const CheckedBuilding b =
        ReadBuilding(ExampleFile("wall.korvel"), ",", QString::fromUtf8("sein S-3.korvel"));
    ASSERT_TRUE(b.error.isEmpty()) << b.error.toStdString();
    EXPECT_EQ(b.version, 1);
    ASSERT_EQ(b.building.walls.size(), 1u);
    EXPECT_EQ(b.building.walls[0].name, "sein S-3");
    EXPECT_EQ(b.building.walls[0].calculation.block, "Norvik 200");
    EXPECT_EQ(b.building.project[3], QString::fromUtf8("OÜ Tammetõru"));
    // Written again it is a building of version 2 with the same wall.
    const CheckedBuilding again = Read(WriteBuilding(b.building));
    ASSERT_TRUE(again.error.isEmpty()) << again.error.toStdString();
    EXPECT_EQ(again.version, 2);
    EXPECT_EQ(again.building, b.building);
}

TEST(BuildingFile, EachRefusalNamesWhatWasWrongAndTheWall) {
    const QByteArray head = R"({"format": "KORVELsein", "version": 2, )";
    ExpectRefused(head + "\"project\": {}}", "\"walls\" puudub");
    ExpectRefused(head + "\"walls\": {}}", "\"walls\"");
    ExpectRefused(head + "\"walls\": []}", "\"walls\" on tühi");
    ExpectRefused(head + "\"walls\": [3]}", "sein 1: kirje peab olema objekt");
    ExpectRefused(WithWalls({"S-1", "S-2", "S-1"}), "sein 3 (S-1): sama nimi on juba seinal 1");
    ExpectRefused(WithWalls({"S-1", ""}), "sein 2: seina nimi on tühi");
    ExpectRefused(WithWalls({"S-1", QString(61, 'x')}), "sein 2: seina nimi on pikem kui 60");
    ExpectRefused(WithWalls({"S-1", " S-2"}), "sein 2: seina nimi algab või lõpeb tühikuga");
    ExpectRefused(WithWalls({"S-1", "S\t2"}), "sein 2: seina nimi sisaldab juhtmärki");
    ExpectRefused(WithWalls({"S-1", "S-2"}, "      \"kõrgus\": 1,"),
                  "sein 2 (S-2): tundmatu kirje \"kõrgus\"");
    QByteArray corner = WithWalls({"S-1", "S-2"});
    corner.replace(corner.lastIndexOf("\"support\""), 9, "\"corner\"");
    ExpectRefused(corner, "sein 2 (S-2): tundmatu kirje \"checks.corner\"");
    QByteArray high = WithWalls({"S-1", "S-2"});
    high.replace(high.lastIndexOf("\"hEdit\": \"3000\""), 15, "\"hEdit\": \"99999\"");
    ExpectRefused(high, "sein 2 (S-2): kirje \"inputs.hEdit\" väärtus \"99999\"");
    QStringList many;
    for (int i = 0; i <= MaxBuildingWalls; ++i)
        many << QString("S-%1").arg(i);
    ExpectRefused(WithWalls(many), "hoones on 2001 seina");
    ExpectRefused(QByteArray(MaxBuildingFileSize + 1, ' '), "suurem kui 16 MiB");
}
