// The program's command line: the options, and the work done without any
// window (a report, the checks of many walls). Parsed before an application
// object exists, so that this work needs no display and pays for no window.
#pragma once

#include <QString>
#include <QStringList>

namespace Korvel {

// Runs what the command line asks for when no window is wanted: help,
// version, a usage error, "--report", "--check" or "--blocks". Returns the
// exit status, or -1 when the window is to be opened.
int RunCommandLine(int argc, char* argv[]);

// For the window: the file to open at start (empty for none), from the
// arguments the application left after taking Qt's own. Returns -1 to go on,
// or the exit status after a usage error has been printed.
int WindowArguments(const QStringList& arguments, QString& file);

// "--report": the report of the calculation or building file at path (of
// its wall named wall when not empty), to standard output or to output
// (".pdf": the printout, otherwise text). Needs a QGuiApplication for a PDF,
// a QCoreApplication otherwise. Returns the exit status from the checks: 0
// every applying check passes, 1 any fails, 2 nothing reported or a check
// that could not be computed.
int ReportCommand(const QString& path, const QString& wall, const QString& output);

// "--check": one line per wall of the files, or a JSON document. Returns the
// exit status: 0 every wall passes, 1 any fails, 2 any could not be checked.
int CheckCommand(const QStringList& paths, bool json);

// "--blocks": per wall its own block and the thinnest product that carries it,
// or a JSON document of every product. Returns the exit status: 0 every wall
// has a passing product, 1 some wall has none, 2 any could not be checked.
int BlocksCommand(const QStringList& paths, bool json);

} // namespace Korvel
