#include "KoondjLisa.h"

#include "Widgets.h"

#include <QGroupBox>
#include <QLabel>

TKoondjLisaForm* KoondjLisaForm = nullptr;

TKoondjLisaForm::TKoondjLisaForm(QWidget* parent) : QWidget(parent) {
    setObjectName("KoondjLisaForm");
    setWindowTitle("Tulemused erijuhtudel");
    setWindowFlags(Qt::Window | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint |
                   Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    QFont f = font();
    f.setPixelSize(13);
    setFont(f);
    resize(438, 198);

    GroupBox1 = new QGroupBox(this);
    GroupBox1->setObjectName("GroupBox1");
    GroupBox1->setGeometry(0, 0, 438, 198);
}

void TKoondjLisaForm::ShowCentred(QWidget* over) {
    if (over) {
        const QRect outer = over->frameGeometry();
        move(outer.center() - QPoint(width() / 2, height() / 2));
    }
    show();
}
