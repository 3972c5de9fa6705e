// Baseline: a bare main window of the same size, ending after its first paint.
#include "FirstPaint.h"

#include <QMainWindow>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.resize(767, 660);
    QuitAfterFirstPaint quit;
    window.installEventFilter(&quit);
    window.show();
    return app.exec();
}
