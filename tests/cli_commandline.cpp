// The command line end to end: the built program run as a user runs it, with
// no display at all, against what the window shows for the same file.
#include "ProgramVersion.h"
#include "TulemusedValik.h"
#include "UiTest.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace {

struct Outcome {
    int status = -1;
    QString out, err;
};

// The program without a display: a window or a display connection it tried
// to open would end it. It runs in folder when one is given.
Outcome Korvelsein(const QStringList& args, const QString& folder = {}) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        env.remove(name);
    QProcess p;
    p.setProcessEnvironment(env);
    if (!folder.isEmpty()) p.setWorkingDirectory(folder);
    p.start(KORVELSEIN, args);
    Outcome r;
    if (!p.waitForFinished(60000)) return r;
    if (p.exitStatus() == QProcess::NormalExit) r.status = p.exitCode();
    r.out = QString::fromUtf8(p.readAllStandardOutput());
    r.err = QString::fromUtf8(p.readAllStandardError());
    return r;
}

QByteArray Example() {
    QFile f(KORVEL_EXAMPLES_DIR "/wall.korvel");
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The example file with some of its entries changed: "key": value.
QByteArray ExampleWith(const QList<QPair<const char*, const char*>>& entries) {
    QByteArray bytes = Example();
    for (const auto& [key, value] : entries) {
        const QByteArray name = QByteArray("\"") + key + "\": ";
        const qsizetype at = bytes.indexOf(name) + name.size();
        bytes.replace(at, bytes.indexOf('\n', at) - at, value);
    }
    return bytes;
}

// Every check of the example passes without its corner and with a lighter beam.
QByteArray Passing() {
    return ExampleWith({{"CheckBox2", "false,"}, {"qdEdit", "\"8.00\","}});
}

} // namespace

class CommandLineTest : public UiTest {
protected:
    QTemporaryDir dir;

    QString Write(const char* name, const QByteArray& bytes) {
        const QString path = dir.filePath(QString::fromUtf8(name));
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size());
        return path;
    }

    // What the window shows: the file opened, every page calculated and
    // "Kuva" with every box it offers ticked.
    QStringList WindowReport(const QString& path) {
        if (!W->OpenFile(path)) return {"(not opened)"};
        return CalculateAndReport();
    }
};

TEST_F(CommandLineTest, ReportIsTheWindowsLineForLineWithItsExitStatus) {
    ShowMainWindow();
    const struct {
        const char* name;
        QByteArray bytes;
        int status;
    } cases[] = {
        {"passing.korvel", Passing(), 0},
        {"example.korvel", Example(), 1},
        {"slender.korvel", ExampleWith({{"hEdit", "\"9000\","}}), 1},
        // At the limit the page shows its results: they are reported and judged.
        {"at27.korvel",
         ExampleWith({{"CheckBox2", "false,"}, {"hEdit", "\"5400\","}, {"rooEdit", "\"1\","}}), 1},
        // A verdict never comes from the report's text.
        {"said.korvel",
         ExampleWith({{"CheckBox2", "false,"},
                      {"qdEdit", "\"8.00\","},
                      {"MarkusEdit", "\"vana arvutus oli - NB!\""}}),
         0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QString path = Write(c.name, c.bytes);
        const Outcome run = Korvelsein({"--report", path});
        EXPECT_EQ(run.status, c.status) << run.err.toStdString();
        EXPECT_EQ(run.out.toStdString(), (WindowReport(path).join('\n') + '\n').toStdString());
        EXPECT_TRUE(run.err.isEmpty()) << run.err.toStdString();
        EXPECT_EQ(Korvelsein({"--check", path}).status, c.status);
    }
    EXPECT_NE(Korvelsein({"--report", dir.filePath("at27.korvel")}).out.indexOf("AVADETA"), -1);

    // Both vertical loads 0: that check cannot be computed, the others are,
    // as in the window.
    const QString zero =
        Write("zero.korvel", ExampleWith({{"PvldEdit", "\"0.00\","}, {"PydEdit", "\"0.00\","}}));
    const Outcome report = Korvelsein({"--report", zero});
    EXPECT_EQ(report.status, 2);
    EXPECT_EQ(report.out.toStdString(), (WindowReport(zero).join('\n') + '\n').toStdString());
    EXPECT_NE(report.err.indexOf("kandevõime"), -1) << report.err.toStdString();
    const QStringList table = Korvelsein({"--check", zero}).out.split('\n');
    ASSERT_GE(table.size(), 2);
    const qsizetype vertical = table[0].indexOf("Kandevõime");
    EXPECT_EQ(table[1].mid(vertical, 2).toStdString(), "– ");
    EXPECT_EQ(table[1].mid(table[0].indexOf("Koondjõud"), 2), "OK");

    // A bearing area wider than the wall: the window resets it, warns and
    // computes the other pages; so does the report, naming the entry.
    const QString path = Write("wide.korvel", ExampleWith({{"tkjEdit", "\"400\","}}));
    const Outcome run = Korvelsein({"--report", path});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out.toStdString(), (WindowReport(path).join('\n') + '\n').toStdString());
    EXPECT_TRUE(run.err.startsWith("korvelsein: ")) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains("tkjEdit")) << run.err.toStdString();
}

TEST_F(CommandLineTest, OutputFilesAreWrittenWholeOrNotAtAll) {
    const QString input = Write("wall.korvel", Passing());
    const Outcome text = Korvelsein({"--report", input});
    ASSERT_EQ(text.status, 0) << text.err.toStdString();

    const QString txt = dir.filePath("wall.txt"), pdf = dir.filePath("wall.PDF");
    EXPECT_EQ(Korvelsein({"--report", input, "--output", txt}).status, 0);
    QFile t(txt);
    ASSERT_TRUE(t.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(t.readAll()).toStdString(), text.out.toStdString());

    const Outcome printed = Korvelsein({"--report", input, "--output", pdf});
    EXPECT_EQ(printed.status, 0) << printed.err.toStdString();
    QFile p(pdf);
    ASSERT_TRUE(p.open(QIODevice::ReadOnly));
    EXPECT_TRUE(p.read(5) == "%PDF-");
    if (const QString tool = QStandardPaths::findExecutable("pdftotext"); !tool.isEmpty()) {
        QProcess extract;
        extract.start(tool, {"-layout", pdf, "-"});
        ASSERT_TRUE(extract.waitForFinished(60000));
        const QString shown = QString::fromUtf8(extract.readAllStandardOutput()).simplified();
        for (const QString& line : text.out.split('\n', Qt::SkipEmptyParts))
            EXPECT_TRUE(shown.contains(line.simplified())) << line.toStdString();
    }

    // Into a folder that does not exist: refused, naming the file, nothing left.
    const QStringList before = QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden);
    for (const char* name : {"none/wall.pdf", "none/wall.txt"}) {
        const QString out = dir.filePath(name);
        const Outcome failed = Korvelsein({"--report", input, "--output", out});
        EXPECT_EQ(failed.status, 2);
        EXPECT_TRUE(failed.err.startsWith("korvelsein: ") && failed.err.contains(out))
            << failed.err.toStdString();
        EXPECT_TRUE(failed.out.isEmpty());
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden), before);
}

TEST_F(CommandLineTest, OutputDashIsStandardOutput) {
    const QString input = Write("wall.korvel", Passing());
    const Outcome plain = Korvelsein({"--report", input});
    const Outcome dash = Korvelsein({"--report", input, "--output", "-"}, dir.path());
    EXPECT_EQ(dash.status, 0) << dash.err.toStdString();
    EXPECT_FALSE(plain.out.isEmpty());
    EXPECT_EQ(dash.out.toStdString(), plain.out.toStdString());
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("-")));
}

TEST_F(CommandLineTest, CheckGoesOnPastWhatItCannotCheck) {
    // As an Estonian spreadsheet saves it: a BOM, CRLF, a quoted name with
    // the separator, and a row with a bad value among good ones.
    const QString semicolon =
        Write("maja.csv", "\xEF\xBB\xBFname;block;hEdit;LEdit;rooEdit;PvldEdit\r\n"
                          "\"S-1; tänav\";Norvik 300;2800;6000;0,75;62,50\r\n"
                          "S-2;Norvik 300;abc;6000;0,75;55,00\r\n"
                          "S-3;Norvik 300;9000;6000;1;55,00\r\n");
    const QString comma = Write("AED.CSV", "block,hEdit,LEdit,rooEdit,PvldEdit,PdEdit,tkjEdit,"
                                           "bkjEdit,altEdit\n"
                                           "Norvik 300,2800,6000,1,40.5,30,200,150,350\n"
                                           "Norvik 300,2800,6000,1,40.5,900,200,150,350\n");
    const QString file = Write("wall.korvel", Passing());
    const QString other = Write("notes.txt", "S-9");
    const QStringList all{semicolon, comma, file, other};

    const Outcome table = Korvelsein(QStringList{"--check"} + all);
    EXPECT_EQ(table.status, 2) << table.err.toStdString();
    const QStringList lines = table.out.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 1 + 7 + 1) << table.out.toStdString();
    EXPECT_TRUE(lines[1].startsWith(semicolon + ": S-1; tänav ")) << lines[1].toStdString();
    EXPECT_TRUE(lines[2].contains("ei saa kontrollida") && lines[2].contains("abc"));
    EXPECT_TRUE(lines[4].startsWith(comma + ": rida 2 "));
    EXPECT_TRUE(lines[7].startsWith(other) && lines[7].contains("ei saa kontrollida"));
    EXPECT_TRUE(lines[8].startsWith("Seinu 7: vastab ")) << lines[8].toStdString();
    EXPECT_TRUE(lines[8].contains("ei saa kontrollida 2") && lines[8].endsWith("koondjõud."));
    // Aligned: every checked wall's slenderness starts in the header's column.
    const qsizetype column = lines[0].indexOf("Saledus");
    for (int i : {1, 3, 4, 5, 6})
        EXPECT_TRUE(lines[i].mid(column - 2, 2) == "  " && lines[i][column + 5].isDigit())
            << lines[i].toStdString();

    const Outcome json = Korvelsein(QStringList{"--check", "--json"} + all);
    EXPECT_EQ(json.status, 2);
    QJsonParseError error;
    const QJsonObject doc = QJsonDocument::fromJson(json.out.toUtf8(), &error).object();
    ASSERT_EQ(error.error, QJsonParseError::NoError) << json.out.toStdString();
    const QJsonArray walls = doc["walls"].toArray();
    ASSERT_EQ(walls.size(), 7);
    int ok = 0, fail = 0, failed = 0;
    for (const QJsonValue& v : walls) {
        const QJsonObject w = v.toObject();
        const QString status = w["status"].toString();
        ok += status == "ok", fail += status == "fail", failed += status == "error";
        EXPECT_EQ(status == "ok", w["reason"].toString().isEmpty()) << status.toStdString();
        for (const QJsonValue& c : w["checks"].toArray())
            for (const QJsonValue& m : c.toObject()["comparisons"].toArray())
                for (const char* key : {"name", "value", "limit", "unit", "verdict"})
                    EXPECT_TRUE(m.toObject().contains(key)) << key;
    }
    EXPECT_EQ(walls[1].toObject()["status"], "error");
    EXPECT_EQ(walls[2].toObject()["status"], "fail"); // too slender
    EXPECT_EQ(walls[2].toObject()["slenderness"].toObject()["verdict"], "NB");
    EXPECT_EQ(failed, 2);
    const QJsonObject counts = doc["counts"].toObject();
    EXPECT_EQ(counts["ok"].toInt(), ok);
    EXPECT_EQ(counts["fail"].toInt(), fail);
    EXPECT_EQ(counts["error"].toInt(), 2);
    const QJsonObject governing = doc["governing"].toObject();
    EXPECT_EQ(governing["name"].toString(), comma + ": rida 3");
    EXPECT_EQ(governing["check"].toString(), "concentrated");

    EXPECT_EQ(Korvelsein({"--check", file}).status, 0);
    EXPECT_EQ(Korvelsein({"--check", file, comma}).status, 1);
}

TEST_F(CommandLineTest, BlocksExitStatusSaysWhetherEveryWallHasAProduct) {
    const QString own = Write("own.korvel", Passing());
    // 150 mm under a 180 mm bearing area: its own block fails, a thicker one passes.
    const QString other = Write("other.korvel", ExampleWith({{"block", "\"Ilvo 150\","},
                                                             {"CheckBox2", "false,"},
                                                             {"qdEdit", "\"8.00\","}}));
    const QString none = Write("none.korvel", ExampleWith({{"PvldEdit", "\"600.00\","}}));
    const QString refused = Write("refused.korvel", "{");

    const Outcome fits = Korvelsein({"--blocks", own, other});
    EXPECT_EQ(fits.status, 0) << fits.err.toStdString();
    const QStringList lines = fits.out.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 4) << fits.out.toStdString();
    EXPECT_TRUE(lines[2].contains(QRegularExpression("  Ilvo 150 +NB  78 % +Norvik 200 +88 %$")))
        << lines[2].toStdString();
    EXPECT_EQ(lines[3], "Seinu 2: oma plokk sobib 1, sobib teine plokk 1, ükski plokk ei sobi 0.");

    const Outcome carried = Korvelsein({"--blocks", own, none});
    EXPECT_EQ(carried.status, 1);
    EXPECT_TRUE(carried.out.contains("ükski ei sobi")) << carried.out.toStdString();
    const Outcome unread = Korvelsein({"--blocks", "--json", own, refused});
    EXPECT_EQ(unread.status, 2);
    const QJsonObject counts = QJsonDocument::fromJson(unread.out.toUtf8())["counts"].toObject();
    EXPECT_EQ(counts["own"].toInt(), 1);
    EXPECT_EQ(counts["error"].toInt(), 1);
}

TEST(CommandLine, UsageErrorsHelpAndVersionNeedNoDisplay) {
    for (const QStringList& args : {QStringList{"--bogus"},
                                    {"--report"},
                                    {"--output"},
                                    {"--check", "--report", "a.korvel"},
                                    {"--blocks", "--check", "a.korvel"},
                                    {"--blocks", "--report", "a.korvel"},
                                    {"--blocks"},
                                    {"--json", "a.korvel"},
                                    {"a.korvel", "b.korvel"}}) {
        const Outcome run = Korvelsein(args);
        EXPECT_EQ(run.status, 2) << args.join(' ').toStdString();
        EXPECT_TRUE(run.err.startsWith("korvelsein: ") && run.err.contains("--check"))
            << run.err.toStdString();
        EXPECT_TRUE(run.out.isEmpty());
    }
    EXPECT_TRUE(Korvelsein({"--bogus"}).err.startsWith("korvelsein: Tundmatu võti: --bogus.\n"));
    const Outcome help = Korvelsein({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_TRUE(help.out.contains("--report") && help.out.contains("--output <VÄLJUND>"));
    const Outcome version = Korvelsein({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out.toStdString(),
              "korvelsein " + Korvel::ProgramVersion().toStdString() + "\n");
}

TEST_F(CommandLineTest, ABuildingIsCheckedAndReportedWallByWall) {
    const QString path = QStringLiteral(KORVEL_EXAMPLES_DIR "/building.korvel");
    const Outcome table = Korvelsein({"--check", path});
    EXPECT_EQ(table.status, 1) << table.err.toStdString();
    const QStringList lines = table.out.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 1 + 7 + 1) << table.out.toStdString();
    EXPECT_TRUE(lines[0].startsWith("Sein ") && lines[0].contains("  Plokk  "));
    EXPECT_TRUE(lines[3].startsWith(path + ": S-3 1. korrus ") && lines[3].contains("Dursa 200"))
        << lines[3].toStdString();

    const Outcome report = Korvelsein({"--report", path});
    EXPECT_EQ(report.status, 1);
    EXPECT_NE(report.out.indexOf("HOONE SEINAD"), -1);
    EXPECT_EQ(report.out.count("SEIN \""), 7);

    const Outcome wall = Korvelsein({"--report", path, "--wall", "S-5 2. korrus"});
    EXPECT_EQ(wall.status, 0) << wall.err.toStdString();
    EXPECT_NE(wall.out.indexOf(QString(14, ' ') + "Sein: S-5 2. korrus\n"), -1);
    EXPECT_EQ(wall.out.indexOf("HOONE SEINAD"), -1);

    const Outcome unknown = Korvelsein({"--report", path, "--wall", "S-9"});
    EXPECT_EQ(unknown.status, 2);
    EXPECT_TRUE(unknown.out.isEmpty());
    EXPECT_NE(unknown.err.indexOf("\"S-7 katusekorrus; viilusein\""), -1)
        << unknown.err.toStdString();
    EXPECT_EQ(Korvelsein({"--check", path, "--wall", "S-1 1. korrus"}).status, 2);
}
