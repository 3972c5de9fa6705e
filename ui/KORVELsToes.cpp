// Support node page: the bearing of a beam end on the wall, in the general
// case and with free space beside the beam for three beam positions.
#include "Accessibility.h"
#include "Colours.h"
#include "Controls.h"
#include "Dialogs.h"
#include "KORVELs.h"
#include "KorvelsChecks.h"
#include "KorvelsNumbers.h"
#include "NumberText.h"
#include "TulemusedValik.h"

#include <QAction>
#include <QCheckBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>

using Korvel::AddSubscript;
using Korvel::Fmt;
using Korvel::MakeLabel;
using Korvel::WholeMm;
using Korvel::WithHint;

namespace {

constexpr int EditHeight = 20;

QLabel* MakeMarker(QWidget* parent, const char* name, int x, int y) {
    auto* marker = Korvel::MakeMarker(parent, name, "<", QRect(x, y, 16, 19));
    Korvel::SetBackground(marker, Korvel::MarkerGreen);
    return marker;
}

// The edit right after its label, the unit label right after the edit.
void PlaceAfter(QLineEdit* edit, int x, int y, int width, QLabel* unit) {
    edit->setGeometry(x, y, width, EditHeight);
    unit->move(x + width + 4, y + 3);
}

int RightOf(const QWidget* w) {
    return w->x() + w->width();
}

// A new beam position: the free-space results and the report section go,
// the general results stay.
void WithdrawFreeSpace(TMainKORVELseinForm* w) {
    w->ToesPeida2();
    w->HideResultsTab();
    if (TulemusedValikForm) TulemusedValikForm->ToesCheckBox->setEnabled(false);
}

} // namespace

void TMainKORVELseinForm::BuildToesPage() {
    TSGroupBox = Korvel::MakeGroupBox(ToesArvut, "TSGroupBox", "", QRect(2, 0, 744, 430));
    auto* page = TSGroupBox;

    TSImage = Korvel::MakePictureBox(page, "TSImage", QRect(15, 13, 194, 366), ":/pictures/toes");
    Korvel::NameDrawing(
        TSImage, {Korvel::MakeCaption(page, "Label4", "Joonis 4. Tala toetus seinale", 33, 358)});

    Button3 = Korvel::MakeCalcButton(page, "Button3", QRect(62, 392, 81, 26));
    connect(Button3, &QPushButton::clicked, this, &TMainKORVELseinForm::Button3Click);

    // General case
    TSAYJGroupBox = Korvel::MakeGroupBox(
        page, "TSAYJGroupBox", "Toesõlme arvutus üldistel juhtudel", QRect(245, 13, 469, 206));
    auto* g = TSAYJGroupBox;

    auto* load = Korvel::MakeGroupBox(g, "KoormusGroupBox3", "Koormus", QRect(8, 18, 453, 46));
    auto* qdLabel =
        MakeLabel(load, "qdLabel1",
                  "Seinale toetuvale talale mõjuv arvutuslik jaotatud koormus q     =", 10, 22);
    AddSubscript(qdLabel, "Seinale toetuvale talale mõjuv arvutuslik jaotatud koormus q", "d",
                 "dLabel2");
    qdEdit = MakeNumEdit("qdEdit", load);
    PlaceAfter(qdEdit, RightOf(qdLabel) + 6, 19, 60, MakeLabel(load, "kN_mLabel4", "kN/m", 0, 0));

    auto* beam = Korvel::MakeGroupBox(g, "STTPGroupBox", "Seinale toetuva tala parameetrid",
                                      QRect(8, 66, 453, 88));
    const int rowY[3] = {19, 42, 65};
    auto symbol = [&](const char* name, const QString& text, const QString& prefix,
                      const QString& sub, const char* subName, int x, int row) {
        auto* label = MakeLabel(beam, name, text, x, rowY[row] + 3);
        AddSubscript(label, prefix, sub, subName);
        return label;
    };
    // Left column: bearing length, span, width; the edits line up behind the
    // longest label.
    QLabel* left[3] = {
        symbol("a1Label1", "Tala toetuspikkus  a    =", "Tala toetuspikkus  a", "1", "a1Label2", 10,
               0),
        symbol("LtLabel2", "Tala pikkus              L  =", "Tala pikkus              L", "t",
               "tLabel2", 10, 1),
        symbol("btLabel1", "Tala otsa laius         b   =", "Tala otsa laius         b", "t",
               "tLabel3", 10, 2),
    };
    int editX = 0;
    for (QLabel* l : left)
        editX = std::max(editX, RightOf(l) + 6);
    a1Edit = MakeNumEdit("a1Edit", beam);
    PlaceAfter(a1Edit, editX, rowY[0], 50, MakeLabel(beam, "mmLabel11", "mm", 0, 0));
    LtEdit = MakeNumEdit("LtEdit", beam);
    PlaceAfter(LtEdit, editX, rowY[1], 50, MakeLabel(beam, "mmLabel12", "mm", 0, 0));
    btEdit = MakeNumEdit("btEdit", beam);
    PlaceAfter(btEdit, editX, rowY[2], 50, MakeLabel(beam, "mmLabel13", "mm", 0, 0));

    // Right column: modulus and inertia, flush with the right edge of the box.
    const QString etText = "Tala elastsusmoodul E   =", itText = "Tala inertsimoment     I    =";
    const QFontMetrics metrics(beam->font());
    auto* gpa = MakeLabel(beam, "GPaLabel1", "GPa", 0, 0);
    auto* cm = MakeLabel(beam, "cm4Label1", "cm", 0, 0);
    editX = beam->width() - 10 - std::max(gpa->width(), cm->width() + 6) - 4 - 58;
    const int rightX =
        editX - 8 - std::max(metrics.horizontalAdvance(etText), metrics.horizontalAdvance(itText));
    symbol("EtLabel1", etText, "Tala elastsusmoodul E", "t", "tLabel4", rightX, 0);
    symbol("ItLabel1", itText, "Tala inertsimoment     I", "t", "tLabel5", rightX, 1);
    EtEdit = MakeNumEdit("EtEdit", beam);
    PlaceAfter(EtEdit, editX, rowY[0], 58, gpa);
    ItEdit = MakeNumEdit("ItEdit", beam);
    PlaceAfter(ItEdit, editX, rowY[1], 58, cm);
    AddSubscript(cm, "cm", "4", "cm4Label2", -3);

    // A result row: the stress box, the sign box and the strength box.
    const QString stressHint = "Max. pinge toesõlmes";
    const QString strengthHint = "Seina arvutuslik survetugevus";
    const int resultH = 44, valueY = 21;
    struct ResultRow {
        QGroupBox *stressBox, *signBox, *strengthBox;
        QLabel *stress, *sign, *strength;
    };
    auto resultRow = [&](QWidget* parent, int y, const char* stressBoxName, const char* symbolName,
                         const char* symbolSubName, const char* stressName, const char* signBoxName,
                         const char* signName, const char* strengthBoxName,
                         const char* strengthName, const QString& strengthText) {
        ResultRow r{};
        r.stressBox = Korvel::MakeGroupBox(parent, stressBoxName, "Max. pinge toesõlmes",
                                           QRect(8, y, 210, resultH));
        auto* sigma =
            WithHint(MakeLabel(r.stressBox, symbolName, "σ          =", 12, valueY), stressHint);
        AddSubscript(sigma, "σ", "max", symbolSubName);
        r.stress = WithHint(
            MakeLabel(r.stressBox, stressName, "0.87 MPa", RightOf(sigma) + 6, valueY), stressHint);
        Korvel::JoinQuantity(r.stress, sigma);
        r.signBox = Korvel::MakeGroupBox(parent, signBoxName, "", QRect(220, y, 24, resultH));
        r.sign = MakeMarker(r.signBox, signName, 4, valueY - 2);
        r.strengthBox = Korvel::MakeGroupBox(
            parent, strengthBoxName, "Seina arvutuslik survetugevus", QRect(246, y, 215, resultH));
        r.strength = WithHint(MakeLabel(r.strengthBox, strengthName, strengthText, 12, valueY),
                              strengthHint);
        return r;
    };

    // General-case results
    const ResultRow general =
        resultRow(g, 156, "SigmaMaxGroupBox1", "SigmaMaxLabel1", "maxLabel1", "SigmaMaxLabel2",
                  "KTingGroupBox4", "KTingLabel6", "fdGroupBox1", "fdLabel3", "f    = 1.16 MPa");
    SigmaMaxGroupBox1 = general.stressBox;
    SigmaMaxLabel2 = general.stress;
    KTingGroupBox4 = general.signBox;
    KTingLabel6 = general.sign;
    fdGroupBox1 = general.strengthBox;
    fdLabel3 = general.strength;
    AddSubscript(fdLabel3, "f", "d", "dLabel3");

    // Free-space variant
    CheckBox1 = new QCheckBox("Toesõlme arvutus juhul, kui tala kõrval on vaba ruumi", page);
    CheckBox1->setObjectName("CheckBox1");
    CheckBox1->move(245, 235);
    CheckBox1->adjustSize();
    connect(CheckBox1, &QCheckBox::toggled, this, &TMainKORVELseinForm::CheckBox1Click);

    TKVRGroupBox = Korvel::MakeGroupBox(page, "TKVRGroupBox", "", QRect(245, 262, 469, 155));
    g = TKVRGroupBox;
    auto* position =
        Korvel::MakeGroupBox(g, "TASGroupBox", "Tala asetus seinal", QRect(8, 6, 453, 90));
    auto radio = [&](const char* name, const QString& text, int y) {
        auto* b = new QRadioButton(text, position);
        b->setObjectName(name);
        b->move(10, y);
        b->adjustSize();
        return b;
    };
    RadioButton1 =
        radio("RadioButton1", "Tala toetub seinale seina keskel ja ulatub üle seina", 19);
    RadioButton2 = radio("RadioButton2", "Tala toetub seinale seina otsas ja ulatub üle seina", 41);
    RadioButton3 = radio("RadioButton3", "Tala toetub seinale talaotsa all ja talade samm on", 63);
    RadioButton2->setChecked(true);
    // A change of the position, by the user or by code, is an input change.
    connect(RadioButton1, &QRadioButton::toggled, this, &TMainKORVELseinForm::RadioButton1Click);
    connect(RadioButton2, &QRadioButton::toggled, this, &TMainKORVELseinForm::RadioButton2Click);
    connect(RadioButton3, &QRadioButton::toggled, this, &TMainKORVELseinForm::RadioButton3Click);
    stEdit = MakeNumEdit("stEdit", position);
    PlaceAfter(stEdit, RightOf(RadioButton3) + 6,
               RadioButton3->y() + (RadioButton3->height() - EditHeight) / 2, 56,
               MakeLabel(position, "mmLabel14", "mm", 0, 0));

    const ResultRow freeSpace =
        resultRow(g, 100, "SigmaMaxGroupBox2", "SigmaMaxLabel3", "maxLabel2", "SigmaMaxLabel4",
                  "KTingGroupBox5", "KTingLabel7", "fdGroupBox2", "fdflocLabel1",
                  "f    = f        = 2.75 MPa");
    SigmaMaxGroupBox2 = freeSpace.stressBox;
    SigmaMaxLabel4 = freeSpace.stress;
    KTingGroupBox5 = freeSpace.signBox;
    KTingLabel7 = freeSpace.sign;
    fdGroupBox2 = freeSpace.strengthBox;
    fdflocLabel1 = freeSpace.strength;
    AddSubscript(fdflocLabel1, "f", "d", "dLabel4");
    AddSubscript(fdflocLabel1, "f    = f", "loc", "locLabel1");

    ToesPeida2();
    TKVRGroupBox->hide();
}

void TMainKORVELseinForm::Button3Click() {
    try {
        SetToesValues();
        KuvaTulemused->setEnabled(true);
        HideResultsTab();
        if (CheckBox1->isChecked()) {
            RefreshDistributionArea();
            // A rejected spacing leaves the free-space results unshown, so the
            // report may not offer them either.
            if (!ToesKontroll()) return;
        }
    } catch (const EArvutusViga& e) {
        Korvel::ShowWarning(this, QString::fromUtf8(e.what()));
        if (TulemusedValikForm) TulemusedValikForm->ToesCheckBox->setEnabled(false);
        return;
    }
    if (TulemusedValikForm) TulemusedValikForm->ToesCheckBox->setEnabled(true);
}

void TMainKORVELseinForm::CheckBox1Click() {
    const bool on = CheckBox1->isChecked();
    TKVRGroupBox->setVisible(on);
    ToesPeida2();
    RefreshDistributionArea();
    HideResultsTab();
    if (on && TulemusedValikForm) TulemusedValikForm->ToesCheckBox->setEnabled(false);
    DocumentChanged();
}

void TMainKORVELseinForm::RadioButton1Click() {
    if (RadioButton1->isChecked()) RefreshDistributionArea();
    WithdrawFreeSpace(this);
    DocumentChanged();
}

void TMainKORVELseinForm::RadioButton2Click() {
    if (RadioButton2->isChecked()) RefreshDistributionArea();
    WithdrawFreeSpace(this);
    DocumentChanged();
}

void TMainKORVELseinForm::RadioButton3Click() {
    if (RadioButton3->isChecked()) RefreshDistributionArea();
    WithdrawFreeSpace(this);
    DocumentChanged();
}

void TMainKORVELseinForm::SetToesValues() {
    const Korvel::Comparison c = Korvel::SupportCheck(*ARVUT)[0];
    ToesNaita1();
    Korvel::SetLabelText(SigmaMaxLabel2, Fmt("%.2f MPa", {c.value}));
    Korvel::SetLabelText(fdLabel3, Fmt("f    = %.2f MPa", {c.limit}));
    Korvel::SetMarker(KTingLabel6, c);
}

void TMainKORVELseinForm::SetToesEfektValues() {
    if (!CheckBox1->isChecked()) return;
    const Korvel::Comparison c = Korvel::FreeSpaceCheck(*ARVUT)[0];
    ToesNaita2();
    Korvel::SetLabelText(SigmaMaxLabel4, Fmt("%.2f MPa", {c.value}));
    Korvel::SetLabelText(fdflocLabel1, Fmt("f    = f        = %.2f MPa", {c.limit}));
    Korvel::SetMarker(KTingLabel7, c);
}

bool TMainKORVELseinForm::ToesKontroll() {
    const bool fits = Korvel::FitsWall("stEdit", *ARVUT);
    if (RadioButton3->isChecked() && !fits) {
        Korvel::SetBackground(stEdit, Korvel::ReviewYellow);
        // Its change handler stores 0, refreshes c1 and Ad and withdraws the
        // free-space results.
        stEdit->setText("0");
        Korvel::ShowWarning(this, "Vaata üle kollased lahtrid!");
        return false;
    }
    Korvel::ResetBackground(stEdit);
    SetToesEfektValues();
    return true;
}

void TMainKORVELseinForm::ToesNaita1() {
    SigmaMaxGroupBox1->show();
    KTingGroupBox4->show();
    fdGroupBox1->show();
}

void TMainKORVELseinForm::ToesPeida1() {
    SigmaMaxGroupBox1->hide();
    KTingGroupBox4->hide();
    fdGroupBox1->hide();
}

void TMainKORVELseinForm::ToesNaita2() {
    SigmaMaxGroupBox2->show();
    KTingGroupBox5->show();
    fdGroupBox2->show();
}

void TMainKORVELseinForm::ToesPeida2() {
    SigmaMaxGroupBox2->hide();
    KTingGroupBox5->hide();
    fdGroupBox2->hide();
}

void TMainKORVELseinForm::RefreshSpacing() {
    RefreshDistributionArea();
}

void TMainKORVELseinForm::RefreshDistributionArea() {
    const int position = RadioButton1->isChecked() ? 1 : (RadioButton3->isChecked() ? 3 : 2);
    Korvel::SetDistributionArea(*ARVUT, position);
}
