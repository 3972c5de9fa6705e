// Calculation files read and written without a window: the exact format, the
// values they name, and every class of refusal.
#include "KorvelsFile.h"
#include "KorvelsInputs.h"
#include "ProgramVersion.h"

#include <QFile>
#include <QString>
#include <gtest/gtest.h>

using namespace Korvel;

namespace {

CheckedCalculation Read(const QByteArray& bytes) {
    return ReadCalculation(bytes, ",");
}

QByteArray Example() {
    QFile f(QStringLiteral(KORVEL_EXAMPLES_DIR "/wall.korvel"));
    EXPECT_TRUE(f.open(QIODevice::ReadOnly));
    return f.readAll();
}

// The example file with one piece of text replaced.
QByteArray ExampleWith(const char* from, const char* to) {
    QByteArray bytes = Example();
    EXPECT_TRUE(bytes.contains(from)) << from;
    return bytes.replace(from, to);
}

} // namespace

TEST(CalculationFile, TheExampleOpensToTheValuesItNamesAndIsWrittenBackByteForByte) {
    const CheckedCalculation c = Read(Example());
    ASSERT_TRUE(c.error.isEmpty()) << c.error.toStdString();
    EXPECT_EQ(c.calculation.block, "Norvik 200");
    EXPECT_EQ(c.record.t, 0.2);
    EXPECT_EQ(c.record.fb, 3.0);
    EXPECT_EQ(c.record.h, 2.8);
    EXPECT_EQ(c.record.roo, 0.75);
    EXPECT_EQ(c.record.evl, -0.015);
    EXPECT_EQ(c.record.It, 21333.0);
    EXPECT_EQ(c.calculation.inputs[3], "42.50"); // kept as written, for the report
    EXPECT_TRUE(c.calculation.checkBox1);
    EXPECT_EQ(c.calculation.position, 3);
    EXPECT_EQ(c.calculation.project[3], "OÜ Tammetõru");
    // The written form is the example's form: two files diff line by line.
    EXPECT_EQ(QString::fromUtf8(WriteCalculation(c.calculation)),
              QString::fromUtf8(Example()).replace("\"1.1.1\"", "\"" + ProgramVersion() + "\""));
}

TEST(CalculationFile, MissingKeysTakeStartValuesAndNumbersMayBeJsonNumbers) {
    const CheckedCalculation c = Read(R"({"format": "KORVELsein", "version": 1,
        "inputs": {"PvldEdit": 50, "qtdEdit": 0.6, "evlEdit": -20}})");
    ASSERT_TRUE(c.error.isEmpty()) << c.error.toStdString();
    EXPECT_EQ(c.calculation.block, "Ilvo 150");
    EXPECT_EQ(c.calculation.inputs[3], "50");
    EXPECT_EQ(c.calculation.inputs[7], "0.6");
    EXPECT_EQ(c.calculation.inputs[4], "-20");
    EXPECT_EQ(c.record.qtd, 0.6);
    EXPECT_EQ(c.record.h, 3.0);
    EXPECT_EQ(c.calculation.position, 2);
    EXPECT_EQ(c.calculation.project[0], "");
}

TEST(CalculationFile, EveryClassOfBadFileIsRefusedWithWhatWasWrong) {
    const struct {
        QByteArray bytes;
        const char* names;
    } cases[] = {
        {ExampleWith("\"hEdit\"", "\"heightEdit\""), "inputs.heightEdit"},
        {ExampleWith("\"position\": 3", "\"position\": \"3\""), "options.position"},
        {ExampleWith("\"CheckBox1\": true", "\"CheckBox1\": 1"), "options.CheckBox1"},
        {ExampleWith("\"2800\"", "\"10201\""), "Seina kõrgus peaks olema arv: 1...10200"},
        // A bound from the wall: what any wall of the catalogue allows.
        {ExampleWith("\"tkjEdit\": \"180\"", "\"tkjEdit\": \"501\""), "1...500"},
        {ExampleWith("\"2800\"", "\"2800.5\""), "inputs.hEdit"},
        {ExampleWith("\"2800\"", "\"2 800\""), "inputs.hEdit"},
        {ExampleWith("Norvik 200", "Norvik 201"), "Norvik 201"},
        {ExampleWith("\"position\": 3", "\"position\": 4"), "options.position"},
        {ExampleWith("\"LEdit\": \"4200\"", "\"LEdit\": \"4200\", \"LEdit\": \"4300\""),
         "inputs.LEdit"},
        {ExampleWith("\"version\": 1", "\"version\": 2"), "versioon 2"},
        {ExampleWith("\"format\": \"KORVELsein\"", "\"format\": \"other\""), "format"},
        {ExampleWith("1. korrus", "1.\\nkorrus"), "project.MarkusEdit"},
        {ExampleWith("\"options\": {", "\"options\": {,"), "rida 30, veerg"},
        {ExampleWith("Tammetõru", "Tammet\xF5ru"), "UTF-8"},
        {Example() + QByteArray(MaxCalculationFileSize, ' '), "1 MiB"},
    };
    for (const auto& c : cases) {
        const CheckedCalculation r = Read(c.bytes);
        EXPECT_NE(r.error.indexOf(QString::fromUtf8(c.names)), -1)
            << c.names << " | " << r.error.toStdString();
    }
}
