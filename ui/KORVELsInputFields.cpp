// The one change mechanism of the 22 numeric edits, driven by the field table:
// filter, parse, range check with a warning and the previous text, storage in
// the record, and the invalidation group of the field. Also the Enter chain
// and the leave handlers.
#include "Accessibility.h"
#include "Controls.h"
#include "Dialogs.h"
#include "KORVELs.h"
#include "KorvelsInput.h"
#include "KorvelsInputs.h"
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
#include <optional>

using Korvel::WholeMm;

namespace {

// How the window reacts to each field; what the field accepts is defined with
// the record (KorvelsInputs), for the window and the calculation files alike.
struct FieldUi {
    const char* name;
    InvalidationGroup group;
    const char* hint;
    const char* next;   // Enter moves the focus here
    bool rewriteOnExit; // leave handler: two decimals
};

using G = InvalidationGroup;
const FieldUi fieldUi[] = {
    {"hEdit", G::A, "Seina kõrgus h (mm)", "LEdit", false},
    {"LEdit", G::A, "Seina pikkus L (mm)", "rooEdit", false},
    {"rooEdit", G::A, "Seina arvutuskõrguse tegur", "TKComboBox", true},
    {"PvldEdit", G::V, "Arvutuslik koormus vahelaelt või laelt Pvld (kN/m)", "evlEdit", true},
    {"evlEdit", G::V, "Vahelae või lae koormuse ekstsentrilisus evl (mm)", "PydEdit", false},
    {"PydEdit", G::V, "Arvutuslik koormus ülevalt poolt vahelage või lage Püd (kN/m)", "eyEdit",
     true},
    {"eyEdit", G::V, "Ülevalt poolt vahelage või lage mõjuva koormuse ekstsentrilisus eü (mm)",
     "qtdEdit", false},
    {"qtdEdit", G::V, "Arvutuslik tuulekoormus (kN/m)", "ArvutPageControl", true},
    {"PdEdit", G::K1, "Arvutuslik koondatud jõud Pd (kN)", "tkjEdit", true},
    {"tkjEdit", G::K1, "Koormuse toetuspinna sügavus seina paksuse sihis tkj (mm)", "bkjEdit",
     false},
    {"bkjEdit", G::K1, "Koormuse toetuspinna laius seina pikkuse sihis bkj (mm)", "altEdit", false},
    {"altEdit", G::K1, "Kaugus seina servast jõu toetuspinna lähima ääreni alt (mm)", "qndEdit",
     false},
    {"qndEdit", G::K2, "Arvutuslik jaotatud koormus qnd (kN/m)", "tnkEdit", true},
    {"tnkEdit", G::K2, "Koormuse toetuspinna sügavus seina paksuse sihis tnk (mm)", "akaEdit",
     false},
    {"akaEdit", G::K2, "Nurga koormatud ala ulatus seina pikkuse sihis aka (mm)",
     "ArvutPageControl", false},
    {"qdEdit", G::T, "Arvutuslik jaotatud koormus qd (kN/m)", "a1Edit", true},
    {"a1Edit", G::T, "Tala toetuspikkus a1 (mm)", "LtEdit", false},
    {"LtEdit", G::T, "Tala pikkus Lt (mm)", "btEdit", false},
    {"btEdit", G::T, "Tala otsa laius bt (mm)", "EtEdit", false},
    {"EtEdit", G::T, "Tala elastsusmoodul Et (GPa)", "ItEdit", true},
    {"ItEdit", G::T, "Tala inertsimoment It (cm4)", "stEdit", false},
    {"stEdit", G::S, "Talade samm (mm)", "ArvutPageControl", false},
};

// A field's definition and its window reactions, found by the edit's name.
struct NumField {
    const Korvel::InputField& def;
    const FieldUi& ui;
};

std::optional<NumField> FieldByName(const QByteArray& name) {
    const Korvel::InputField* def = Korvel::FindInputField(name.constData());
    if (!def) return std::nullopt;
    for (const auto& u : fieldUi)
        if (name == u.name) return NumField{*def, u};
    return std::nullopt;
}

// Set while an input method composes in the edit; the change handler then waits.
constexpr const char* ComposingProperty = "korvelComposing";
constexpr const char* ComposedFromProperty = "korvelComposedFrom";

std::optional<NumField> FieldOf(const QObject* edit) {
    return FieldByName(edit->objectName().toLatin1());
}

} // namespace

QLineEdit* TMainKORVELseinForm::MakeNumEdit(const char* name, QWidget* parent) {
    const auto f = FieldByName(name);
    Q_ASSERT(f);
    auto* edit = new QLineEdit(QString::fromUtf8(f->def.startText), parent);
    edit->setObjectName(name);
    Korvel::SetHint(edit, QString::fromUtf8(f->ui.hint));
    edit->installEventFilter(this);
    Korvel::FollowReview(edit);
    connect(edit, &QLineEdit::textChanged, this, [this, edit] { NumEditChange(edit); });
    return edit;
}

void TMainKORVELseinForm::NumEditChange(QLineEdit* edit) {
    const auto nf = FieldOf(edit);
    if (!nf) return;
    const Korvel::InputField& f = nf->def;
    // Half-way through a composition the text is not the user's yet.
    if (edit->property(ComposingProperty).toBool()) return;
    // "12,5" in a whole-number field is not 125, "45.000" under a comma locale
    // perhaps not 45: refused like a value out of range.
    const bool badSeparator =
        f.decimal ? HasThousandsGroup(edit->text()) : HasFractionDigits(edit->text());
    // A filtered text is written back; its own change event finishes the work.
    if (!badSeparator && FilterEditText(edit, f.decimal)) return;

    const double stored = ARVUT.get()->*(f.field);
    const QString previous = Korvel::Fmt(f.restoreFormat, {stored * f.factor});
    const double upper = Korvel::UpperBound(f, *ARVUT);
    const QString message = QString::fromStdString(
        Korvel::RangeMessage(f, *ARVUT, Korvel::DecimalSeparator().toStdString()));

    double value = 0;
    const bool accepted =
        !badSeparator && ParseNumber(edit->text(), value) && Korvel::InRange(f, value, *ARVUT);
    if (!accepted) {
        Korvel::ShowWarning(this, message);
        QString restore = previous;
        if (f.upperOf && Korvel::WholeMm(stored) > upper) restore = Korvel::Fmt("%.f", {upper});
        edit->setFocus();
        // The nested change event of the restored text stores it.
        if (edit->text() != restore) edit->setText(restore);
        // What the user types next replaces the restored text.
        edit->selectAll();
        return;
    }
    ARVUT.get()->*(f.field) = value / f.factor;
    if (edit == hEdit)
        hEditChanged();
    else
        Invalidate(nf->ui.group);
    DocumentChanged();
}

void TMainKORVELseinForm::NumEditExit(QLineEdit* edit) {
    const auto f = FieldOf(edit);
    if (!f || !f->ui.rewriteOnExit) return;
    const QString text = Korvel::Fmt("%.2f", {ARVUT.get()->*(f->def.field)});
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
    } else if (const auto f = FieldOf(from)) {
        next = f->ui.next;
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
        const auto f = target ? FieldOf(target) : std::nullopt;
        next = f ? QByteArray(f->ui.next) : QByteArray("ArvutPageControl");
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
