// The program's options: their help in Estonian, Qt's parse errors in the
// same language, and the combinations the work cannot use.
#pragma once

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QString>
#include <QStringList>

namespace Korvel {

struct Options {
    QCommandLineOption help{{"h", "help"}, "Näitab seda abiteksti."};
    QCommandLineOption version{{"v", "version"}, "Näitab programmi versiooni."};
    QCommandLineOption report{"report",
                              "Kirjutab FAILi aruande ilma aknata: seina kontrollid, nagu "
                              "\"Kuva\" kõigi kastidega; hoone failist kogu hoone aruande."};
    QCommandLineOption output{"output",
                              "Aruanne faili VÄLJUND standardväljundi asemel: .pdf-faili "
                              "prinditud lehtedena, muidu tekstina. VÄLJUND \"-\" on "
                              "standardväljund.",
                              "VÄLJUND"};
    QCommandLineOption wall{
        "wall", "Võtmega --report: hoone seina NIMI aruanne, mitte kogu hoone oma.", "NIMI"};
    QCommandLineOption check{"check", "Kontrollib iga seina FAILides (.korvel ja .csv), üks rida "
                                      "seina kohta."};
    QCommandLineOption blocks{"blocks", "Proovib iga seina FAILides kõigi kataloogi plokkidega: "
                                        "kas oma plokk sobib ja milline on kõige õhem sobiv "
                                        "plokk, üks rida seina kohta."};
    QCommandLineOption json{"json", "Kontrolli tulemused ühe JSON-dokumendina."};
};

// The options and the files to parser.
void Setup(QCommandLineParser& parser, const Options& o);

// The help text with its headings in the program's language.
QString Usage(const QCommandLineParser& parser);

// Qt's own options for the window, which QApplication takes out of the
// arguments; here they are only known by name.
bool HasQtOption(const QStringList& args);

// Qt's parse errors in the program's language.
QString ParseError(const QCommandLineParser& parser);

// Options that cannot go together, or a file count the work cannot use.
QString Misuse(const QCommandLineParser& parser, const Options& o);

// Help or version: printed, and the program ends well. -1 when neither was asked for.
int Inform(const QCommandLineParser& parser, const Options& o);

// The file "--output" names; empty for standard output, which "-" names too.
QString OutputFile(const QCommandLineParser& parser, const Options& o);

} // namespace Korvel
