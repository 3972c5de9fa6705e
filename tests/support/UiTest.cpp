#include "UiTest.h"

#include "About.h"
#include "Andmed.h"
#include "Colours.h"
#include "KORVELsein.h"
#include "KoondjLisa.h"
#include "NumberText.h"
#include "TulemusedValik.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QStackedWidget>
#include <QTest>

WarningCatcher::WarningCatcher() {
    timer_.setInterval(0);
    QObject::connect(&timer_, &QTimer::timeout, [this] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible()) return;
        // The question about unsaved changes is answered as told.
        if (box->objectName() == "SaveQuestion") {
            questions << box->text();
            box->button(saveAnswer)->click();
            return;
        }
        if (box->button(QMessageBox::Yes) && box->button(QMessageBox::No)) {
            questions << box->text();
            box->button(yesNoAnswer)->click();
            return;
        }
        texts << box->text();
        titles << box->windowTitle();
        if (box->icon() != QMessageBox::Warning) allWarningIcon = false;
        if (box->buttons().size() != 1 || box->standardButtons() != QMessageBox::Ok)
            allSingleOk = false;
        box->button(QMessageBox::Ok)->click();
    });
    timer_.start();
}

WarningCatcher::~WarningCatcher() {
    timer_.stop();
}

void UiTest::SetUp() {
    CreateForms();
    W = MainKORVELseinForm;
}

void UiTest::TearDown() {
    if (KoondjLisaForm) KoondjLisaForm->hide();
    delete MainKORVELseinForm; // owns the other windows
    MainKORVELseinForm = nullptr;
    AboutBox = nullptr;
    KoondjLisaForm = nullptr;
    AndmedForm = nullptr;
    TulemusedValikForm = nullptr;
    W = nullptr;
}

void UiTest::ShowMainWindow() {
    QTimer closer;
    closer.setInterval(5);
    QObject::connect(&closer, &QTimer::timeout, [] {
        if (AboutBox && AboutBox->isVisible()) AboutBox->accept();
    });
    closer.start();
    W->show();
    for (int i = 0; i < 50 && !(AboutBox && AboutBox->result() == QDialog::Accepted); ++i)
        QTest::qWait(10);
    closer.stop();
    // The headless platform does not give the focus back by itself.
    W->activateWindow();
    QApplication::setActiveWindow(W);
    QApplication::processEvents();
}

void UiTest::Paste(QLineEdit* edit, const QString& text) {
    edit->setText(text);
}

void UiTest::Type(QLineEdit* edit, const QString& text) {
    edit->setFocus();
    edit->setCursorPosition(static_cast<int>(edit->text().size()));
    for (QChar c : text)
        edit->insert(QString(c));
}

void UiTest::PressEnter(QWidget* widget) {
    QTest::keyClick(widget, Qt::Key_Return);
}

void UiTest::Click(QWidget* button) {
    if (auto* b = qobject_cast<QAbstractButton*>(button))
        b->click();
    else
        ADD_FAILURE() << "not a button";
}

QStringList UiTest::CalculateAndReport() {
    Click(W->Button1);
    Click(W->Button2);
    Click(W->Button3);
    if (!W->KuvaTulemused->isEnabled()) return {"(no report)"};
    QTimer::singleShot(0, [] {
        auto* v = TulemusedValikForm;
        for (QCheckBox* b : {v->AVKYSKCheckBox, v->KKJCheckBox, v->ToesCheckBox})
            if (b->isEnabled()) b->setChecked(true);
        v->KuvaButton->click();
    });
    W->KuvaTulemusedClick();
    return W->ReportLines();
}

bool UiTest::Shown(const QWidget* widget) const {
    // Whether the page holding the widget is the current one does not count.
    for (const QWidget* w = widget; w; w = w->parentWidget()) {
        if (w == W) return true;
        const bool isPage = qobject_cast<const QStackedWidget*>(w->parentWidget()) != nullptr;
        if (!isPage && w->isHidden()) return false;
    }
    return false;
}

QStringList UiTest::WindowState() const {
    QStringList state;
    const TArvutused& r = *W->ARVUT;
    state << QByteArray(reinterpret_cast<const char*>(&r), sizeof r).toHex();
    state << W->windowTitle() << QString::number(W->isWindowModified())
          << QString::number(W->ArvutPageControl->currentIndex())
          << QString::number(W->ResultsTabVisible()) << QString::number(W->Print1->isEnabled())
          << QString::number(W->KuvaTulemused->isEnabled());
    for (const QWidget* w : W->findChildren<QWidget*>()) {
        if (w->window() != W) continue;
        QString s = w->objectName() + " " + QString::number(w->isVisibleTo(W)) + " " +
                    QString::number(w->isEnabled()) + " " + ColourName(w);
        if (auto* label = qobject_cast<const QLabel*>(w)) s += " " + label->text();
        if (auto* edit = qobject_cast<const QLineEdit*>(w)) s += " " + edit->text();
        if (auto* list = qobject_cast<const QComboBox*>(w)) s += " " + list->currentText();
        if (auto* button = qobject_cast<const QAbstractButton*>(w))
            s += " " + QString::number(button->isChecked());
        state << s;
    }
    for (QCheckBox* b : {TulemusedValikForm->AVKYSKCheckBox, TulemusedValikForm->KKJCheckBox,
                         TulemusedValikForm->ToesCheckBox})
        state << b->objectName() + " " + QString::number(b->isEnabled());
    state << QString::number(KoondjLisaForm->isVisible());
    return state;
}

std::string UiTest::StateDifference(const QStringList& a, const QStringList& b) {
    for (qsizetype i = 0; i < std::max(a.size(), b.size()); ++i)
        if (a.value(i) != b.value(i))
            return (a.value(i) + "  /  " + b.value(i)).left(400).toStdString();
    return {};
}

QString UiTest::Sep() {
    return Korvel::DecimalSeparator();
}

QString UiTest::Num(const char* pointText) {
    QString s = QString::fromUtf8(pointText);
    s.replace('.', Sep());
    return s;
}

QString ColourName(const QWidget* widget) {
    const QColor c = Korvel::BackgroundOf(widget);
    if (c == Korvel::MarkerGreen) return "green";
    if (c == Korvel::MarkerRed) return "red";
    if (c == Korvel::ReviewYellow) return "yellow";
    return "normal";
}
