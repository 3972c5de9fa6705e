// Keyboard use of the main window: the Tab order follows the Enter chain,
// Enter presses a focused button, F10 opens the menu bar as Alt does.
#include "Dialogs.h"
#include "KORVELs.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QProxyStyle>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QStyleOptionMenuItem>
#include <QTabWidget>
#include <QTableWidget>
#include <QTextEdit>

namespace {

// Enter and the keypad's Enter on a focused push button press it, as Space does.
class ButtonEnter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress)
            if (auto* button = qobject_cast<QPushButton*>(watched))
                if (Korvel::PressFocusedButton(button->window(), static_cast<QKeyEvent*>(event)))
                    return true;
        return QObject::eventFilter(watched, event);
    }
};

// The menu bar in keyboard mode (Alt, F10) shows its current menu highlighted;
// the style would highlight it only once the menu is open.
class KeyboardMenuBarStyle : public QProxyStyle {
public:
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override {
        const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
        if (element == CE_MenuBarItem && item && widget && widget->hasFocus() &&
            (item->state & State_Selected)) {
            QStyleOptionMenuItem highlighted = *item;
            highlighted.state |= State_Sunken;
            QProxyStyle::drawControl(element, &highlighted, painter, widget);
            return;
        }
        QProxyStyle::drawControl(element, option, painter, widget);
    }
};

} // namespace

void TMainKORVELseinForm::SetUpKeyboard() {
    // The wall, the panel, the tabs, then each page as its Enter chain runs, its check
    // box and radio buttons where they stand, and "ARVUTA" last. Hidden pages
    // and groups drop out of the chain by themselves.
    const QList<QWidget*> order = {
        SeinComboBox,
        hEdit,
        LEdit,
        rooEdit,
        TKComboBox,
        ArvutPageControl,
        PvldEdit,
        evlEdit,
        PydEdit,
        eyEdit,
        qtdEdit,
        Button1,
        PdEdit,
        tkjEdit,
        bkjEdit,
        altEdit,
        CheckBox2,
        qndEdit,
        tnkEdit,
        akaEdit,
        Button2,
        qdEdit,
        a1Edit,
        LtEdit,
        btEdit,
        EtEdit,
        ItEdit,
        CheckBox1,
        RadioButton1,
        RadioButton2,
        RadioButton3,
        stEdit,
        Button3,
        SeinadTable,
        LisaSeinButton,
        NimetaSeinButton,
        KustutaSeinButton,
        YlesButton,
        AllaButton,
        RichEdit,
    };
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);

    auto* enter = new ButtonEnter(this);
    for (QPushButton* button : {Button1, Button2, Button3, LisaSeinButton, NimetaSeinButton,
                                KustutaSeinButton, YlesButton, AllaButton})
        button->installEventFilter(enter);

    // F10 does what Alt alone does: the menu bar takes the keyboard with
    // "Failid" highlighted and gives the focus back where it was. Qt knows
    // only Alt for this, so F10 plays Alt's press and release to the window.
    auto* menuStyle = new KeyboardMenuBarStyle;
    menuStyle->setParent(menuBar());
    menuBar()->setStyle(menuStyle);
    auto* f10 = new QShortcut(QKeySequence(Qt::Key_F10), this);
    f10->setContext(Qt::WindowShortcut);
    connect(f10, &QShortcut::activated, this, [this] {
        QKeyEvent override(QEvent::ShortcutOverride, Qt::Key_Alt, Qt::AltModifier);
        QCoreApplication::sendEvent(this, &override);
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Alt, Qt::AltModifier);
        QCoreApplication::sendEvent(this, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_Alt, Qt::NoModifier);
        QCoreApplication::sendEvent(this, &release);
    });
}
