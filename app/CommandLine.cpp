#include "CommandLine.h"

#include "Arguments.h"
#include "AtomicWrite.h"
#include "BlockChecks.h"
#include "KorvelsBuildingReport.h"
#include "KorvelsFile.h"
#include "KorvelsInput.h"
#include "KorvelsWall.h"
#include "QuietMessages.h"
#include "ReportPrint.h"
#include "WallChecks.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPrinter>
#include <cstdio>
#include <memory>

namespace Korvel {

namespace {

void Print(std::FILE* to, const QString& text) {
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), to);
}

int Fail(const QString& message) {
    Print(stderr, "korvelsein: " + message + "\n");
    return 2;
}

// Standard output as the end of the work: a failed write (a full disk, a
// closed pipe) is told, not taken for success.
bool WriteOut(const QByteArray& bytes) {
    const bool written = std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()),
                                     stdout) == static_cast<std::size_t>(bytes.size()) &&
                         std::fflush(stdout) == 0;
    if (!written) Fail("standardväljundisse ei saanud kirjutada.");
    return written;
}

bool IsPdf(const QString& path) {
    return QFileInfo(path).suffix().compare("pdf", Qt::CaseInsensitive) == 0;
}

} // namespace

int RunCommandLine(int argc, char* argv[]) {
    QStringList args;
    for (int i = 0; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    const Options o;
    QCommandLineParser parser;
    Setup(parser, o);
    const bool parsed = parser.parse(args);
    const bool work =
        parsed ? parser.isSet(o.report) || parser.isSet(o.check) || parser.isSet(o.blocks)
               : args.contains("--report") || args.contains("--check") || args.contains("--blocks");
    // Qt's window options: the window's application takes them out first.
    if (!parsed && !work && HasQtOption(args)) return -1;
    const bool info = parsed && (parser.isSet(o.help) || parser.isSet(o.version));
    const QString misuse = !parsed ? ParseError(parser) : info ? QString() : Misuse(parser, o);
    if (misuse.isEmpty() && !info && !work) return -1;

    // No window from here on: a PDF needs fonts and a paint engine, which the
    // headless platform gives without a display; everything else needs neither.
    static int appArgc = 1;
    static char platform[] = "-platform", offscreen[] = "offscreen";
    static char* appArgv[] = {argv[0], platform, offscreen, nullptr};
    std::unique_ptr<QCoreApplication> app;
    if (misuse.isEmpty() && !info && parser.isSet(o.report) && IsPdf(OutputFile(parser, o))) {
        appArgc = 3;
        InstallQuietMessages();
        app = std::make_unique<QGuiApplication>(appArgc, appArgv);
    } else {
        app = std::make_unique<QCoreApplication>(appArgc, appArgv);
    }

    if (!misuse.isEmpty()) {
        Print(stderr, "korvelsein: " + misuse + "\n\n" + Usage(parser));
        return 2;
    }
    if (const int status = Inform(parser, o); status >= 0) return status;
    if (parser.isSet(o.report))
        return ReportCommand(parser.positionalArguments().first(), parser.value(o.wall),
                             OutputFile(parser, o));
    if (parser.isSet(o.blocks))
        return BlocksCommand(parser.positionalArguments(), parser.isSet(o.json));
    return CheckCommand(parser.positionalArguments(), parser.isSet(o.json));
}

int WindowArguments(const QStringList& arguments, QString& file) {
    const Options o;
    QCommandLineParser parser;
    Setup(parser, o);
    QString misuse = parser.parse(arguments) ? Misuse(parser, o) : ParseError(parser);
    if (misuse.isEmpty() &&
        (parser.isSet(o.report) || parser.isSet(o.check) || parser.isSet(o.blocks)))
        misuse = "Võtmeid --report, --check ja --blocks ei saa kasutada koos Qt akna võtmetega.";
    if (!misuse.isEmpty()) {
        Print(stderr, "korvelsein: " + misuse + "\n\n" + Usage(parser));
        return 2;
    }
    if (const int status = Inform(parser, o); status >= 0) return status;
    file = parser.positionalArguments().value(0);
    return -1;
}

int ReportCommand(const QString& path, const QString& wall, const QString& output) {
    InitDecimalCharSet();
    const QString separator = DecimalSeparatorChar();
    const CheckedBuilding read = ReadBuildingFile(path, separator.toStdString());
    if (!read.error.isEmpty())
        return Fail(QString("Faili \"%1\" ei saa avada: %2.").arg(path, read.error));
    const Building& b = read.building;
    const int index = wall.isEmpty() ? -1 : b.Find(wall);
    if (!wall.isEmpty() && index < 0) {
        QStringList names;
        for (const BuildingWall& w : b.walls)
            names << "\"" + w.name + "\"";
        return Fail(QString("Failis \"%1\" ei ole seina \"%2\"; seinad on: %3.")
                        .arg(path, wall, names.join(", ")));
    }
    const BuildingReportText report = index < 0
                                          ? BuildingReport(b, separator)
                                          : BuildingWallReport(b, std::size_t(index), separator);
    const QStringList& lines = report.lines;
    // The verdict comes from the checks themselves, never from the report's text.
    const int status = report.status;
    // A building's report names what it could not compute; a wall's alone does not.
    if (report.walls.size() == 1)
        for (const CheckOutcome& c : report.walls.front().checks)
            if (c.state == CheckState::Undefined)
                Fail(QString("Faili \"%1\" kontrolli \"%2\" ei saa arvutada, aruandes seda ei "
                             "ole: %3")
                         .arg(path, QString::fromUtf8(c.column).toLower(), c.reason));

    if (output.isEmpty()) return WriteOut((lines.join('\n') + '\n').toUtf8()) ? status : 2;
    if (IsPdf(output)) {
        // As the window prints: its printer set-up and the report's font.
        const std::unique_ptr<QPrinter> printer = NewReportPrinter();
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(output);
        printer->setDocName(QString());
        if (const QString failure = PrintReportLines(*printer, lines, ReportFont());
            !failure.isEmpty())
            return Fail(failure);
        return status;
    }
    if (const QString failure = WriteAtomically(output, (lines.join('\n') + '\n').toUtf8());
        !failure.isEmpty())
        return Fail(QString("Faili \"%1\" ei saanud kirjutada: %2. Midagi ei kirjutatud.")
                        .arg(output, failure));
    return status;
}

int CheckCommand(const QStringList& paths, bool json) {
    InitDecimalCharSet();
    const QString separator = DecimalSeparatorChar();
    const std::vector<CheckedWall> walls = CheckWalls(paths, separator);
    if (!WriteOut(json ? CheckJson(walls) : CheckTable(walls, separator))) return 2;
    return CheckStatus(walls);
}

int BlocksCommand(const QStringList& paths, bool json) {
    InitDecimalCharSet();
    const QString separator = DecimalSeparatorChar();
    const std::vector<WallBlocks> walls = ChooseBlocks(paths, separator, json);
    if (!WriteOut(json ? BlocksJson(walls) : BlocksTable(walls))) return 2;
    return BlocksStatus(walls);
}

} // namespace Korvel
