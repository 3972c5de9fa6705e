// Prints a table of medians, each against a baseline measured in the same run:
// start-up time and peak memory against a bare main window, the latency of the
// three "ARVUTA" handlers and of composing the full report against a click on
// a button with no handler, full calculations per second against copying
// a fresh record, "--check" of a large table against the record's own runs for
// the same walls, "--blocks" of it against "--check", the 18 products of one
// wall, and "--report" of a file, process start included, against the bare
// window's start-up.
#include "About.h"
#include "BlockChecks.h"
#include "KORVELs.h"
#include "KORVELsein.h"
#include "KorvelsBlocks.h"
#include "KorvelsBuildingReport.h"
#include "KorvelsCsv.h"
#include "KorvelsInput.h"
#include "Plokid.h"
#include "ReportPrint.h"
#include "TulemusedValik.h"
#include "WallChecks.h"

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fcntl.h>
#include <functional>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    const auto n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

struct ProcessRun {
    double ms;
    double peakMb;
};

// Runs path with the arguments, its standard output thrown away.
ProcessRun RunProcess(const char* path, std::vector<const char*> args = {}) {
    args.insert(args.begin(), path);
    args.push_back(nullptr);
    const auto start = Clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        if (args.size() > 2) {
            const int null = open("/dev/null", O_WRONLY);
            dup2(null, 1);
        }
        execv(path, const_cast<char* const*>(args.data()));
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    if (!WIFEXITED(status) || WEXITSTATUS(status) > 1) {
        std::fprintf(stderr, "%s failed\n", path);
        std::exit(1);
    }
    return {ms, usage.ru_maxrss / 1024.0};
}

// Median time of work; prepare runs before each, untimed.
double MedianMs(int runs, const std::function<void()>& work,
                const std::function<void(int)>& prepare = nullptr) {
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        if (prepare) prepare(i);
        const auto start = Clock::now();
        work();
        times.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    return Median(times);
}

// The record's own operations of every check, on the beam position 2 area.
void RunAllChecks(TArvutused& record) {
    record.Ad = (record.t + record.bt) * record.t;
    record.SisejArvutus();
    record.KandevNRdmArvutus();
    record.KandevNRd1Arvutus();
    record.KandevNRd2Arvutus();
    record.KoonjArvutus();
    record.KoonjNurkArvutus();
    record.ToesEfektArvutus();
}

void Row(const char* what, double value, const char* unit, double baseline, const char* target) {
    std::printf("| %-34s | %10.3f %-5s | %10.3f %-5s | %7.2f | %-12s |\n", what, value, unit,
                baseline, unit, value / baseline, target);
}

} // namespace

int main(int argc, char* argv[]) {
    const int startups = argc > 1 ? std::atoi(argv[1]) : 11;

    std::vector<double> appMs, bareMs, appMb, bareMb;
    for (int i = 0; i < startups; ++i) {
        const auto a = RunProcess(BENCH_APP);
        const auto b = RunProcess(BENCH_BARE);
        appMs.push_back(a.ms), appMb.push_back(a.peakMb);
        bareMs.push_back(b.ms), bareMb.push_back(b.peakMb);
    }

    // "--report" of one file as a user runs it: a new process each time.
    QTemporaryDir dir;
    const QString wallFile = dir.filePath("wall.korvel");
    QFile::copy(BENCH_EXAMPLE, wallFile);
    const QByteArray wallPath = wallFile.toLocal8Bit();
    const QByteArray pdfPath = dir.filePath("wall.pdf").toLocal8Bit();
    std::vector<double> reportMs, pdfMs;
    for (int i = 0; i < startups; ++i) {
        reportMs.push_back(RunProcess(BENCH_KORVELSEIN, {"--report", wallPath.constData()}).ms);
        pdfMs.push_back(RunProcess(BENCH_KORVELSEIN, {"--report", wallPath.constData(), "--output",
                                                      pdfPath.constData()})
                            .ms);
    }

    QApplication app(argc, argv);
    CreateForms();
    auto* w = MainKORVELseinForm;
    // On screen, as a person uses it; the About box is closed at once.
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [] {
        if (AboutBox->isVisible()) AboutBox->accept();
    });
    closer.start(0);
    w->show();
    while (AboutBox->result() != QDialog::Accepted)
        QApplication::processEvents();
    closer.stop();
    w->tkjEdit->setText("150"); // fits the start wall, so the check computes
    w->CheckBox1->setChecked(true);
    w->CheckBox1Click();
    w->CheckBox2->setChecked(true);
    w->CheckBox2Click();

    QPushButton idle;
    const int runs = 301;
    const double idleMs = MedianMs(runs, [&] { idle.click(); });
    // Each press follows an input change, so every label gets a new text.
    auto alternate = [](QLineEdit* edit, const char* a, const char* b) {
        return [=](int i) { edit->setText(i % 2 ? a : b); };
    };
    const double button1 = MedianMs(
        runs, [&] { w->Button1->click(); }, alternate(w->PvldEdit, "50", "51"));
    const double button2 = MedianMs(
        runs, [&] { w->Button2->click(); }, alternate(w->PdEdit, "30", "31"));
    const double button3 = MedianMs(
        runs, [&] { w->Button3->click(); }, alternate(w->qdEdit, "10", "11"));
    w->Button1->click();
    w->Button2->click();
    w->Button3->click();
    auto* choice = TulemusedValikForm;
    const double report = MedianMs(runs, [&] {
        choice->AVKYSKCheckBox->setChecked(true);
        choice->KKJCheckBox->setChecked(true);
        choice->ToesCheckBox->setChecked(true);
        w->AndmeteSisestus();
    });

    // The window with a 1000-wall building: opening it, making another wall
    // current, and an input change with the table of walls brought up to date.
    QTemporaryDir houseDir;
    const QString housePath = houseDir.filePath("house.korvel");
    {
        Korvel::Building b;
        Korvel::Calculation c = Korvel::Calculation::Start();
        for (int i = 0; i < 1000; ++i) {
            c.inputs[0] = QString::number(2400 + i % 500);
            b.walls.push_back({QString("S-%1").arg(i + 1), c, {}});
        }
        QFile f(housePath);
        if (!f.open(QIODevice::WriteOnly) || f.write(Korvel::WriteBuilding(b)) < 0) return 1;
    }
    const double openHouseMs = MedianMs(5, [&] { w->LoadFile(housePath); });
    int wall = 0;
    const double switchMs = MedianMs(runs, [&] { w->MakeWallCurrent(wall = (wall + 337) % 1000); });
    int typed = 0;
    const double changeMs =
        MedianMs(runs, [&] { w->hEdit->setText(++typed % 2 ? "2500" : "2501"); });

    // The record alone: a full run of the three checks.
    const int calcRuns = 200000;
    volatile double sink = 0;
    const TArvutused fresh;
    TArvutused record;
    const double copyMs = MedianMs(9, [&] {
        for (int i = 0; i < calcRuns; ++i) {
            record = fresh;
            sink = sink + record.t;
        }
    });
    const double fullMs = MedianMs(9, [&] {
        for (int i = 0; i < calcRuns; ++i) {
            record = fresh;
            record.tkj = 0.15;
            RunAllChecks(record);
            sink = sink + record.floc;
        }
    });

    // "--check" of a building of 10 000 walls in one table, against the
    // record's own operations for the same walls.
    const int wallCount = 10000;
    const QString csvPath = dir.filePath("walls.csv");
    {
        // Every wall with all three checks: nothing is refused or left out.
        QByteArray csv = "name,block,hEdit,LEdit,PvldEdit,PdEdit,tkjEdit,qdEdit,CheckBox1,"
                         "rooEdit,bkjEdit,altEdit,a1Edit,LtEdit,btEdit,EtEdit,ItEdit,position\n";
        for (int i = 0; i < wallCount; ++i)
            csv += QString("S-%1,Norvik 300,%2,%3,%4.%5,%6,%7,%8.25,%9,"
                           "1,150,300,180,3600,160,11,21333,2\n")
                       .arg(i)
                       .arg(2400 + i % 7 * 100)
                       .arg(3000 + i % 13 * 300)
                       .arg(20 + i % 97)
                       .arg(i % 100, 2, 10, QChar('0'))
                       .arg(10 + i % 53)
                       .arg(120 + i % 5 * 30)
                       .arg(5 + i % 17)
                       .arg(i % 2 ? "true" : "false")
                       .toUtf8();
        QFile f(csvPath);
        if (!f.open(QIODevice::WriteOnly) || f.write(csv) != csv.size()) return 1;
    }
    InitDecimalCharSet();
    const QString sep = DecimalSeparatorChar();
    std::size_t checkedLines = 0;
    const double checkMs = MedianMs(5, [&] {
        const auto walls = Korvel::CheckWalls({csvPath}, sep);
        checkedLines += static_cast<std::size_t>(Korvel::CheckTable(walls, sep).count('\n'));
    });
    const Korvel::CsvTable table = Korvel::ReadCsvFile(csvPath, sep.toStdString());
    const double rawMs = MedianMs(5, [&] {
        for (const auto& wall : table.walls) {
            record = wall.checked.record;
            try {
                RunAllChecks(record);
            } catch (const EArvutusViga&) {
            }
            sink = sink + record.floc;
        }
    });
    // A building of 2000 walls in one file, read and checked, against the
    // same walls' --check from the table; the report of 200 walls as text and
    // as PDF against the walls' own reports composed one by one.
    Korvel::Building building;
    for (std::size_t i = 0; i < 2000; ++i) {
        const auto& w = table.walls[i];
        building.walls.push_back({w.name, w.checked.calculation, w.checked.record});
    }
    const QString buildingPath = dir.filePath("building.korvel");
    {
        QFile f(buildingPath);
        const QByteArray bytes = Korvel::WriteBuilding(building);
        if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size()) return 1;
    }
    std::size_t buildingWalls = 0;
    const double buildingMs =
        MedianMs(5, [&] { buildingWalls += Korvel::CheckWalls({buildingPath}, sep).size(); });
    if (buildingWalls != 5 * building.walls.size()) return 1;
    building.walls.resize(200);
    std::size_t reportLines = 0;
    const double houseMs = MedianMs(
        5, [&] { reportLines += std::size_t(Korvel::BuildingReport(building, sep).lines.size()); });
    const double wallsMs = MedianMs(5, [&] {
        for (std::size_t i = 0; i < building.walls.size(); ++i)
            reportLines += std::size_t(Korvel::BuildingWallReport(building, i, sep).lines.size());
    });
    const QStringList houseLines = Korvel::BuildingReport(building, sep).lines;
    const auto printPdf = [&](const QStringList& lines) {
        const auto printer = Korvel::NewReportPrinter();
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(dir.filePath("house.pdf"));
        if (!Korvel::PrintReportLines(*printer, lines, Korvel::ReportFont()).isEmpty()) sink = -1;
    };
    const double housePdfMs = MedianMs(3, [&] { printPdf(houseLines); });
    const QStringList oneWall = Korvel::BuildingWallReport(building, 0, sep).lines;
    const double wallPdfMs = MedianMs(3, [&] { printPdf(oneWall); });

    if (checkedLines != 5 * static_cast<std::size_t>(wallCount + 2)) {
        std::fprintf(stderr, "--check gave %zu lines\n", checkedLines / 5);
        return 1;
    }
    // "--blocks" of the same table, against "--check" of it: 18 products a wall.
    std::size_t blockLines = 0;
    const double blocksMs = MedianMs(5, [&] {
        const auto walls = Korvel::ChooseBlocks({csvPath}, sep, false);
        blockLines += static_cast<std::size_t>(Korvel::BlocksTable(walls).count('\n'));
    });
    if (blockLines != 5 * static_cast<std::size_t>(wallCount + 2)) {
        std::fprintf(stderr, "--blocks gave %zu lines\n", blockLines / 5);
        return 1;
    }
    // The 18 products of the window's wall, as "Sobivad plokid ..." asks for them.
    const Korvel::Calculation shownWall = w->CurrentCalculation();
    const double productsMs =
        MedianMs(runs, [&] { sink = sink + Korvel::ChooseBlock(shownWall, sep).recommended; });
    // And the dialog's table of them, as it opens.
    auto* blocksForm = new TPlokidForm(w);
    const double tableMs = MedianMs(runs, [&] { blocksForm->FormShow(shownWall); });

    std::printf("| %-34s | %16s | %16s | %7s | %-12s |\n", "measure (median)", "KORVELsein",
                "baseline", "ratio", "target");
    std::printf("|%s|%s|%s|%s|%s|\n", std::string(36, '-').c_str(), std::string(18, '-').c_str(),
                std::string(18, '-').c_str(), std::string(9, '-').c_str(),
                std::string(14, '-').c_str());
    Row("start-up to first paint", Median(appMs), "ms", Median(bareMs), "ratio <= 1.5");
    Row("start-up peak memory", Median(appMb), "MB", Median(bareMb), "ratio <= 1.5");
    Row("ARVUTA, vertical capacity", button1 * 1000, "us", idleMs * 1000, "< 2000 us");
    Row("ARVUTA, concentrated load+corner", button2 * 1000, "us", idleMs * 1000, "< 2000 us");
    Row("ARVUTA, support node+free space", button3 * 1000, "us", idleMs * 1000, "< 2000 us");
    Row("report with all three sections", report * 1000, "us", idleMs * 1000, "< 10000 us");
    const double fullPerSec = calcRuns / (fullMs / 1000), copyPerSec = calcRuns / (copyMs / 1000);
    std::printf("| %-34s | %10.0f %-5s | %10.0f %-5s | %7.3f | %-12s |\n",
                "record: full runs of all checks", fullPerSec, "/s", copyPerSec, "/s",
                fullPerSec / copyPerSec, "");
    const double checkPerSec = wallCount / (checkMs / 1000), rawPerSec = wallCount / (rawMs / 1000);
    std::printf("| %-34s | %10.0f %-5s | %10.0f %-5s | %7.3f | %-12s |\n",
                "--check, 10 000 walls of a CSV", checkPerSec, "/s", rawPerSec, "/s",
                checkPerSec / rawPerSec, ">= 100000/s");
    const double buildingPerSec = 2000 / (buildingMs / 1000);
    std::printf("| %-34s | %10.0f %-5s | %10.0f %-5s | %7.3f | %-12s |\n",
                "--check, a 2000-wall building file", buildingPerSec, "/s", checkPerSec, "/s",
                buildingPerSec / checkPerSec, ">= 100000/s");
    Row("report of a 200-wall building, text", houseMs, "ms", wallsMs, "<= 500 ms");
    Row("report of a 200-wall building, PDF", housePdfMs, "ms", wallPdfMs, "<= 10000 ms");
    Row("window: open a 1000-wall building", openHouseMs, "ms", Median(bareMs), "<= 500 ms");
    Row("window: another of 1000 walls", switchMs * 1000, "us", idleMs * 1000, "< 16000 us");
    Row("window: input, table of 1000", changeMs * 1000, "us", idleMs * 1000, "< 16000 us");
    const double blocksPerSec = wallCount / (blocksMs / 1000);
    std::printf("| %-34s | %10.0f %-5s | %10.0f %-5s | %7.3f | %-12s |\n",
                "--blocks, 10 000 walls of a CSV", blocksPerSec, "/s", checkPerSec, "/s",
                blocksPerSec / checkPerSec, ">= 10000/s");
    Row("18 products of the window's wall", productsMs * 1000, "us", idleMs * 1000, "< 16000 us");
    Row("Sobivad plokid, table of 18 rows", tableMs * 1000, "us", idleMs * 1000, "< 16000 us");
    Row("--report of a file, as text", Median(reportMs), "ms", Median(bareMs), "");
    Row("--report of a file, as PDF", Median(pdfMs), "ms", Median(bareMs), "");
    std::printf("\nbaselines: bare QMainWindow process; click on a button without handler; "
                "copying a fresh record; the record's operations for the same walls; "
                "--check of the table for a building and for --blocks; the walls' own reports one "
                "by one (text) "
                "and one wall's PDF for a building's report; "
                "the bare window's start-up (%d start-ups, %d handler runs)\n",
                startups, runs);
    return 0;
}
