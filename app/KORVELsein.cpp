#include "KORVELsein.h"
#include "KORVELs.h"
#include "KorvelsFile.h"

#include <QApplication>
#include <QCommandLineParser>
#include <cstdio>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription("KORVEL poorbetoonseinte arvutus");
    const QCommandLineOption help({"h", "help"}, "Näitab seda abiteksti.");
    const QCommandLineOption version({"v", "version"}, "Näitab programmi versiooni.");
    parser.addOption(help);
    parser.addOption(version);
    parser.addPositionalArgument("FAIL", "Avatav arvutuse fail (.korvel).", "[FAIL]");
    const auto usage = [&] {
        return parser.helpText()
            .replace("Usage:", "Kasutus:")
            .replace("Options:", "Võtmed:")
            .replace("Arguments:", "Argumendid:")
            .replace("[options]", "[võtmed]");
    };
    if (!parser.parse(QCoreApplication::arguments()) || parser.positionalArguments().size() > 1) {
        const QString why =
            parser.errorText().isEmpty() ? "Liiga palju argumente." : parser.errorText();
        std::fprintf(stderr, "korvelsein: %s\n\n%s", why.toLocal8Bit().constData(),
                     usage().toLocal8Bit().constData());
        return 2;
    }
    if (parser.isSet(help)) {
        std::fputs(usage().toUtf8().constData(), stdout);
        return 0;
    }
    if (parser.isSet(version)) {
        std::printf("korvelsein %s\n", Korvel::ProgramVersion().toUtf8().constData());
        return 0;
    }
    CreateForms();
    if (!parser.positionalArguments().isEmpty())
        MainKORVELseinForm->OpenAtStart(parser.positionalArguments().first());
    MainKORVELseinForm->show();
    return app.exec();
}
