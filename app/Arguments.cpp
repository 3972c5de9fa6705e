#include "Arguments.h"

#include "ProgramVersion.h"

#include <QByteArray>
#include <QRegularExpression>
#include <cstdio>

namespace Korvel {

void Setup(QCommandLineParser& parser, const Options& o) {
    parser.setApplicationDescription("KORVEL poorbetoonseinte arvutus");
    for (const auto* option :
         {&o.help, &o.version, &o.report, &o.output, &o.wall, &o.check, &o.blocks, &o.json})
        parser.addOption(*option);
    parser.addPositionalArgument("FAIL",
                                 "Avatav arvutuse fail (.korvel); võtmetega --check ja --blocks ka "
                                 "CSV-failid, mitu faili.",
                                 "[FAIL...]");
}

QString Usage(const QCommandLineParser& parser) {
    return parser.helpText()
        .replace("Usage:", "Kasutus:")
        .replace("Options:", "Võtmed:")
        .replace("Arguments:", "Argumendid:")
        .replace("[options]", "[võtmed]");
}

bool HasQtOption(const QStringList& args) {
    // Kept by hand: Qt offers no public list of the options its application takes.
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

QString Misuse(const QCommandLineParser& parser, const Options& o) {
    const qsizetype files = parser.positionalArguments().size();
    const bool report = parser.isSet(o.report), check = parser.isSet(o.check);
    const bool blocks = parser.isSet(o.blocks);
    if (report && check) return "Võtmeid --report ja --check ei saa koos kasutada.";
    if (blocks && (report || check))
        return QString("Võtmeid --blocks ja %1 ei saa koos kasutada.")
            .arg(report ? "--report" : "--check");
    if (parser.isSet(o.output) && !report) return "Võti --output käib ainult võtmega --report.";
    if (parser.isSet(o.json) && !check && !blocks)
        return "Võti --json käib ainult võtmega --check või --blocks.";
    if (parser.isSet(o.wall) && !report) return "Võti --wall käib ainult võtmega --report.";
    if (report && files == 0) return "Võti --report vajab arvutuse faili.";
    if (check && files == 0) return "Võti --check vajab vähemalt ühte faili.";
    if (blocks && files == 0) return "Võti --blocks vajab vähemalt ühte faili.";
    if (!check && !blocks && files > 1) return "Liiga palju argumente.";
    return {};
}

int Inform(const QCommandLineParser& parser, const Options& o) {
    QString text;
    if (parser.isSet(o.help))
        text = Usage(parser);
    else if (parser.isSet(o.version))
        text = "korvelsein " + ProgramVersion() + "\n";
    else
        return -1;
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stdout);
    return 0;
}

QString OutputFile(const QCommandLineParser& parser, const Options& o) {
    const QString value = parser.value(o.output);
    return value == "-" ? QString() : value;
}

} // namespace Korvel
