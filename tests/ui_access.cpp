// What assistive technology reads in the windows: results with their values,
// verdicts in words, subscripts inside their symbols, names for everything a
// user can reach or read.
#include "UiTest.h"

#include "Accessibility.h"
#include "Andmed.h"
#include "Colours.h"
#include "KoondjLisa.h"

#include <QAccessible>
#include <QRegularExpression>
#include <QTextEdit>

namespace {

QAccessibleInterface* Iface(QObject* object) {
    return QAccessible::queryAccessibleInterface(object);
}
QString Name(QObject* object) {
    return Iface(object)->text(QAccessible::Name);
}

} // namespace

class AccessTest : public UiTest {
protected:
    // Every label on show that is read on its own has a name; one showing a
    // number is read with that number, a marker with its verdict.
    void CheckLabelsOf(QWidget* window) {
        static const QRegularExpression number("-?\\d+([.,]\\d+)?");
        for (QLabel* l : window->findChildren<QLabel*>()) {
            if (!l->isVisibleTo(window) || Iface(l)->state().invisible) continue;
            const QString name = Name(l);
            const std::string id = l->objectName().toStdString();
            EXPECT_FALSE(name.isEmpty()) << id;
            auto numbers = number.globalMatch(l->pixmap().isNull() ? l->text() : QString());
            while (numbers.hasNext()) {
                const QString shown = numbers.next().captured();
                EXPECT_TRUE(name.contains(shown)) << id << ": " << name.toStdString();
            }
            if (l->text() == "<" || l->text() == "=" || l->text() == ">") {
                EXPECT_TRUE(name.contains("tingimus")) << id;
            }
        }
    }
};

TEST_F(AccessTest, ResultsAreReadAsOnePhraseWithTheirValueAndHint) {
    ShowMainWindow();
    Click(W->Button1);
    EXPECT_EQ(Name(W->Msd1Label1), "Msd1 = " + W->Msd1Label1->text().section(' ', -2));
    EXPECT_EQ(Iface(W->Msd1Label1)->text(QAccessible::Description), "Paindemoment ülemises lõikes");
    EXPECT_TRUE(Iface(Label("Msd1Label2"))->state().invisible);
    EXPECT_EQ(Name(W->LhLabel3), "λh = " + W->LhLabel3->text());
    CheckLabelsOf(W);

    W->ArvutPageControl->setCurrentWidget(W->ToesArvut);
    Click(W->Button3);
    EXPECT_EQ(Name(W->SigmaMaxLabel2), "σmax = " + W->SigmaMaxLabel2->text());
    EXPECT_EQ(Name(W->fdflocLabel1), "fd = floc = " + W->fdflocLabel1->text().section(' ', -2));
    CheckLabelsOf(W);

    W->ArvutPageControl->setCurrentWidget(W->KoondjArvut);
    Click(W->Button2);
    CheckLabelsOf(W);
    EXPECT_EQ(Name(W->SigmaCLabel2), "σc = " + W->SigmaCLabel2->text());
}

TEST_F(AccessTest, MarkersSayTheVerdictAndFollowIt) {
    Click(W->Button1);
    EXPECT_EQ(Name(W->KTingLabel1), "väiksem, tingimus on täidetud");
    EXPECT_EQ(Name(W->LhLabel6), "väiksem, tingimus on täidetud");
    Paste(W->PvldEdit, "700");
    Paste(W->hEdit, "6000");
    Click(W->Button1);
    EXPECT_EQ(Name(W->KTingLabel1), "suurem, tingimus ei ole täidetud");
    EXPECT_EQ(Name(W->LhLabel6), "suurem, tingimus ei ole täidetud");
    Korvel::SetMarkerSign(W->KTingLabel1, 0);
    EXPECT_EQ(Name(W->KTingLabel1), "võrdne, tingimus on täidetud");

    auto* lisa = KoondjLisaForm;
    EXPECT_EQ(Name(lisa->KTingLabel8), "suurem, tingimus ei ole täidetud");
    CheckLabelsOf(lisa);
}

TEST_F(AccessTest, TheReportIsNamedAfterItsPage) {
    EXPECT_EQ(Name(W->RichEdit), "Tulemused");
    EXPECT_EQ(Iface(W->RichEdit)->text(QAccessible::Description),
              "Praeguste lähteandmete järgi koostatud aruanne");
}

TEST_F(AccessTest, FieldsDrawingsAndReviewStateAreNamed) {
    EXPECT_EQ(Name(AndmedForm->PealkiriEdit), "Pealkiri:");
    EXPECT_EQ(Name(AndmedForm->MarkusEdit), "Märkus:");
    EXPECT_EQ(Name(W->KVImage), "Joonis 1. Arvutusskeem");
    EXPECT_EQ(Name(W->KJImage), "Joonis 2. Pingejaotus müüris; Joonis 3. Tõmbepinged müüri nurgas");
    EXPECT_EQ(Name(W->TSImage), "Joonis 4. Tala toetus seinale");

    Korvel::SetBackground(W->tkjEdit, Korvel::ReviewYellow);
    EXPECT_EQ(Iface(W->tkjEdit)->text(QAccessible::Description),
              "Kollane lahter, vaata üle: " + W->tkjEdit->toolTip());
    Korvel::ResetBackground(W->tkjEdit);
    EXPECT_EQ(Iface(W->tkjEdit)->text(QAccessible::Description), W->tkjEdit->toolTip());

    // Whatever Tab reaches has a name.
    ShowMainWindow();
    for (QWidget* w : W->findChildren<QWidget*>()) {
        if (w->isVisibleTo(W) && (w->focusPolicy() & Qt::TabFocus) && !w->focusProxy()) {
            EXPECT_FALSE(Name(w).isEmpty())
                << w->metaObject()->className() << " " << w->objectName().toStdString();
        }
    }
}
