// The one change mechanism of the 22 numeric edits, driven by the field table:
// filter, parse, range check with a warning and the previous text, storage in
// the record, and the invalidation group of the field. Also the Enter chain
// and the leave handlers.
#include "Accessibility.h"
#include "Controls.h"
#include "Dialogs.h"
#include "KORVELs.h"
#include "KorvelsInput.h"
#include "KorvelsNumbers.h"
#include "NumberText.h"
#include "TulemusedValik.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>
#include <cmath>
#include <cstring>

using Korvel::WholeMm;

namespace {

using Bound = double (*)(const TArvutused&);

struct NumField {
    const char* name;
    double TArvutused::*field;
    bool decimal;  // decimal or integer character set
    double factor; // display = stored * factor
    double lower;  // display units
    double upper;  // display units, when upperOf is null
    Bound upperOf; // computed upper bound, whole millimetres
    const char* restoreFormat;
    const char* message;
    InvalidationGroup group;
    const char* startText;
    const char* hint;
    const char* next;   // Enter moves the focus here
    bool rewriteOnExit; // leave handler: two decimals
};

// Computed bounds are compared in whole millimetres: a stored 1.001 m is
// 1000.9999999999999 mm in binary, and the field must accept the 1001 its
// message offers.
double UpperThickness(const TArvutused& r) {
    return WholeMm(r.t);
}
double UpperLength(const TArvutused& r) {
    return WholeMm(r.L);
}
double UpperAlt(const TArvutused& r) {
    return Korvel::AltUpperMm(r.L, r.bkj);
}

using G = InvalidationGroup;
const NumField fields[] = {
    {"hEdit", &TArvutused::h, false, 1000, 1, 10200, nullptr, "%.f",
     "Seina kõrgus peaks olema arv: %.f...%.f", G::A, "3000", "Seina kõrgus h (mm)", "LEdit",
     false},
    {"LEdit", &TArvutused::L, false, 1000, 1, 12000, nullptr, "%.f",
     "Seina pikkus peaks olema arv: %.f...%.f", G::A, "5000", "Seina pikkus L (mm)", "rooEdit",
     false},
    {"rooEdit", &TArvutused::roo, true, 1, 0, 2, nullptr, "%.2f",
     "Arvutuskõrguse tegur peaks olema arv: %.2f...%.2f", G::A, "1,00",
     "Seina arvutuskõrguse tegur", "TKComboBox", true},
    {"PvldEdit", &TArvutused::Pvld, true, 1, 0, 700, nullptr, "%.2f",
     "Koormus vahelaelt või laelt peaks olema arv: %.2f...%.2f", G::V, "50,00",
     "Arvutuslik koormus vahelaelt või laelt Pvld (kN/m)", "evlEdit", true},
    {"evlEdit", &TArvutused::evl, false, 1000, -5000, 5000, nullptr, "%.f",
     "Ekstsentrilisus peaks olema arv: %.f...%.f", G::V, "20",
     "Vahelae või lae koormuse ekstsentrilisus evl (mm)", "PydEdit", false},
    {"PydEdit", &TArvutused::Pyd, true, 1, 0, 700, nullptr, "%.2f",
     "Koormus ülevalt peaks olema arv: %.2f...%.2f", G::V, "10,00",
     "Arvutuslik koormus ülevalt poolt vahelage või lage Püd (kN/m)", "eyEdit", true},
    {"eyEdit", &TArvutused::ey, false, 1000, -5000, 5000, nullptr, "%.f",
     "Ekstsentrilisus peaks olema arv: %.f...%.f", G::V, "10",
     "Ülevalt poolt vahelage või lage mõjuva koormuse ekstsentrilisus eü (mm)", "qtdEdit", false},
    {"qtdEdit", &TArvutused::qtd, true, 1, -10, 10, nullptr, "%.2f",
     "Tuulekoormus peaks olema arv: %.2f...%.2f", G::V, "0,60", "Arvutuslik tuulekoormus (kN/m)",
     "ArvutPageControl", true},
    {"PdEdit", &TArvutused::Pd, true, 1, 0, 10000, nullptr, "%.2f",
     "Arvutuslik koondatud jõud peaks olema arv: %.2f...%.2f", G::K1, "30,00",
     "Arvutuslik koondatud jõud Pd (kN)", "tkjEdit", true},
    {"tkjEdit", &TArvutused::tkj, false, 1000, 1, 0, UpperThickness, "%.f",
     "Koormuse toetuspinna laius peaks olema arv: %.f...%.f", G::K1, "200",
     "Koormuse toetuspinna sügavus seina paksuse sihis tkj (mm)", "bkjEdit", false},
    {"bkjEdit", &TArvutused::bkj, false, 1000, 1, 0, UpperLength, "%.f",
     "Koormuse toetuspinna ulatus peaks olema arv: %.f...%.f", G::K1, "100",
     "Koormuse toetuspinna laius seina pikkuse sihis bkj (mm)", "altEdit", false},
    {"altEdit", &TArvutused::alt, false, 1000, 0, 0, UpperAlt, "%.f",
     "Koormuse toetuspinna kaugus peaks olema arv: %.f...%.f", G::K1, "600",
     "Kaugus seina servast jõu toetuspinna lähima ääreni alt (mm)", "qndEdit", false},
    {"qndEdit", &TArvutused::qnd, true, 1, 0, 10000, nullptr, "%.2f",
     "Arvutuslik jaotatud koormus peaks olema arv: %.2f...%.2f", G::K2, "70,00",
     "Arvutuslik jaotatud koormus qnd (kN/m)", "tnkEdit", true},
    {"tnkEdit", &TArvutused::tnk, false, 1000, 1, 0, UpperThickness, "%.f",
     "Koormuse toetuspinna laius peaks olema arv: %.f...%.f", G::K2, "150",
     "Koormuse toetuspinna sügavus seina paksuse sihis tnk (mm)", "akaEdit", false},
    {"akaEdit", &TArvutused::aka, false, 1000, 0, 0, UpperLength, "%.f",
     "Koormatud ala ulatus peaks olema arv: %.f...%.f", G::K2, "700",
     "Nurga koormatud ala ulatus seina pikkuse sihis aka (mm)", "ArvutPageControl", false},
    {"qdEdit", &TArvutused::qd, true, 1, 0, 1000, nullptr, "%.2f",
     "Tala arvutuslik jaotatud koormus peaks olema arv: %.2f...%.2f", G::T, "10,00",
     "Arvutuslik jaotatud koormus qd (kN/m)", "a1Edit", true},
    {"a1Edit", &TArvutused::a1, false, 1000, 0, 1000, nullptr, "%.f",
     "Tala toetuspikkus peaks olema arv: %.f...%.f", G::T, "200", "Tala toetuspikkus a1 (mm)",
     "LtEdit", false},
    {"LtEdit", &TArvutused::Lt, false, 1000, 1, 15000, nullptr, "%.f",
     "Tala pikkus peaks olema arv: %.f...%.f", G::T, "2500", "Tala pikkus Lt (mm)", "btEdit",
     false},
    {"btEdit", &TArvutused::bt, false, 1000, 1, 2000, nullptr, "%.f",
     "Tala otsa laius peaks olema arv: %.f...%.f", G::T, "200", "Tala otsa laius bt (mm)", "EtEdit",
     false},
    {"EtEdit", &TArvutused::Et, true, 1, 1, 250, nullptr, "%.2f",
     "Tala elastsusmoodul peaks olema arv: %.2f...%.2f", G::T, "1,4",
     "Tala elastsusmoodul Et (GPa)", "ItEdit", true},
    {"ItEdit", &TArvutused::It, true, 1, 1, 1000000, nullptr, "%.f",
     "Tala inertsimoment peaks olema arv: %.f...%.f", G::T, "45000", "Tala inertsimoment It (cm4)",
     "stEdit", false},
    {"stEdit", &TArvutused::st, false, 1000, 0, 0, UpperLength, "%.f",
     "Talade samm peaks olema arv: %.f...%.f", G::S, "500", "Talade samm (mm)", "ArvutPageControl",
     false},
};

// Set while an input method composes in the edit; the change handler then waits.
constexpr const char* ComposingProperty = "korvelComposing";
constexpr const char* ComposedFromProperty = "korvelComposedFrom";

const NumField* FieldOf(const QObject* edit) {
    const QByteArray name = edit->objectName().toLatin1();
    for (const auto& f : fields)
        if (name == f.name) return &f;
    return nullptr;
}

} // namespace

QLineEdit* TMainKORVELseinForm::MakeNumEdit(const char* name, QWidget* parent) {
    const NumField* f = nullptr;
    for (const auto& candidate : fields)
        if (std::strcmp(candidate.name, name) == 0) f = &candidate;
    Q_ASSERT(f);
    auto* edit = new QLineEdit(QString::fromUtf8(f->startText), parent);
    edit->setObjectName(name);
    Korvel::SetHint(edit, QString::fromUtf8(f->hint));
    edit->installEventFilter(this);
    Korvel::FollowReview(edit);
    connect(edit, &QLineEdit::textChanged, this, [this, edit] { NumEditChange(edit); });
    return edit;
}

void TMainKORVELseinForm::NumEditChange(QLineEdit* edit) {
    const NumField* f = FieldOf(edit);
    if (!f) return;
    // Half-way through a composition the text is not the user's yet.
    if (edit->property(ComposingProperty).toBool()) return;
    // "12,5" in a whole-number field is not 125, "45.000" under a comma locale
    // perhaps not 45: refused like a value out of range.
    const bool badSeparator =
        f->decimal ? HasThousandsGroup(edit->text()) : HasFractionDigits(edit->text());
    // A filtered text is written back; its own change event finishes the work.
    if (!badSeparator && FilterEditText(edit, f->decimal)) return;

    const double stored = ARVUT.get()->*(f->field);
    const QString previous = Korvel::Fmt(f->restoreFormat, {stored * f->factor});
    const double upper = f->upperOf ? f->upperOf(*ARVUT) : f->upper;
    const QString message = Korvel::Fmt(QString::fromUtf8(f->message), {f->lower, upper});

    double value = 0;
    const bool accepted =
        !badSeparator && ParseNumber(edit->text(), value) && value <= upper && value >= f->lower;
    if (!accepted) {
        Korvel::ShowWarning(this, message);
        QString restore = previous;
        if (f->upperOf && Korvel::WholeMm(stored) > upper) restore = Korvel::Fmt("%.f", {upper});
        edit->setFocus();
        // The nested change event of the restored text stores it.
        if (edit->text() != restore) edit->setText(restore);
        // What the user types next replaces the restored text.
        edit->selectAll();
        return;
    }
    ARVUT.get()->*(f->field) = value / f->factor;
    if (edit == hEdit)
        hEditChanged();
    else
        Invalidate(f->group);
}

void TMainKORVELseinForm::NumEditExit(QLineEdit* edit) {
    const NumField* f = FieldOf(edit);
    if (!f || !f->rewriteOnExit) return;
    const QString text = Korvel::Fmt("%.2f", {ARVUT.get()->*(f->field)});
    if (edit->text() != text) edit->setText(text);
}

void TMainKORVELseinForm::Invalidate(InvalidationGroup group) {
    auto* choice = TulemusedValikForm;
    switch (group) {
    case G::A:
        KandevPeida2();
        KoondjPeida1();
        KoondjPeida2();
        ToesPeida1();
        ToesPeida2();
        KuvaTulemused->setEnabled(false);
        if (choice) {
            choice->AVKYSKCheckBox->setEnabled(false);
            choice->KKJCheckBox->setEnabled(false);
            choice->ToesCheckBox->setEnabled(false);
        }
        HideResultsTab();
        break;
    case G::V:
        KandevPeida2();
        HideResultsTab();
        if (choice) choice->AVKYSKCheckBox->setEnabled(false);
        break;
    case G::K1:
    case G::K2:
        if (group == G::K1)
            KoondjPeida1();
        else
            KoondjPeida2();
        HideResultsTab();
        if (choice) choice->KKJCheckBox->setEnabled(false);
        break;
    case G::T:
    case G::S:
        if (group == G::T)
            ToesPeida1();
        else
            RefreshSpacing();
        ToesPeida2();
        HideResultsTab();
        if (choice) choice->ToesCheckBox->setEnabled(false);
        break;
    }
}

void TMainKORVELseinForm::FocusNextAfter(QWidget* from) {
    QByteArray next;
    if (from == TKComboBox) {
        next = "ArvutPageControl";
    } else if (const NumField* f = FieldOf(from)) {
        next = f->next;
    }
    // Skip controls that are hidden now (the corner and free-space groups).
    for (int guard = 0; guard < 32 && !next.isEmpty(); ++guard) {
        if (next == "ArvutPageControl") {
            ArvutPageControl->setFocus(Qt::OtherFocusReason);
            return;
        }
        auto* target = findChild<QWidget*>(QString::fromLatin1(next));
        if (target && target->isVisible() && target->isEnabled()) {
            target->setFocus(Qt::OtherFocusReason);
            // Reached as by Tab: typing replaces the text.
            if (auto* edit = qobject_cast<QLineEdit*>(target)) edit->selectAll();
            return;
        }
        const NumField* f = target ? FieldOf(target) : nullptr;
        next = f ? QByteArray(f->next) : QByteArray("ArvutPageControl");
    }
}

bool TMainKORVELseinForm::eventFilter(QObject* watched, QEvent* event) {
    auto* widget = qobject_cast<QWidget*>(watched);
    if (event->type() == QEvent::InputMethod && FieldOf(watched)) {
        // A composition is one change, taken when it ends: its intermediate
        // texts (the selection removed, a part typed) raise no warning.
        auto* edit = static_cast<QLineEdit*>(watched);
        const auto* ime = static_cast<QInputMethodEvent*>(event);
        if (!edit->property(ComposingProperty).toBool())
            edit->setProperty(ComposedFromProperty, edit->text());
        edit->setProperty(ComposingProperty, true);
        static_cast<QObject*>(edit)->event(event);
        if (!ime->preeditString().isEmpty()) return true;
        edit->setProperty(ComposingProperty, false);
        if (edit->text() != edit->property(ComposedFromProperty).toString()) NumEditChange(edit);
        return true;
    }
    if (widget && event->type() == QEvent::KeyPress) {
        const auto key = static_cast<QKeyEvent*>(event)->key();
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) &&
            (widget == TKComboBox || FieldOf(widget))) {
            FocusNextAfter(widget);
        }
    } else if (event->type() == QEvent::FocusOut) {
        // A warning box or a menu taking the focus is not leaving the field.
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason &&
            reason != Qt::MenuBarFocusReason)
            if (auto* edit = qobject_cast<QLineEdit*>(watched)) NumEditExit(edit);
    }
    return QMainWindow::eventFilter(watched, event);
}
