#include "KORVELsein.h"
#include "CommandLine.h"
#include "KORVELs.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    // A report or checks need no window: decided before any display is opened.
    if (const int status = Korvel::RunCommandLine(argc, argv); status >= 0) return status;
    QApplication app(argc, argv);
    QString file;
    if (const int status = Korvel::WindowArguments(QCoreApplication::arguments(), file);
        status >= 0)
        return status;
    CreateForms();
    if (!file.isEmpty()) MainKORVELseinForm->OpenAtStart(file);
    MainKORVELseinForm->show();
    return app.exec();
}
