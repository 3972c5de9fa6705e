// The wall geometry, block and masonry strength panel above the pages, and the
// block catalogue.
#include "Accessibility.h"
#include "Controls.h"
#include "KORVELs.h"
#include "KorvelsInputs.h"
#include "KorvelsNumbers.h"
#include "NumberText.h"

#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>

using Korvel::AddSubscript;
using Korvel::Fmt;
using Korvel::MakeLabel;

namespace {

using Korvel::Catalogue;
using Korvel::StartBlock;

constexpr int EditWidth = 56;
constexpr int EditHeight = 20;

} // namespace

void TMainKORVELseinForm::BuildPanel() {
    // Wall geometry
    SeinGroupBox =
        Korvel::MakeGroupBox(Frame, "SeinGroupBox", "Müüritise geomeetria", QRect(7, 10, 236, 130));
    auto* g = SeinGroupBox;
    tLabel = MakeLabel(g, "tLabel", "Seina paksus t  =", 10, 24);
    tComboBox = new QComboBox(g);
    tComboBox->setObjectName("tComboBox");
    tComboBox->addItems({"50", "75", "100", "150", "200", "250", "300", "375", "500"});
    tComboBox->setCurrentText("150");
    tComboBox->setEnabled(false);
    tComboBox->setGeometry(128, 20, 70, EditHeight + 2);
    Korvel::SetHint(tComboBox, "Seina paksus t (mm)");
    MakeLabel(g, "mmLabel1", "mm", 204, 24);

    hLabel = MakeLabel(g, "hLabel", "Seina kõrgus h =", 10, 50);
    hEdit = MakeNumEdit("hEdit", g);
    hEdit->setGeometry(128, 47, 70, EditHeight);
    MakeLabel(g, "mmLabel2", "mm", 204, 50);

    LLabel = MakeLabel(g, "LLabel", "Seina pikkus L =", 10, 76);
    LEdit = MakeNumEdit("LEdit", g);
    LEdit->setGeometry(128, 73, 70, EditHeight);
    MakeLabel(g, "mmLabel3", "mm", 204, 76);

    MakeLabel(g, "rooLabel1", "Arvutuskõrguse tegur", 10, 102);
    MakeLabel(g, "rooLabel2", "ρ =", 128, 102);
    rooEdit = MakeNumEdit("rooEdit", g);
    rooEdit->setGeometry(150, 99, 48, EditHeight);

    // Block
    PlokkGroupBox =
        Korvel::MakeGroupBox(Frame, "PlokkGroupBox", "KORVEL plokk", QRect(250, 9, 314, 130));
    g = PlokkGroupBox;
    auto* toode = MakeLabel(g, "ToodeLabel1", "Toote nimetus -", 10, 24);
    TKComboBox = new QComboBox(g);
    TKComboBox->setObjectName("TKComboBox");
    for (const Korvel::Block& b : Catalogue())
        TKComboBox->addItem(b.name);
    TKComboBox->setCurrentIndex(StartBlock);
    TKComboBox->setGeometry(toode->x() + toode->width() + 8, 20, 130, EditHeight + 2);
    Korvel::SetHint(TKComboBox, "KORVEL plokkide tihedusklass (kg/m3)");
    TKComboBox->installEventFilter(this);
    connect(TKComboBox, &QComboBox::activated, this, &TMainKORVELseinForm::TKComboBoxChange);

    auto* rho = MakeLabel(g, "TKLabel2", "ρ    =", 10, 52);
    AddSubscript(rho, "ρ", "p", "TKLabel3");
    TKLabel4 = MakeLabel(g, "TKLabel4", "450", rho->x() + rho->width() + 4, 52);
    Korvel::JoinQuantity(TKLabel4, rho);
    auto* kgm = MakeLabel(g, "kgmLabel1", "kg/m", 70, 52);
    AddSubscript(kgm, "kg/m", "3", "kgmLabel2", -3);
    ELabel = MakeLabel(g, "ELabel", "E = 1400 MPa", 170, 52);

    fbLabel1 = MakeLabel(g, "fbLabel1", "f    = 3.5 MPa", 10, 80);
    AddSubscript(fbLabel1, "f", "b", "fbLabel2");
    fbdLabel1 = MakeLabel(g, "fbdLabel1", "f       = 1.75 MPa", 10, 104);
    AddSubscript(fbdLabel1, "f", "bd", "fbdLabel2");

    // Masonry strength
    MyyrGroupBox = Korvel::MakeGroupBox(Frame, "MyyrGroupBox", "Müüritise tugevusnäitajad",
                                        QRect(571, 8, 186, 131));
    g = MyyrGroupBox;
    fkLabel1 = MakeLabel(g, "fkLabel1", "f    = 2.32 MPa", 14, 28);
    AddSubscript(fkLabel1, "f", "k", "fkLabel2");
    fdLabel1 = MakeLabel(g, "fdLabel1", "f    = 1.16 MPa", 14, 56);
    AddSubscript(fdLabel1, "f", "d", "fdLabel2");
    EmLabel1 = MakeLabel(g, "EmLabel1", "E     = 1508,21 MPa", 14, 84);
    AddSubscript(EmLabel1, "E", "m", "EmLabel2");
}

void TMainKORVELseinForm::TKComboBoxChange() {
    const int index = TKComboBox->currentIndex();
    if (index < 0 || index >= static_cast<int>(Catalogue().size())) return;
    const Korvel::Block& b = Catalogue()[static_cast<std::size_t>(index)];
    Korvel::ApplyBlock(*ARVUT, b);
    tComboBox->setCurrentText(b.tItem);
    SetlabdaHValues();
    if (Korvel::CompareSlenderness(ARVUT->lambdah) > 0)
        ArvutPageControl->setCurrentWidget(KandevArvut);
    SetMJSTValues();
    CommonInvalidation();
    DocumentChanged();
}

void TMainKORVELseinForm::hEditChanged() {
    SetlabdaHValues();
    if (Korvel::CompareSlenderness(ARVUT->lambdah) > 0)
        ArvutPageControl->setCurrentWidget(KandevArvut);
    CommonInvalidation();
}

void TMainKORVELseinForm::SetMJSTValues() {
    ARVUT->MJSTArvutus();
    auto set = [](QLabel* label, const QString& text) {
        label->setText(text);
        label->adjustSize();
    };
    set(TKLabel4, Fmt("%.f", {ARVUT->rooP * 100}));
    set(ELabel, Fmt("E = %.f MPa", {ARVUT->E}));
    set(fbLabel1, Fmt("f    = %.1f MPa", {ARVUT->fb}));
    set(fbdLabel1, Fmt("f       = %.2f MPa", {ARVUT->fbd}));
    set(fkLabel1, Fmt("f    = %.2f MPa", {ARVUT->fk}));
    set(fdLabel1, Fmt("f    = %.2f MPa", {ARVUT->fd}));
    set(EmLabel1, Fmt("E     = %.2f MPa", {ARVUT->Em}));
}
