// Concentrated load page: the force on its bearing area with the three
// load-position cases, and the loaded wall corner.
#include "Accessibility.h"
#include "Colours.h"
#include "Controls.h"
#include "Dialogs.h"
#include "KORVELs.h"
#include "KoondjLisa.h"
#include "KorvelsChecks.h"
#include "KorvelsNumbers.h"
#include "NumberText.h"
#include "TulemusedValik.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionGroupBox>
#include <algorithm>
#include <array>
#include <tuple>

using Korvel::AddSubscript;
using Korvel::Fmt;
using Korvel::MakeLabel;
using Korvel::WholeMm;
using Korvel::WithHint;

namespace {

constexpr int EditHeight = 20;
constexpr int LengthEditWidth = 42;
constexpr int LoadEditWidth = 60;

// The values stand at ValueY in their boxes; the marker is centred on them.
constexpr int ValueY = 21;
int MarkerY(const QGroupBox* titled) {
    return ValueY + 7 - 19 / 2 - Korvel::GroupFrameTop(titled);
}

QLabel* MakeMarker(QWidget* parent, const char* name, const QString& text, int y) {
    return Korvel::MakeMarker(parent, name, text, QRect(4, y, 16, 19));
}

// Load-position case by r = 2 alt / h.
using Korvel::CaseOf;
using Korvel::KoondjCase;

// What the numbers of the special-case window are computed from.
std::array<double, 9> SpecialCaseInputs(const TArvutused& r) {
    return {r.t, r.h, r.L, r.fb, r.gammaM, r.Pd, r.tkj, r.bkj, r.alt};
}

void HideSpecialCaseWindow() {
    if (KoondjLisaForm) KoondjLisaForm->hide();
}

} // namespace

void TMainKORVELseinForm::BuildKoondjPage() {
    KJGroupBox = Korvel::MakeGroupBox(KoondjArvut, "KJGroupBox", "", QRect(2, 0, 744, 430));
    auto* page = KJGroupBox;

    KJImage = Korvel::MakePictureBox(page, "KJImage", QRect(7, 18, 354, 378), ":/pictures/koondj");
    QList<QLabel*> captions;
    for (auto [name, text, y] : {std::tuple{"Label2", "Joonis 2. Pingejaotus müüris", 190},
                                 std::tuple{"Label3", "Joonis 3. Tõmbepinged müüri nurgas", 375}}) {
        captions << Korvel::MakeCaption(page, name, QString::fromUtf8(text), 20, y);
    }
    Korvel::NameDrawing(KJImage, captions);

    Button2 = Korvel::MakeCalcButton(page, "Button2", QRect(133, 400, 81, 26));
    connect(Button2, &QPushButton::clicked, this, &TMainKORVELseinForm::Button2Click);

    // Label with subscript, edit and unit in one line; the edits of a group
    // are lined up afterwards.
    struct Line {
        QLabel* label;
        QLineEdit* edit;
        QLabel* unit;
    };
    auto line = [&](QGroupBox* g, const char* labelName, const char* text, const char* prefix,
                    const char* sub, const char* subName, const char* editName, int editWidth,
                    const char* unitName, const char* unit, int y) {
        auto* label = MakeLabel(g, labelName, QString::fromUtf8(text), 6, y + 3);
        AddSubscript(label, QString::fromUtf8(prefix), sub, subName);
        auto* edit = MakeNumEdit(editName, g);
        edit->setGeometry(0, y, editWidth, EditHeight);
        return Line{label, edit, MakeLabel(g, unitName, unit, 0, y + 3)};
    };
    auto alignEdits = [](std::initializer_list<Line> lines) {
        int x = 0;
        for (const Line& l : lines)
            x = std::max(x, l.label->x() + l.label->width() + 3);
        for (const Line& l : lines) {
            l.edit->move(x, l.edit->y());
            l.unit->move(x + l.edit->width() + 3, l.unit->y());
        }
    };
    // Acting value, marker and limit side by side.
    auto resultRow = [&](QWidget* parent, int y, QGroupBox*& left, const char* leftName,
                         const char* leftTitle, QGroupBox*& middle, const char* middleName,
                         QGroupBox*& right, const char* rightName, const char* rightTitle,
                         int leftWidth) {
        left = Korvel::MakeGroupBox(parent, leftName, QString::fromUtf8(leftTitle),
                                    QRect(4, y, leftWidth, 42));
        // The caption-less marker box lines up with the frames of its neighbours.
        const int top = Korvel::GroupFrameTop(left);
        middle = Korvel::MakeGroupBox(parent, middleName, "",
                                      QRect(8 + leftWidth, y + top, 24, 42 - top));
        const int rightX = middle->x() + middle->width() + 4;
        right = Korvel::MakeGroupBox(parent, rightName, QString::fromUtf8(rightTitle),
                                     QRect(rightX, y, 367 - rightX, 42));
    };
    auto symbol = [&](QGroupBox* g, const char* name, const char* text, const char* sub,
                      const char* subName, const char* hint) {
        auto* label = WithHint(MakeLabel(g, name, QString::fromUtf8(text), 8, ValueY), hint);
        AddSubscript(label, "σ", sub, subName);
        return label;
    };
    auto value = [&](QGroupBox* g, const char* name, const char* text, QLabel* after,
                     const char* hint) {
        auto* label =
            WithHint(MakeLabel(g, name, text, after->x() + after->width() + 4, ValueY), hint);
        Korvel::JoinQuantity(label, after);
        return label;
    };

    // The concentrated force
    KKJGroupBox = Korvel::MakeGroupBox(page, "KKJGroupBox", "Koormamine koondatud jõuga",
                                       QRect(367, 14, 371, 206));
    auto* g =
        Korvel::MakeGroupBox(KKJGroupBox, "KoormusGroupBox1", "Koormus", QRect(4, 18, 363, 46));
    const Line pd =
        line(g, "PdLabel1", "Arvutuslik koondatud jõud P    =", "Arvutuslik koondatud jõud P", "d",
             "dLabel1", "PdEdit", LoadEditWidth, "kNLabel1", "kN", 20);
    alignEdits({pd});
    PdEdit = pd.edit;

    g = Korvel::MakeGroupBox(KKJGroupBox, "GeomGroupBox1", "Geomeetria", QRect(4, 66, 363, 92));
    const Line tkj =
        line(g, "tkjLabel1", "Koormuse toetuspinna laius seina paksuse sihis        t     =",
             "Koormuse toetuspinna laius seina paksuse sihis        t", "kj", "kjLabel1", "tkjEdit",
             LengthEditWidth, "mmLabel6", "mm", 20);
    const Line bkj =
        line(g, "bkjLabel1", "Koormuse toetuspinna ulatus seina pikkuse sihis      b     =",
             "Koormuse toetuspinna ulatus seina pikkuse sihis      b", "kj", "kjLabel2", "bkjEdit",
             LengthEditWidth, "mmLabel7", "mm", 44);
    const Line alt =
        line(g, "altLabel1", "Kaugus seina servast jõu toetuspinna lähima ääreni  a    =",
             "Kaugus seina servast jõu toetuspinna lähima ääreni  a", "lt", "ltLabel1", "altEdit",
             LengthEditWidth, "mmLabel8", "mm", 68);
    alignEdits({tkj, bkj, alt});
    tkjEdit = tkj.edit;
    bkjEdit = bkj.edit;
    altEdit = alt.edit;

    resultRow(KKJGroupBox, 160, SigmaCGroupBox, "SigmaCGroupBox", "Survepinge jõu all",
              KTingGroupBox2, "KTingGroupBox2", SigmaAdmGroupBox, "SigmaAdmGroupBox",
              "Lubatud pinge jõu all", 150);
    auto* sc = symbol(SigmaCGroupBox, "SigmaCLabel1", "σ     =", "c", "cLabel1",
                      "Arvutuslik survepinge jõu all");
    SigmaCLabel2 =
        value(SigmaCGroupBox, "SigmaCLabel2", "1.50 MPa", sc, "Arvutuslik survepinge jõu all");
    KTingLabel4 = MakeMarker(KTingGroupBox2, "KTingLabel4", "<", MarkerY(SigmaCGroupBox));
    Korvel::SetMarkerSign(KTingLabel4, -1);
    auto* sa = symbol(SigmaAdmGroupBox, "SigmaAdmLabel1", "σ           =", "adm", "admLabel1",
                      "Lubatud pinge jõu all");
    SigmaAdmLabel2 =
        value(SigmaAdmGroupBox, "SigmaAdmLabel2", "1.78 MPa", sa, "Lubatud pinge jõu all");

    CheckBox2 = new QCheckBox("Müüritise nurga koormamine", page);
    CheckBox2->setObjectName("CheckBox2");
    CheckBox2->move(367, 222);
    CheckBox2->adjustSize();
    connect(CheckBox2, &QCheckBox::toggled, this, &TMainKORVELseinForm::CheckBox2Click);

    // The loaded corner
    MNKGroupBox = Korvel::MakeGroupBox(page, "MNKGroupBox", "", QRect(367, 242, 371, 184));
    g = Korvel::MakeGroupBox(MNKGroupBox, "KoormusGroupBox2", "Koormus", QRect(4, 4, 363, 46));
    const Line qnd = line(g, "qndLabel1",
                          "Arvutuslik jaotatud koormus q       =", "Arvutuslik jaotatud koormus q",
                          "nd", "ndLabel1", "qndEdit", LoadEditWidth, "kN_mLabel3", "kN/m", 20);
    alignEdits({qnd});
    qndEdit = qnd.edit;

    g = Korvel::MakeGroupBox(MNKGroupBox, "GeomGroupBox2", "Geomeetria", QRect(4, 52, 363, 68));
    const Line tnk =
        line(g, "tknLabel1", "Koormuse toetuspinna laius seina paksuse sihis        t      =",
             "Koormuse toetuspinna laius seina paksuse sihis        t", "nk", "nkLabel1", "tnkEdit",
             LengthEditWidth, "mmLabel9", "mm", 20);
    const Line aka =
        line(g, "akaLabel1", "Nurga koormatud ala ulatus seina pikkuse sihis        a      =",
             "Nurga koormatud ala ulatus seina pikkuse sihis        a", "ka", "kaLabel1", "akaEdit",
             LengthEditWidth, "mmLabel10", "mm", 44);
    alignEdits({tnk, aka});
    tnkEdit = tnk.edit;
    akaEdit = aka.edit;

    resultRow(MNKGroupBox, 122, SigmaTmaxGroupBox, "SigmaTmaxGroupBox",
              "Max. tõmbepinge müüritises", KTingGroupBox3, "KTingGroupBox3", ftuGroupBox,
              "ftuGroupBox", "Müüritise piirtugevus hor. suunas", 150);
    auto* st = symbol(SigmaTmaxGroupBox, "SigmaTmaxLabel1", "σ            =", "t.max", "tmaxLabel1",
                      "Arvutuslik max. tõmbepinge müüritises");
    SigmaTmaxLabel2 = value(SigmaTmaxGroupBox, "SigmaTmaxLabel2", "0.20 MPa", st,
                            "Arvutuslik max. tõmbepinge müüritises");
    KTingLabel5 = MakeMarker(KTingGroupBox3, "KTingLabel5", ">", MarkerY(SigmaTmaxGroupBox));
    Korvel::SetMarkerSign(KTingLabel5, 1);
    auto* fl = WithHint(MakeLabel(ftuGroupBox, "ftuLabel1", "0.8 f       =", 8, ValueY),
                        "Müüritise piirtugevus hor. suunas");
    AddSubscript(fl, "0.8 f", "t.u", "tuLabel1");
    ftuLabel2 =
        value(ftuGroupBox, "ftuLabel2", "0.17 MPa", fl, "Müüritise piirtugevus hor. suunas");

    NtLabel1 = MakeLabel(MNKGroupBox, "NtLabel1",
                         "Müüritise nurk tuleb armeerida tõmbejõule  N   = 15.46 kN", 8, 166);
    QFont bold = NtLabel1->font();
    bold.setBold(true);
    NtLabel1->setFont(bold);
    Korvel::SetTextColour(NtLabel1, QColor(0, 0, 128));
    NtLabel1->adjustSize();
    tLabel1 =
        AddSubscript(NtLabel1, "Müüritise nurk tuleb armeerida tõmbejõule  N", "t", "tLabel1");
    tLabel1->setPalette(NtLabel1->palette());
    NtLabel1->hide();
    tLabel1->hide();
    MNKGroupBox->hide();
}

void TMainKORVELseinForm::Button2Click() {
    bool shown = false;
    try {
        shown = KoondjKontroll();
    } catch (const EArvutusViga& e) {
        // Nothing of this press is shown, and the report cannot take it.
        KoondjPeida1();
        KoondjPeida2();
        HideSpecialCaseWindow();
        HideResultsTab();
        if (TulemusedValikForm) TulemusedValikForm->KKJCheckBox->setEnabled(false);
        Korvel::ShowWarning(this, QString::fromUtf8(e.what()));
        return;
    }
    KuvaTulemused->setEnabled(true);
    HideResultsTab();
    // The report section reads the result labels back: offer it only when
    // this press has shown results for the current inputs.
    if (TulemusedValikForm) TulemusedValikForm->KKJCheckBox->setEnabled(shown);
}

void TMainKORVELseinForm::CheckBox2Click() {
    const bool ticked = CheckBox2->isChecked();
    MNKGroupBox->setVisible(ticked);
    KoondjPeida2();
    HideResultsTab();
    if (ticked && TulemusedValikForm) TulemusedValikForm->KKJCheckBox->setEnabled(false);
    DocumentChanged();
}

bool TMainKORVELseinForm::KoondjKontroll() {
    const bool corner = CheckBox2->isChecked();
    const TArvutused& r = *ARVUT;
    // Typed lengths are compared in whole millimetres, as their edits accept them.
    const std::vector<const char*> tested = Korvel::ConcentratedFitFields(corner);
    bool fits = true;
    for (const char* field : tested)
        fits = fits && Korvel::FitsWall(field, r);
    if (fits) {
        // Compute before showing anything: a calculation that fails leaves
        // no half-filled page behind.
        ARVUT->KoonjArvutus();
        if (corner) ARVUT->KoonjNurkArvutus();
        SetKoondjValues();
        SetKoondjValues1();
        if (corner) SetKoondjNurgaValues();
    } else {
        Korvel::ShowWarning(this, "Vaata üle kollased lahtrid!");
        KoondjPeida1();
        if (corner) KoondjPeida2();
        HideSpecialCaseWindow();
    }

    // Each reset changes what the next condition sees, so the conditions are
    // taken afresh in order; afterwards every edit fits.
    // The bearing area lies within the wall: alt as altEdit accepts it now.
    for (const char* field : tested) {
        auto* edit = findChild<QLineEdit*>(QString::fromLatin1(field));
        if (Korvel::FitsWall(field, r)) {
            Korvel::ResetBackground(edit);
        } else {
            Korvel::SetBackground(edit, Korvel::ReviewYellow);
            edit->setText(edit == altEdit ? "0" : "1");
        }
    }
    return fits;
}

void TMainKORVELseinForm::SetKoondjValues() {
    if (CaseOf(*ARVUT) != KoondjCase::Ordinary) {
        // The window opens centred; one that was open stays where the user
        // put it, although hiding the row takes it down for a moment.
        const bool open = KoondjLisaForm && KoondjLisaForm->isVisible();
        KoondjPeida1();
        if (KoondjLisaForm) {
            if (open)
                KoondjLisaForm->show();
            else
                KoondjLisaForm->ShowCentred(this);
        }
        return;
    }
    KoondjNaita1();
    const std::vector<Korvel::Comparison> c = Korvel::ConcentratedCheck(*ARVUT);
    Korvel::SetLabelText(SigmaCLabel2, Fmt("%.2f MPa", {c[0].value}));
    Korvel::SetLabelText(SigmaAdmLabel2, Fmt("%.2f MPa", {c[0].limit}));
    Korvel::SetMarker(KTingLabel4, c[0]);
}

void TMainKORVELseinForm::SetKoondjValues1() {
    const std::vector<Korvel::Comparison> cmp = Korvel::ConcentratedCheck(*ARVUT);
    TKoondjLisaForm* w = KoondjLisaForm;
    if (!w) return;
    const TArvutused& r = *ARVUT;
    const KoondjCase c = CaseOf(r);
    if (c != KoondjCase::Ordinary) specialCaseInputs_ = SpecialCaseInputs(r);
    auto showRow = [](std::initializer_list<QWidget*> row, bool visible) {
        for (QWidget* widget : row)
            widget->setVisible(visible);
    };
    if (c == KoondjCase::End) {
        Korvel::SetLabelText(
            w->althLabel, "Kuna  2a    /h = 0, siis peavad olema rahuldatud järgmised tingimused:");
        showRow({w->SigmaCGroupBox1, w->KTingGroupBox6, w->SigmaAdmGroupBox1}, true);
        Korvel::SetLabelText(w->SigmaCLabel4, Fmt("%.2f MPa", {r.sigmac}));
        Korvel::SetLabelText(w->fdLabel4, Fmt("f     = %.2f MPa", {r.fd}));
        showRow({w->SigmaCGroupBox2, w->KTingGroupBox7, w->SigmaAdmGroupBox2}, true);
        Korvel::SetLabelText(w->SigmaCLabel6, Fmt("%.2f MPa", {r.sigmac}));
        Korvel::SetLabelText(w->fdLabel5, Fmt("1,25 x f     = %.2f MPa", {1.25 * r.fd}));
        Korvel::SetMarker(w->KTingLabel8, cmp[0]);
        Korvel::SetMarker(w->KTingLabel9, cmp[1]);
    } else if (c == KoondjCase::Far) {
        Korvel::SetLabelText(
            w->althLabel,
            "Kuna  2a    /h > või = 1, siis peab olema rahuldatud järgmine tingimus:");
        showRow({w->SigmaCGroupBox1, w->KTingGroupBox6, w->SigmaAdmGroupBox1}, false);
        showRow({w->SigmaCGroupBox2, w->KTingGroupBox7, w->SigmaAdmGroupBox2}, true);
        Korvel::SetLabelText(w->SigmaCLabel6, Fmt("%.2f MPa", {r.sigmac}));
        Korvel::SetLabelText(w->fdLabel5, Fmt("1,50 x f     = %.2f MPa", {1.5 * r.fd}));
        Korvel::SetMarker(w->KTingLabel9, cmp[0]);
    }
}

void TMainKORVELseinForm::SetKoondjNurgaValues() {
    KoondjNaita2();
    const Korvel::Comparison c = Korvel::CornerCheck(*ARVUT)[0];
    const TArvutused& r = *ARVUT;
    Korvel::SetLabelText(SigmaTmaxLabel2, Fmt("%.2f MPa", {c.value}));
    Korvel::SetLabelText(ftuLabel2, Fmt("%.2f MPa", {c.limit}));
    Korvel::SetMarker(KTingLabel5, c);
    if (c.Holds()) {
        NtLabel1->hide();
        tLabel1->hide();
    } else {
        Korvel::SetLabelText(
            NtLabel1,
            Fmt("Müüritise nurk tuleb armeerida tõmbejõule  N   = %.2f kN", {r.Nt * 1000}));
    }
}

void TMainKORVELseinForm::KoondjNaita1() {
    SigmaCGroupBox->show();
    KTingGroupBox2->show();
    SigmaAdmGroupBox->show();
}

void TMainKORVELseinForm::KoondjPeida1() {
    SigmaCGroupBox->hide();
    KTingGroupBox2->hide();
    SigmaAdmGroupBox->hide();
    // The special-case window shows the same result: it goes stale when what
    // it was computed from changes, not when a refused input is put back.
    if (SpecialCaseInputs(*ARVUT) != specialCaseInputs_) HideSpecialCaseWindow();
}

void TMainKORVELseinForm::KoondjNaita2() {
    SigmaTmaxGroupBox->show();
    KTingGroupBox3->show();
    ftuGroupBox->show();
    NtLabel1->show();
    tLabel1->show();
}

void TMainKORVELseinForm::KoondjPeida2() {
    SigmaTmaxGroupBox->hide();
    KTingGroupBox3->hide();
    ftuGroupBox->hide();
    NtLabel1->hide();
    tLabel1->hide();
}
