// A building's walls from a spreadsheet's CSV file: both dialects, the
// spreadsheet's quoting and line ends, and a bad row among good ones.
#include "KorvelsCsv.h"
#include "KorvelsInputs.h"

#include <QFile>
#include <QString>
#include <array>
#include <gtest/gtest.h>

using namespace Korvel;

namespace {

CsvTable Read(const QByteArray& bytes) {
    return ReadCsv(bytes, ",");
}

QByteArray ExampleFile(const char* name) {
    QFile f(QString(KORVEL_EXAMPLES_DIR "/") + name);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << name;
    return f.readAll();
}

// The wall of the example calculation file as one row of a CSV file.
QByteArray ExampleAsCsv(const Calculation& c, char sep, const char* checked) {
    const auto cell = [&](QString s) {
        if (s.contains(sep) || s.contains('"')) s = '"' + s.replace("\"", "\"\"") + '"';
        return s.toUtf8();
    };
    QByteArray header = "name", row = "S-3";
    const auto add = [&](const char* key, QByteArray value) {
        header += sep + QByteArray(key);
        row += sep + value;
    };
    add("block", cell(c.block));
    const auto fields = InputFields();
    for (std::size_t i = 0; i < fields.size(); ++i)
        add(fields[i].name, cell(QString(c.inputs[i]).replace('.', sep == ';' ? ',' : '.')));
    add("CheckBox1", checked);
    add("CheckBox2", checked);
    add("position", QByteArray::number(c.position));
    for (int i = 0; i < ProjectFieldCount; ++i)
        add(ProjectKeys[i], cell(c.project[i]));
    return header + '\n' + row + '\n';
}

void ExpectSameRecord(const TArvutused& a, const TArvutused& b) {
    EXPECT_EQ(a.t, b.t);
    EXPECT_EQ(a.fb, b.fb);
    for (const InputField& f : InputFields())
        EXPECT_EQ(a.*(f.field), b.*(f.field)) << f.name;
}

} // namespace

TEST(CsvFile, BothDialectsGiveTheRecordOfTheSameValuesInACalculationFile) {
    const CheckedCalculation file = ReadCalculation(ExampleFile("wall.korvel"), ",");
    ASSERT_TRUE(file.error.isEmpty()) << file.error.toStdString();
    for (const auto& [sep, checked] : {std::pair{';', "TRUE"}, std::pair{',', "1"}}) {
        const CsvTable t = Read(ExampleAsCsv(file.calculation, sep, checked));
        ASSERT_TRUE(t.error.isEmpty()) << t.error.toStdString();
        ASSERT_EQ(t.walls.size(), 1u);
        const CsvWall& w = t.walls[0];
        ASSERT_TRUE(w.error.isEmpty()) << sep << " " << w.error.toStdString();
        EXPECT_EQ(w.name, "S-3");
        EXPECT_EQ(w.line, 2);
        EXPECT_EQ(w.checked.calculation, file.calculation) << sep;
        ExpectSameRecord(w.checked.record, file.record);
    }
}

TEST(CsvFile, ByteOrderMarkCrLfAndQuotedCellsAsASpreadsheetWritesThem) {
    const CsvTable t = Read("\xEF\xBB\xBF"
                            "name ; block;LEdit;rooEdit;hEdit;MarkusEdit\r\n"
                            "\"S-1; \"\"vana\"\"\";Ilvo 150;3000;1;2800;üks\r\n"
                            "\"S-2\";Ilvo 150;3000;1;2700;\"kaks\r\nrida\"\r\n"
                            "S-3;Ilvo 150;3000;1;\"2600\";kolm\r\n");
    ASSERT_TRUE(t.error.isEmpty()) << t.error.toStdString();
    ASSERT_EQ(t.walls.size(), 3u);
    EXPECT_EQ(t.walls[0].name, "S-1; \"vana\"");
    EXPECT_TRUE(t.walls[0].error.isEmpty()) << t.walls[0].error.toStdString();
    EXPECT_EQ(t.walls[0].checked.record.h, 2.8);
    EXPECT_EQ(t.walls[0].checked.calculation.project[6], "üks");
    // A quoted line break stays in its cell (and a project field is one line);
    // the next wall is the spreadsheet's next row.
    EXPECT_NE(t.walls[1].error.indexOf("MarkusEdit"), -1) << t.walls[1].error.toStdString();
    EXPECT_EQ(t.walls[2].line, 4);
    EXPECT_EQ(t.walls[2].checked.record.h, 2.6);
}

TEST(CsvFile, ABadRowIsRefusedAloneNamingRowColumnValueAndRange) {
    const CsvTable t = Read("name;block;LEdit;rooEdit;hEdit;CheckBox1\n"
                            "A;Ilvo 150;3000;1;2800;0\n"
                            "\n"
                            "B;Ilvo 150;3000;1;10201;yes\n"
                            "C;Ilvo 150;3000;1;2800;0;extra\n"
                            ";;\n"
                            "D;Ilvo 150;3000;1;2900;False\n");
    ASSERT_TRUE(t.error.isEmpty()) << t.error.toStdString();
    ASSERT_EQ(t.walls.size(), 4u);
    EXPECT_TRUE(t.walls[0].error.isEmpty());
    EXPECT_EQ(t.walls[1].line, 4);
    const QString bad = t.walls[1].error;
    for (const char* part : {"rida 4", "veerg \"hEdit\", väärtus \"10201\"",
                             "Seina kõrgus peaks olema arv: 1...10200", "\"CheckBox1\"", "yes"})
        EXPECT_NE(bad.indexOf(QString::fromUtf8(part)), -1) << part << " | " << bad.toStdString();
    EXPECT_NE(t.walls[2].error.indexOf("rida 5"), -1) << t.walls[2].error.toStdString();
    EXPECT_EQ(t.walls[3].name, "D");
    EXPECT_EQ(t.walls[3].line, 7);
    EXPECT_TRUE(t.walls[3].error.isEmpty());
    EXPECT_EQ(t.walls[3].checked.record.h, 2.9);
}

// Nothing is checked on a value nobody gave: a check applies when a cell of
// it is given (or its option is on); in it an empty load is 0 and any other
// empty cell, like an empty cell of the wall itself, refuses the row.
TEST(CsvFile, OnlyTheChecksARowGivesApplyAndTheirEmptyCellsAreNoStartValues) {
    const CsvTable t = Read("name;block;hEdit;LEdit;rooEdit;PvldEdit;PdEdit;tkjEdit;qdEdit\n"
                            "S-9;Norvik 300;;;;;;;\n"
                            "S-10;Norvik 300;2800;4000;1;;12;;\n"
                            "S-11;Norvik 300;2800;4000;1;50;;;\n"
                            "S-12;Norvik 300;2800;4000;1;;;;\n"
                            "S-13;Norvik 300;2800;4000;1;;;;8\n");
    ASSERT_TRUE(t.error.isEmpty()) << t.error.toStdString();
    ASSERT_EQ(t.walls.size(), 5u);
    const auto expectRefused = [&](std::size_t i, std::initializer_list<const char*> columns) {
        for (const char* column : columns)
            EXPECT_NE(t.walls[i].error.indexOf(QString("\"%1\": tühi lahter").arg(column)), -1)
                << column << " | " << t.walls[i].error.toStdString();
    };
    expectRefused(0, {"hEdit", "LEdit", "rooEdit"});
    expectRefused(1, {"tkjEdit", "bkjEdit", "altEdit"});
    EXPECT_EQ(t.walls[1].error.indexOf("PvldEdit"), -1) << t.walls[1].error.toStdString();
    expectRefused(4, {"a1Edit", "LtEdit", "btEdit", "EtEdit", "ItEdit"});
    EXPECT_EQ(t.walls[4].error.indexOf("stEdit"), -1) << t.walls[4].error.toStdString();

    const Calculation& vertical = t.walls[2].checked.calculation;
    ASSERT_TRUE(t.walls[2].error.isEmpty()) << t.walls[2].error.toStdString();
    EXPECT_EQ(vertical.checks, (std::array<bool, 3>{true, false, false}));
    EXPECT_EQ(t.walls[2].checked.record.Pvld, 50);
    EXPECT_EQ(t.walls[2].checked.record.Pyd, 0); // no column: no load, not 10 kN/m
    EXPECT_EQ(t.walls[2].checked.record.qtd, 0);
    ASSERT_TRUE(t.walls[3].error.isEmpty()) << t.walls[3].error.toStdString();
    EXPECT_EQ(t.walls[3].checked.calculation.checks, (std::array<bool, 3>{false, false, false}));
}

// Spreadsheets write every cell of a row: a shorter row has lost cells (an
// unquoted "1,5" split in two), while empty cells after a separator at the
// end of the header are no columns.
TEST(CsvFile, AShortRowIsRefusedAndATrailingSeparatorIsNoColumn) {
    const CsvTable t = Read("name,block,LEdit,hEdit,rooEdit,PvldEdit,PydEdit\n"
                            "C,Ilvo 150,3000,3000,1,5\n");
    ASSERT_EQ(t.walls.size(), 1u);
    EXPECT_NE(t.walls[0].error.indexOf("rida 2"), -1) << t.walls[0].error.toStdString();
    EXPECT_NE(t.walls[0].error.indexOf("6 lahtrit"), -1) << t.walls[0].error.toStdString();

    const CsvTable trailing = Read("name;block;LEdit;hEdit;rooEdit;\n"
                                   "A;Ilvo 150;3000;2800;1;\n"
                                   "B;Ilvo 150;3000;2800;1;x\n");
    ASSERT_TRUE(trailing.error.isEmpty()) << trailing.error.toStdString();
    ASSERT_EQ(trailing.walls.size(), 2u);
    EXPECT_TRUE(trailing.walls[0].error.isEmpty()) << trailing.walls[0].error.toStdString();
    EXPECT_FALSE(trailing.walls[1].error.isEmpty());
}

TEST(CsvFile, CheckBoxesAsSpreadsheetsWriteThemAndNothingElse) {
    const QByteArray header = "block;hEdit;LEdit;rooEdit;qdEdit;a1Edit;LtEdit;btEdit;EtEdit;ItEdit;"
                              "position;CheckBox1;CheckBox2\n";
    const QByteArray wall = "Ilvo 150;2800;3000;1;5;100;3000;100;11;8000;2;";
    for (const char* yes : {"true", "TRUE", "True", "1", "TÕENE", "tõene", "Tõene"}) {
        const CsvTable t = Read(header + wall + yes + ";0\n");
        ASSERT_EQ(t.walls.size(), 1u);
        EXPECT_TRUE(t.walls[0].error.isEmpty()) << yes << t.walls[0].error.toStdString();
        EXPECT_TRUE(t.walls[0].checked.calculation.checkBox1) << yes;
        EXPECT_FALSE(t.walls[0].checked.calculation.checkBox2) << yes;
    }
    EXPECT_TRUE(Read(header + wall + "0;väär\n").walls[0].error.isEmpty());
    for (const char* bad : {"yes", "2", "t", "01", "true1", "TÕE"}) {
        const CsvTable t = Read(header + wall + bad + ";FALSE\n");
        ASSERT_EQ(t.walls.size(), 1u);
        EXPECT_NE(t.walls[0].error.indexOf("CheckBox1"), -1) << bad;
    }
}

// One rule for a typed and a table's number: either separator is a decimal
// one, but the other one before exactly three digits may be a thousands group.
TEST(CsvFile, TheOtherSeparatorIsDecimalUnlessItMayGroupThousands) {
    const CsvTable t = Read("block;LEdit;rooEdit;PvldEdit;hEdit\n"
                            "Ilvo 150;3000;0.75;1,500;2800\n"
                            "Ilvo 150;3000;1;1.500;2800\n"
                            "Ilvo 150;3000;1;62.5;1.500\n");
    ASSERT_EQ(t.walls.size(), 3u);
    ASSERT_TRUE(t.walls[0].error.isEmpty()) << t.walls[0].error.toStdString();
    EXPECT_EQ(t.walls[0].checked.record.Pvld, 1.5);
    EXPECT_EQ(t.walls[0].checked.record.roo, 0.75);
    EXPECT_EQ(t.walls[0].checked.calculation.inputs[3], "1.500");
    EXPECT_NE(
        t.walls[1].error.indexOf("Koormus vahelaelt või laelt peaks olema arv: 0,00...700,00"), -1)
        << t.walls[1].error.toStdString();
    EXPECT_NE(t.walls[2].error.indexOf("\"hEdit\", väärtus \"1.500\""), -1)
        << t.walls[2].error.toStdString();
    EXPECT_EQ(t.walls[2].error.indexOf("PvldEdit"), -1) << t.walls[2].error.toStdString();
    const CsvTable point = Read("block,LEdit,hEdit,rooEdit,PvldEdit\n"
                                "Ilvo 150,3000,2800,1,\"1,5\"\n"
                                "Ilvo 150,3000,2800,1,\"1,500\"\n");
    ASSERT_EQ(point.walls.size(), 2u);
    EXPECT_EQ(point.walls[0].checked.record.Pvld, 1.5) << point.walls[0].error.toStdString();
    EXPECT_NE(point.walls[1].error.indexOf("PvldEdit"), -1);
}

TEST(CsvFile, AnUnknownRepeatedOrMisspelledColumnRefusesTheFile) {
    for (const char* header :
         {"name;hEdit;hoone", "name;hEdit;hEdit", "name;hedit", "name;;hEdit", "name;\"hEdit"}) {
        const CsvTable t = Read(QByteArray(header) + "\nA;2800\n");
        EXPECT_FALSE(t.error.isEmpty()) << header;
        EXPECT_TRUE(t.walls.empty()) << header;
    }
    EXPECT_NE(Read("name;hoone\nA;1\n").error.indexOf("\"hoone\""), -1);
    EXPECT_NE(Read("name;hEdit\nA;2\x80\n").error.indexOf("UTF-8"), -1);
}

TEST(CsvFile, TheExampleBuildingReadsWithoutErrors) {
    const CsvTable t = ReadCsv(ExampleFile("building.csv"), ",");
    ASSERT_TRUE(t.error.isEmpty()) << t.error.toStdString();
    EXPECT_GE(t.walls.size(), 5u);
    for (const CsvWall& w : t.walls) {
        EXPECT_TRUE(w.error.isEmpty()) << w.name.toStdString() << ": " << w.error.toStdString();
        EXPECT_FALSE(w.name.startsWith("rida")) << w.line;
    }
}
