#include "TulemusedValik.h"

#include "Dialogs.h"
#include "KORVELs.h"
#include "ScreenFit.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QPushButton>
#include <QShowEvent>

TTulemusedValikForm* TulemusedValikForm = nullptr;

TTulemusedValikForm::TTulemusedValikForm(QWidget* parent) : QDialog(parent) {
    setObjectName("TulemusedValikForm");
    setWindowTitle("Tulemuste kuvamine");
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    QFont f = font();
    f.setPixelSize(13);
    setFont(f);

    TulemValikGroupBox = new QGroupBox(this);
    TulemValikGroupBox->setObjectName("TulemValikGroupBox");
    auto box = [this](const char* name, const QString& caption, int y) {
        auto* b = new QCheckBox(caption, TulemValikGroupBox);
        b->setObjectName(name);
        b->move(12, y);
        b->adjustSize();
        b->setEnabled(false);
        return b;
    };
    AVKYSKCheckBox =
        box("AVKYSKCheckBox", "Avadeta vertikaalkoormusega ühekihilise seina kandevõime", 14);
    KKJCheckBox = box("KKJCheckBox", "Koormamine koondatud jõuga", 40);
    ToesCheckBox = box("ToesCheckBox", "Toesõlmed", 66);
    const int width = std::max(380, AVKYSKCheckBox->width() + 30);
    TulemValikGroupBox->setGeometry(8, 4, width, 96);

    QFont buttonFont = font();
    buttonFont.setPixelSize(17);
    KuvaButton = new QPushButton("Kuva", this);
    KuvaButton->setObjectName("KuvaButton");
    LoobuButton2 = new QPushButton("Loobu", this);
    LoobuButton2->setObjectName("LoobuButton2");
    for (auto* b : {KuvaButton, LoobuButton2}) {
        b->setFont(buttonFont);
        b->setAutoDefault(false);
    }
    KuvaButton->setGeometry(8 + width / 2 - 110, 110, 100, 30);
    LoobuButton2->setGeometry(8 + width / 2 + 10, 110, 100, 30);
    setFixedSize(width + 16, 150);
    Korvel::ScrollWindowContent(this);
    Korvel::FitToScreen(this);

    connect(KuvaButton, &QPushButton::clicked, this, &TTulemusedValikForm::KuvaButtonClick);
    connect(LoobuButton2, &QPushButton::clicked, this, &TTulemusedValikForm::LoobuButton2Click);
}

void TTulemusedValikForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (event->spontaneous()) return;
    Korvel::CentreOver(this, parentWidget());
    FormShow();
}

void TTulemusedValikForm::keyPressEvent(QKeyEvent* event) {
    // Enter presses the focused button, as on the project data dialog; there
    // is no default button.
    if (Korvel::PressFocusedButton(this, event)) return;
    QDialog::keyPressEvent(event);
}

void TTulemusedValikForm::FormShow() {
    AVKYSKCheckBox->setChecked(false);
    KKJCheckBox->setChecked(false);
    ToesCheckBox->setChecked(false);
}

void TTulemusedValikForm::KuvaButtonClick() {
    accept();
    if (!MainKORVELseinForm) return;
    // A report that could not be completed is not shown.
    if (!MainKORVELseinForm->AndmeteSisestus()) return;
    MainKORVELseinForm->ShowResultsTab();
    MainKORVELseinForm->ArvutPageControl->setCurrentWidget(MainKORVELseinForm->TulemusedNt);
}

void TTulemusedValikForm::LoobuButton2Click() {
    reject();
}
