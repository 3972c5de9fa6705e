// Vertical capacity page: loads and eccentricities, the slenderness check and
// the forces, eccentricities and resistances of the three sections.
#include "Accessibility.h"
#include "Colours.h"
#include "Controls.h"
#include "Dialogs.h"
#include "KORVELs.h"
#include "KorvelsChecks.h"
#include "KorvelsInput.h"
#include "KorvelsInputs.h"
#include "KorvelsNumbers.h"
#include "NumberText.h"
#include "TulemusedValik.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <utility>
#include <vector>

using Korvel::AddSubscript;
using Korvel::Fmt;
using Korvel::MakeLabel;
using Korvel::WithHint;

namespace {

QLabel* MakeMarker(QWidget* parent, const char* name, const QString& text, int x, int y) {
    return Korvel::MakeMarker(parent, name, text, QRect(x, y, 16, 19));
}

} // namespace

void TMainKORVELseinForm::BuildKandevPage() {
    KVGroupBox = Korvel::MakeGroupBox(KandevArvut, "KVGroupBox", "", QRect(2, 0, 744, 430));
    auto* page = KVGroupBox;

    KVImage = Korvel::MakePictureBox(page, "KVImage", QRect(8, 8, 238, 369), ":/pictures/kandev");
    auto* caption = MakeLabel(page, "Label1", "Joonis 1. Arvutusskeem", 62, 356);
    Korvel::SetBackground(caption, Qt::white);
    Korvel::NameDrawing(KVImage, {caption});

    Button1 = Korvel::MakeCalcButton(page, "Button1", QRect(86, 392, 81, 26));
    connect(Button1, &QPushButton::clicked, this, &TMainKORVELseinForm::Button1Click);

    // Loads and eccentricities
    ArvKGroupBox = Korvel::MakeGroupBox(page, "ArvKGroupBox",
                                        "Arvutuslikud koormused ja nende ekstsentrilisused",
                                        QRect(254, 6, 484, 104));
    auto* g = ArvKGroupBox;
    auto row = [&](const char* labelName, const QString& text, const QString& prefix,
                   const QString& sub, const char* subName, const char* editName, int x, int y,
                   const char* unitName, const QString& unit) {
        auto* label = MakeLabel(g, labelName, text, x, y + 3);
        AddSubscript(label, prefix, sub, subName);
        auto* edit = MakeNumEdit(editName, g);
        edit->setGeometry(x + label->width() + 4, y, 58, 20);
        MakeLabel(g, unitName, unit, edit->x() + edit->width() + 4, y + 3);
        return edit;
    };
    PvldEdit = row("PvldLabel1", "Vahelaelt või laelt  P        =", "Vahelaelt või laelt  P", "vld",
                   "vldLabel1", "PvldEdit", 10, 22, "kN_mLabel1", "kN/m");
    evlEdit = row("evlLabel1", "Ekstsentrilisus  e     =", "Ekstsentrilisus  e", "vl", "vlLabel1",
                  "evlEdit", 262, 22, "mmLabel4", "mm");
    PydEdit = row("PydLabel1", "Ülevalt poolt vl-e   P        =", "Ülevalt poolt vl-e   P", "üd",
                  "ydLabel1", "PydEdit", 10, 48, "kN_mLabel2", "kN/m");
    eyEdit = row("eyLabel1", "Ekstsentrilisus  e     =", "Ekstsentrilisus  e", "ü", "yLabel1",
                 "eyEdit", 262, 48, "mmLabel5", "mm");
    qtdEdit = row("qtdLabel1", "Tuulekoormus   q             =", "Tuulekoormus   q", "tuul.d",
                  "tuuldLabel1", "qtdEdit", 10, 74, "kN_mLabel5", "kN/m");
    // Line up the two columns of edits.
    for (QLineEdit* e : {PvldEdit, PydEdit, qtdEdit})
        e->move(PydEdit->x(), e->y());
    for (const char* unit : {"kN_mLabel1", "kN_mLabel2", "kN_mLabel5"})
        findChild<QLabel*>(unit)->move(PydEdit->x() + 62, findChild<QLabel*>(unit)->y());

    // Slenderness
    LambdahGroupBox = Korvel::MakeGroupBox(page, "LambdahGroupBox", "Seina saleduse kontroll",
                                           QRect(254, 116, 484, 50));
    g = LambdahGroupBox;
    auto* lambda1 = WithHint(MakeLabel(g, "LhLabel1", "λ    =", 12, 22), "Seina saledus");
    AddSubscript(lambda1, "λ", "h", "LhLabel2");
    LhLabel3 = MakeLabel(g, "LhLabel3", "20,00", lambda1->x() + lambda1->width() + 6, 22);
    LhLabel3->setMinimumWidth(40);
    LhLabel3->setAlignment(Qt::AlignCenter);
    Korvel::JoinQuantity(LhLabel3, lambda1);
    Korvel::SetBackground(LhLabel3, Korvel::MarkerGreen);
    auto* lambda2 =
        WithHint(MakeLabel(g, "LhLabel4", "λ", LhLabel3->x() + 60, 22), "Seina saledus");
    AddSubscript(lambda2, "λ", "h", "LhLabel5");
    LhLabel6 = MakeMarker(g, "LhLabel6", "<", lambda2->x() + 20, 20);
    Korvel::SetBackground(LhLabel6, Korvel::MarkerGreen);
    MakeLabel(g, "LhLabel7", "27", LhLabel6->x() + 22, 22);

    // Internal forces and eccentricities
    ArvSGroupBox =
        Korvel::MakeGroupBox(page, "ArvSGroupBox", "Arvutuslikud sisejõud 1m laiusel arvutusribal",
                             QRect(254, 172, 340, 122));
    g = ArvSGroupBox;
    // Room for moments of four digits (eccentricities of metres are allowed).
    const int EColumn = 130;
    MakeLabel(g, "PaindLabel", "Paindemomendid", 8, 22);
    MakeLabel(g, "EkstsLabel", "Ekstsentrilisused", EColumn, 22);
    MakeLabel(g, "PikiLabel", "Pikijõud", 232, 22);
    const int rowY[3] = {46, 70, 94};
    auto value = [&](QWidget* parent, const char* name, const QString& text, const QString& prefix,
                     const QString& sub, const char* subName, int x, int y, const char* hint) {
        auto* label = WithHint(MakeLabel(parent, name, text, x, y), hint);
        AddSubscript(label, prefix, sub, subName);
        return label;
    };
    Msd1Label1 = value(g, "Msd1Label1", "M        = 0,90 kNm", "M", "sd1", "Msd1Label2", 8, rowY[0],
                       "Paindemoment ülemises lõikes");
    MsdmLabel1 = value(g, "MsdmLabel1", "M          = 0,11 kNm", "M", "sdm", "MsdmLabel2", 8,
                       rowY[1], "Paindemoment keskmises lõikes");
    Msd2Label1 = value(g, "Msd2Label1", "M        = 0 kNm", "M", "sd2", "Msd2Label2", 8, rowY[2],
                       "Paindemoment alumises lõikes");
    eLabel2 = value(g, "eLabel2", "e    = 25,00 mm", "e", "1", "eLabel1", EColumn, rowY[0],
                    "Ekstsentrilisus ülemises lõikes");
    eLabel4 = value(g, "eLabel4", "e    = 13,45 mm", "e", "m", "eLabel3", EColumn, rowY[1],
                    "Ekstsentrilisus keskmises lõikes");
    eLabel6 = value(g, "eLabel6", "e    = 10,00 mm", "e", "2", "eLabel5", EColumn, rowY[2],
                    "Ekstsentrilisus alumises lõikes");
    Nsd1Label1 = value(g, "Nsd1Label1", "N        = 60,00 kN", "N", "sd1", "Nsd1Label2", 232,
                       rowY[0], "Pikijõud ülemises lõikes");
    NsdmLabel1 = value(g, "NsdmLabel1", "N         = 60,97 kN", "N", "sdm", "NsdmLabel2", 232,
                       rowY[1], "Pikijõud keskmises lõikes");
    Nsd2Label1 = value(g, "Nsd2Label1", "N        = 62,43 kN", "N", "sd2", "Nsd2Label2", 232,
                       rowY[2], "Pikijõud alumises lõikes");

    // Markers between force and resistance
    KTingGroupBox1 = Korvel::MakeGroupBox(page, "KTingGroupBox1", "", QRect(596, 172, 24, 122));
    KTingLabel1 = MakeMarker(KTingGroupBox1, "KTingLabel1", "<", 4, rowY[0] - 2);
    KTingLabel2 = MakeMarker(KTingGroupBox1, "KTingLabel2", "<", 4, rowY[1] - 2);
    KTingLabel3 = MakeMarker(KTingGroupBox1, "KTingLabel3", "<", 4, rowY[2] - 2);

    // Resistances
    VertKVGroupBox = Korvel::MakeGroupBox(page, "VertKVGroupBox", "Vertikaalkandevõime",
                                          QRect(622, 172, 116, 122));
    g = VertKVGroupBox;
    NRd1Label1 = value(g, "NRd1Label1", "N         = 116,02 kN", "N", "Rd1", "NRd1Label2", 4,
                       rowY[0], "Vertikaalkandevõime ülemises lõikes");
    NRdmLabel1 = value(g, "NRdmLabel1", "N          = 96,57 kN", "N", "Rdm", "NRdmLabel2", 4,
                       rowY[1], "Vertikaalkandevõime keskmises lõikes");
    NRd2Label1 = value(g, "NRd2Label1", "N         = 150,82 kN", "N", "Rd2", "NRd2Label2", 4,
                       rowY[2], "Vertikaalkandevõime alumises lõikes");

    for (QLabel* marker : {KTingLabel1, KTingLabel2, KTingLabel3})
        Korvel::SetBackground(marker, Korvel::MarkerGreen);
    KandevPeida2();
}

void TMainKORVELseinForm::Button1Click() {
    try {
        SetKandevValues();
    } catch (const EArvutusViga& e) {
        Korvel::ShowWarning(this, QString::fromUtf8(e.what()));
        return;
    }
    KuvaTulemused->setEnabled(true);
    HideResultsTab();
    if (Korvel::CompareSlenderness(ARVUT->lambdah) <= 0 && TulemusedValikForm)
        TulemusedValikForm->AVKYSKCheckBox->setEnabled(true);
}

void TMainKORVELseinForm::SetKandevValues() {
    // The edits first show the values the check will use: each rewrite is an
    // input change and would otherwise hide the results shown below.
    TArvutused& r = *ARVUT;
    struct Rewrite {
        QLineEdit* edit;
        double TArvutused::*field;
        QString text;
    };
    std::vector<Rewrite> rewrites;
    for (const char* name : Korvel::VerticalRewrittenFields()) {
        double TArvutused::*field = Korvel::FindInputField(name)->field;
        rewrites.push_back(
            {findChild<QLineEdit*>(QString::fromLatin1(name)), field, Fmt("%.2f", {r.*field})});
    }

    // A rewrite is an input change with its own consequences: it happens
    // only once the check is known to succeed on the values as shown.
    TArvutused trial = r;
    for (const Rewrite& w : rewrites) {
        double shown = 0;
        if (ParseNumber(w.text, shown)) trial.*w.field = shown;
    }
    Korvel::VerticalCheck(trial);

    for (const Rewrite& w : rewrites)
        if (w.edit->text() != w.text) w.edit->setText(w.text);

    const std::vector<Korvel::Comparison> c = Korvel::VerticalCheck(r);

    SetlabdaHValues();
    if (Korvel::CompareSlenderness(r.lambdah) > 0)
        KandevPeida2();
    else
        KandevNaita2();
    KandevNaita1();

    Korvel::SetLabelText(Msd1Label1, Fmt("M        = %.2f kNm", {r.Msd1}));
    Korvel::SetLabelText(MsdmLabel1, Fmt("M          = %.2f kNm", {r.Msdm}));
    Korvel::SetLabelText(Msd2Label1, Fmt("M        = %.f kNm", {r.Msd2}));
    Korvel::SetLabelText(Nsd1Label1, Fmt("N        = %.2f kN", {r.Nsd1}));
    Korvel::SetLabelText(NsdmLabel1, Fmt("N         = %.2f kN", {r.Nsdm}));
    Korvel::SetLabelText(Nsd2Label1, Fmt("N        = %.2f kN", {r.Nsd2}));
    Korvel::SetLabelText(eLabel4, Fmt("e    = %.2f mm", {r.emk * 1000}));
    Korvel::SetLabelText(eLabel2, Fmt("e    = %.2f mm", {r.e1 * 1000}));
    Korvel::SetLabelText(eLabel6, Fmt("e    = %.2f mm", {r.e2 * 1000}));
    Korvel::SetLabelText(NRdmLabel1, Fmt("N          = %.2f kN", {r.NRdm * 1000}));
    Korvel::SetLabelText(NRd1Label1, Fmt("N         = %.2f kN", {r.NRd1 * 1000}));
    Korvel::SetLabelText(NRd2Label1, Fmt("N         = %.2f kN", {r.NRd2 * 1000}));

    Korvel::SetMarker(KTingLabel1, c[0]);
    Korvel::SetMarker(KTingLabel2, c[1]);
    Korvel::SetMarker(KTingLabel3, c[2]);
}

void TMainKORVELseinForm::SetlabdaHValues() {
    ARVUT->labdaHArvutus();
    LhLabel3->setText(Fmt("%.2f", {ARVUT->lambdah}));
    Korvel::SetBackground(LhLabel3, Korvel::MarkerGreen);
    Korvel::SetMarkerSign(LhLabel6, Korvel::CompareSlenderness(ARVUT->lambdah));
}

void TMainKORVELseinForm::KandevNaita1() {
    LambdahGroupBox->show();
}

void TMainKORVELseinForm::KandevNaita2() {
    ArvSGroupBox->show();
    KTingGroupBox1->show();
    VertKVGroupBox->show();
}

void TMainKORVELseinForm::KandevPeida2() {
    ArvSGroupBox->hide();
    KTingGroupBox1->hide();
    VertKVGroupBox->hide();
}
