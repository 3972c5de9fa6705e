#include "CommandLine.h"

#include "AtomicWrite.h"
#include "Fonts.h"
#include "KorvelsFile.h"
#include "KorvelsInput.h"
#include "KorvelsWall.h"
#include "ProgramVersion.h"
#include "ReportPrint.h"
#include "WallChecks.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <QFont>
#include <QGuiApplication>
#include <QPageSize>
#include <QPrinter>
#include <QRegularExpression>
#include <cstdio>
#include <memory>

namespace Korvel {

namespace {

struct Options {
    QCommandLineOption help{{"h", "help"}, "Näitab seda abiteksti."};
    QCommandLineOption version{{"v", "version"}, "Näitab programmi versiooni."};
    QCommandLineOption report{"report",
                              "Kirjutab FAILi aruande ilma aknata: kõik kolm kontrolli, nagu "
                              "\"Kuva\" kõigi kastidega."};
    QCommandLineOption output{"output",
                              "Aruanne faili VÄLJUND standardväljundi asemel: .pdf-faili "
                              "prinditud lehtedena, muidu tekstina.",
                              "VÄLJUND"};
    QCommandLineOption check{"check", "Kontrollib iga seina FAILides (.korvel ja .csv), üks rida "
                                      "seina kohta."};
    QCommandLineOption json{"json", "Kontrolli tulemused ühe JSON-dokumendina."};
};

void Setup(QCommandLineParser& parser, const Options& o) {
    parser.setApplicationDescription("KORVEL poorbetoonseinte arvutus");
    for (const auto* option : {&o.help, &o.version, &o.report, &o.output, &o.check, &o.json})
        parser.addOption(*option);
    parser.addPositionalArgument("FAIL",
                                 "Avatav arvutuse fail (.korvel); võtmega --check ka CSV-failid, "
                                 "mitu faili.",
                                 "[FAIL...]");
}

QString Usage(const QCommandLineParser& parser) {
    return parser.helpText()
        .replace("Usage:", "Kasutus:")
        .replace("Options:", "Võtmed:")
        .replace("Arguments:", "Argumendid:")
        .replace("[options]", "[võtmed]");
}

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

// Qt's own options for the window, which QApplication takes out of the
// arguments; here they are only known by name.
bool HasQtOption(const QStringList& args) {
    static const QStringList names{"platform",
                                   "platformpluginpath",
                                   "platformtheme",
                                   "plugin",
                                   "qwindowgeometry",
                                   "qwindowicon",
                                   "qwindowtitle",
                                   "reverse",
                                   "session",
                                   "display",
                                   "geometry",
                                   "style",
                                   "stylesheet",
                                   "widgetcount",
                                   "name",
                                   "title",
                                   "visual",
                                   "nograb",
                                   "dograb",
                                   "qmljsdebugger",
                                   "fontengine"};
    for (qsizetype i = 1; i < args.size(); ++i) {
        QString a = args.at(i);
        if (a == "--") break;
        if (!a.startsWith('-')) continue;
        a = a.mid(a.startsWith("--") ? 2 : 1).section('=', 0, 0);
        if (names.contains(a)) return true;
    }
    return false;
}

// Qt's parse errors in the program's language.
QString ParseError(const QCommandLineParser& parser) {
    if (const QStringList unknown = parser.unknownOptionNames(); !unknown.isEmpty()) {
        QStringList shown;
        for (const QString& name : unknown)
            shown << (name.size() == 1 ? "-" : "--") + name;
        return "Tundmatu võti: " + shown.join(", ") + ".";
    }
    const QString text = parser.errorText();
    static const QRegularExpression quoted("'([^']*)'");
    const QString name = quoted.match(text).captured(1);
    if (text.startsWith("Missing value")) return QString("Võtmel %1 puudub väärtus.").arg(name);
    if (text.startsWith("Unexpected value"))
        return QString("Võti %1 ei võta väärtust.").arg(name.section('=', 0, 0));
    return text;
}

// Options that cannot go together, or a file count the work cannot use.
QString Misuse(const QCommandLineParser& parser, const Options& o) {
    const qsizetype files = parser.positionalArguments().size();
    const bool report = parser.isSet(o.report), check = parser.isSet(o.check);
    if (report && check) return "Võtmeid --report ja --check ei saa koos kasutada.";
    if (parser.isSet(o.output) && !report) return "Võti --output käib ainult võtmega --report.";
    if (parser.isSet(o.json) && !check) return "Võti --json käib ainult võtmega --check.";
    if (report && files == 0) return "Võti --report vajab arvutuse faili.";
    if (check && files == 0) return "Võti --check vajab vähemalt ühte faili.";
    if (!check && files > 1) return "Liiga palju argumente.";
    return {};
}

// Help or version: printed, and the program ends well. -1 when neither was asked for.
int Inform(const QCommandLineParser& parser, const Options& o) {
    if (parser.isSet(o.help))
        Print(stdout, Usage(parser));
    else if (parser.isSet(o.version))
        Print(stdout, "korvelsein " + ProgramVersion() + "\n");
    else
        return -1;
    return 0;
}

// The headless platform warns that a desktop session's runtime folder is not
// set, which is no news to a script run without a session; other messages pass.
QtMessageHandler qtHandler = nullptr;
void QuietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtWarningMsg && message.startsWith("QStandardPaths: XDG_RUNTIME_DIR not set"))
        return;
    qtHandler(type, context, message);
}

bool IsPdf(const QString& path) {
    return QFileInfo(path).suffix().compare("pdf", Qt::CaseInsensitive) == 0;
}

// " - OK!" and " - NB!" end the report's verdict lines.
int ReportStatus(const QStringList& lines) {
    for (const QString& line : lines)
        if (line.endsWith(" - NB!")) return 1;
    return 0;
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
    const bool work = parsed ? parser.isSet(o.report) || parser.isSet(o.check)
                             : args.contains("--report") || args.contains("--check");
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
    if (misuse.isEmpty() && !info && parser.isSet(o.report) && IsPdf(parser.value(o.output))) {
        appArgc = 3;
        qtHandler = qInstallMessageHandler(QuietHandler);
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
        return ReportCommand(parser.positionalArguments().first(), parser.value(o.output));
    return CheckCommand(parser.positionalArguments(), parser.isSet(o.json));
}

int WindowArguments(const QStringList& arguments, QString& file) {
    const Options o;
    QCommandLineParser parser;
    Setup(parser, o);
    QString misuse = parser.parse(arguments) ? Misuse(parser, o) : ParseError(parser);
    if (misuse.isEmpty() && (parser.isSet(o.report) || parser.isSet(o.check)))
        misuse = "Võtmeid --report ja --check ei saa kasutada koos Qt akna võtmetega.";
    if (!misuse.isEmpty()) {
        Print(stderr, "korvelsein: " + misuse + "\n\n" + Usage(parser));
        return 2;
    }
    if (const int status = Inform(parser, o); status >= 0) return status;
    file = parser.positionalArguments().value(0);
    return -1;
}

int ReportCommand(const QString& path, const QString& output) {
    InitDecimalCharSet();
    const QString separator = DecimalSeparatorChar();
    const CheckedCalculation checked = ReadCalculationFile(path, separator.toStdString());
    if (!checked.error.isEmpty())
        return Fail(QString("Faili \"%1\" ei saa avada: %2.").arg(path, checked.error));
    WallResult wall = EvaluateWall(checked, separator);
    if (!wall.error.isEmpty())
        return Fail(QString("Faili \"%1\" aruannet ei saa koostada: %2").arg(path, wall.error));
    const QStringList lines = WallReport(wall, separator);

    if (output.isEmpty())
        return WriteOut((lines.join('\n') + '\n').toUtf8()) ? ReportStatus(lines) : 2;
    if (IsPdf(output)) {
        // As the window prints: A4, its resolution, the report's font family.
        QPrinter printer(QPrinter::HighResolution);
        printer.setPageSize(QPageSize(QPageSize::A4));
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(output);
        printer.setDocName(QString());
        QFont font;
        font.setFamilies(LayoutFontFamilies());
        font.setPixelSize(15);
        if (const QString failure = PrintReportLines(printer, lines, font); !failure.isEmpty())
            return Fail(failure);
        return ReportStatus(lines);
    }
    if (const QString failure = WriteAtomically(output, (lines.join('\n') + '\n').toUtf8());
        !failure.isEmpty())
        return Fail(QString("Faili \"%1\" ei saanud kirjutada: %2. Midagi ei kirjutatud.")
                        .arg(output, failure));
    return ReportStatus(lines);
}

int CheckCommand(const QStringList& paths, bool json) {
    InitDecimalCharSet();
    const QString separator = DecimalSeparatorChar();
    const std::vector<CheckedWall> walls = CheckWalls(paths, separator);
    if (!WriteOut(json ? CheckJson(walls) : CheckTable(walls, separator))) return 2;
    return CheckStatus(walls);
}

} // namespace Korvel
