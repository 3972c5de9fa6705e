#include "Andmed.h"

#include "Dialogs.h"
#include "KORVELs.h"
#include "ScreenFit.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>

#include <limits>

TAndmedForm* AndmedForm = nullptr;

namespace {

// Enter moves the focus to the next field. The key goes no further: the dialog
// would otherwise take it as a press of the button that just got the focus.
class EnterMovesFocus : public QObject {
public:
    EnterMovesFocus(QObject* parent, QWidget* next) : QObject(parent), next_(next) {}
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                // As the Tab key does: the focus shows, and a field's text is selected.
                next_->window()->setAttribute(Qt::WA_KeyboardFocusChange);
                next_->setFocus(Qt::TabFocusReason);
                return true;
            }
        }
        return false;
    }

private:
    QWidget* next_;
};
} // namespace

TAndmedForm::TAndmedForm(QWidget* parent) : QDialog(parent) {
    setObjectName("AndmedForm");
    setWindowTitle("Arvutuse andmed");
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    QFont f = font();
    f.setPixelSize(13);
    setFont(f);

    struct Row {
        const char* label;
        const char* edit;
        const char* caption;
        QLabel** labelPtr;
        QLineEdit** editPtr;
    };
    const Row rows[] = {
        {"PealkiriLabel", "PealkiriEdit", "Pealkiri:", &PealkiriLabel, &PealkiriEdit},
        {"ObnimLabel", "ObnimEdit", "Objekti nimi:", &ObnimLabel, &ObnimEdit},
        {"PrnrLabel", "PrnrEdit", "Projekti number:", &PrnrLabel, &PrnrEdit},
        {"TellijaLabel", "TellijaEdit", "Tellija:", &TellijaLabel, &TellijaEdit},
        {"ProjektLabel", "ProjektEdit", "Projekteerija:", &ProjektLabel, &ProjektEdit},
        {"KuupaevLabel", "KuupaevEdit", "Kuupäev:", &KuupaevLabel, &KuupaevEdit},
        {"MarkusLabel", "MarkusEdit", "Märkus:", &MarkusLabel, &MarkusEdit},
    };
    int top = 10;
    for (const Row& row : rows) {
        auto* label = new QLabel(row.caption, this);
        label->setObjectName(row.label);
        label->move(10, top + 4);
        label->adjustSize();
        auto* edit = new QLineEdit(this);
        edit->setObjectName(row.edit);
        edit->setGeometry(112, top, 349, 24);
        // A pasted note is kept whole.
        edit->setMaxLength(std::numeric_limits<int>::max());
        // Any change makes a displayed report stale, and is a change of the calculation.
        connect(edit, &QLineEdit::textChanged, this, [] {
            if (!MainKORVELseinForm) return;
            MainKORVELseinForm->HideResultsTab();
            MainKORVELseinForm->DocumentChanged();
        });
        label->setBuddy(edit); // names the edit for assistive technology
        *row.labelPtr = label;
        *row.editPtr = edit;
        top += 40;
    }

    QFont buttonFont = font();
    buttonFont.setPixelSize(17);
    auto button = [&](const char* name, const QString& caption, int left, int width) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(name);
        b->setFont(buttonFont);
        b->setGeometry(left, 290, width, 28);
        b->setAutoDefault(false);
        b->setDefault(false);
        return b;
    };
    SisestButton = button("SisestButton", "Sisesta", 114, 89);
    TuhvalButton = button("TuhvalButton", "Tühjenda väljad", 220, 137);
    LoobuButton = button("LoobuButton", "Loobu", 372, 89);
    setFixedSize(472, 330);
    Korvel::ScrollWindowContent(this);
    Korvel::FitToScreen(this);

    QLineEdit* chain[] = {PealkiriEdit, ObnimEdit,   PrnrEdit,  TellijaEdit,
                          ProjektEdit,  KuupaevEdit, MarkusEdit};
    for (int i = 0; i < 7; ++i) {
        QWidget* next = i < 6 ? static_cast<QWidget*>(chain[i + 1]) : SisestButton;
        chain[i]->installEventFilter(new EnterMovesFocus(chain[i], next));
    }

    connect(SisestButton, &QPushButton::clicked, this, &TAndmedForm::SisestButtonClick);
    connect(TuhvalButton, &QPushButton::clicked, this, &TAndmedForm::TuhvalButtonClick);
    connect(LoobuButton, &QPushButton::clicked, this, &TAndmedForm::LoobuButtonClick);
}

void TAndmedForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) Korvel::CentreOver(this, parentWidget());
}

void TAndmedForm::keyPressEvent(QKeyEvent* event) {
    // There is no cancel button: Escape does not close the dialog.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    // Enter presses the focused button. The buttons are not auto-default: one
    // of them would become the dialog's default button when it is shown.
    if (Korvel::PressFocusedButton(this, event)) return;
    QDialog::keyPressEvent(event);
}

void TAndmedForm::SisestButtonClick() {
    accept();
}

void TAndmedForm::TuhvalButtonClick() {
    for (QLineEdit* e :
         {PealkiriEdit, ObnimEdit, PrnrEdit, TellijaEdit, ProjektEdit, KuupaevEdit, MarkusEdit})
        e->clear();
}

void TAndmedForm::LoobuButtonClick() {
    TuhvalButtonClick();
    reject();
}
