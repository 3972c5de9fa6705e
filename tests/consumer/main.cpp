// Starts the windows through the public start-up function and runs one check.
#include "KORVELs.h"
#include "KORVELsein.h"
#include "KorvelsArvut.h"

#include <QApplication>
#include <QPushButton>
#include <cstdio>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    TArvutused record;
    record.KandevNRdmArvutus();
    CreateForms();
    MainKORVELseinForm->Button1->click();
    const bool ok = MainKORVELseinForm->ARVUT->NRdm > 0.0965 && record.NRdm > 0.0965 &&
                    MainKORVELseinForm->findChild<QWidget*>("KVImage") != nullptr;
    std::puts(ok ? "consumer: ok" : "consumer: FAILED");
    return ok ? 0 : 1;
}
