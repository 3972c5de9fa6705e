// The program's start-up as korvelsein does it, ending after the main
// window's first paint; the About box is closed as soon as it opens.
#include "About.h"
#include "FirstPaint.h"
#include "KORVELs.h"
#include "KORVELsein.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    CreateForms();
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [] {
        if (AboutBox->isVisible()) AboutBox->accept();
    });
    closer.start(0);
    QuitAfterFirstPaint quit;
    MainKORVELseinForm->installEventFilter(&quit);
    MainKORVELseinForm->show();
    return app.exec();
}
