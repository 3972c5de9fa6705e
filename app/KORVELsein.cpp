#include "KORVELsein.h"
#include "KORVELs.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    CreateForms();
    MainKORVELseinForm->show();
    return app.exec();
}
