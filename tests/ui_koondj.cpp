// The concentrated-load page and its special-case window, end to end.
#include "KoondjLisa.h"
#include "TulemusedValik.h"
#include "UiTest.h"

#include <QApplication>
#include <QDialog>
#include <QFontMetrics>
#include <QTimer>
#include <cmath>
#include <functional>
#include <optional>

class KoondjTest : public UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        W->KoondjClick();
    }
    void ExpectMarker(QLabel* marker, const char* sign, const char* colour) {
        EXPECT_EQ(marker->text(), sign) << marker->objectName().toStdString();
        EXPECT_EQ(ColourName(marker), colour) << marker->objectName().toStdString();
    }
    // The bearing area of the worked example, 150 mm deep, fits the wall.
    void FitTheWall() { Paste(W->tkjEdit, "150"); }
    bool RowShown() const {
        return Shown(W->SigmaCGroupBox) && Shown(W->KTingGroupBox2) && Shown(W->SigmaAdmGroupBox);
    }
    bool CornerRowShown() const {
        return Shown(W->SigmaTmaxGroupBox) && Shown(W->KTingGroupBox3) && Shown(W->ftuGroupBox);
    }
    // A load text for which acting(load) equals limit to the last bit, found
    // among the neighbours of the load that gives it on paper.
    static std::optional<QString> ExactLoad(double estimate, double limit,
                                            const std::function<double(double)>& acting) {
        double up = estimate, down = estimate;
        for (int i = 0; i < 4000; ++i, up = std::nextafter(up, 1e9), down = std::nextafter(down, 0))
            for (double c : {up, down})
                if (acting(c) == limit) return QString::number(c, 'g', 17).replace('.', Sep());
        return std::nullopt;
    }
};

TEST_F(KoondjTest, StartValuesFailTheFitFirstAndComputeOnTheSecondPress) {
    EXPECT_TRUE(RowShown());
    EXPECT_EQ(W->SigmaCLabel2->text(), "1.50 MPa");
    ExpectMarker(W->KTingLabel4, "<", "green");

    Click(W->Button2); // 200 mm of bearing on a 150 mm wall
    ASSERT_EQ(warnings.texts, QStringList{"Vaata üle kollased lahtrid!"});
    EXPECT_EQ(ColourName(W->tkjEdit), "yellow");
    EXPECT_EQ(W->tkjEdit->text(), "1");
    EXPECT_DOUBLE_EQ(W->ARVUT->tkj, 0.001);
    EXPECT_EQ(ColourName(W->bkjEdit), "normal");
    EXPECT_FALSE(RowShown());
    EXPECT_TRUE(W->KuvaTulemused->isEnabled());
    // Nothing was shown for these inputs, so there is nothing to report.
    EXPECT_FALSE(TulemusedValikForm->KKJCheckBox->isEnabled());

    warnings.clear();
    Click(W->Button2);
    EXPECT_TRUE(warnings.texts.isEmpty());
    EXPECT_EQ(ColourName(W->tkjEdit), "normal");
    EXPECT_TRUE(RowShown());
    EXPECT_EQ(W->SigmaCLabel2->text(), Num("300.00") + " MPa");
    EXPECT_EQ(W->SigmaAdmLabel2->text(), Num("1.84") + " MPa");
    ExpectMarker(W->KTingLabel4, ">", "red");
    EXPECT_TRUE(TulemusedValikForm->KKJCheckBox->isEnabled());
}

TEST_F(KoondjTest, TheThreeLoadPositions) {
    FitTheWall();
    auto* w = KoondjLisaForm;
    Click(W->Button2); // worked example: ordinary case
    EXPECT_EQ(W->SigmaCLabel2->text(), Num("2.00") + " MPa");
    EXPECT_EQ(W->SigmaAdmLabel2->text(), Num("1.76") + " MPa");
    EXPECT_FALSE(w->isVisible());

    Paste(W->altEdit, "0"); // end case: both conditions
    Paste(W->PdEdit, "20");
    Click(W->Button2);
    EXPECT_FALSE(RowShown());
    ASSERT_TRUE(w->isVisible());
    EXPECT_FALSE(w->isModal());
    // Above the main window only: a tool window of it, not on top of everything.
    EXPECT_EQ(w->windowType(), Qt::Tool);
    EXPECT_EQ(w->parentWidget(), W);
    EXPECT_FALSE(w->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(w->althLabel->text(),
              "Kuna  2a    /h = 0, siis peavad olema rahuldatud järgmised tingimused:");
    EXPECT_TRUE(w->SigmaCGroupBox1->isVisibleTo(w) && w->SigmaCGroupBox2->isVisibleTo(w));
    EXPECT_EQ(w->SigmaCLabel4->text(), Num("1.33") + " MPa");
    EXPECT_EQ(w->fdLabel4->text(), "f     = " + Num("1.16") + " MPa");
    EXPECT_EQ(w->fdLabel5->text(), "1,25 x f     = " + Num("1.45") + " MPa");
    ExpectMarker(w->KTingLabel8, ">", "red"); // fd < σc < 1.25 fd
    ExpectMarker(w->KTingLabel9, "<", "green");
    for (QLabel* l : w->findChildren<QLabel*>()) // no text cut off
        EXPECT_TRUE(w->rect().contains(QRect(l->mapTo(w, QPoint(0, 0)), l->size())) &&
                    l->width() >= QFontMetrics(l->font()).horizontalAdvance(l->text()))
            << l->objectName().toStdString();

    Paste(W->altEdit, "1500"); // r = 1 exactly: far case, row 2 only
    EXPECT_FALSE(w->isVisible()) << "the window went stale with its input";
    Click(W->Button2);
    ASSERT_TRUE(w->isVisible());
    EXPECT_EQ(w->althLabel->text(),
              "Kuna  2a    /h > või = 1, siis peab olema rahuldatud järgmine tingimus:");
    EXPECT_FALSE(w->SigmaCGroupBox1->isVisibleTo(w) || w->KTingGroupBox6->isVisibleTo(w) ||
                 w->SigmaAdmGroupBox1->isVisibleTo(w));
    EXPECT_TRUE(w->SigmaCGroupBox2->isVisibleTo(w));
    EXPECT_EQ(w->fdLabel5->text(), "1,50 x f     = " + Num("1.74") + " MPa");
    ExpectMarker(w->KTingLabel9, "<", "green");

    Paste(W->altEdit, "1499");
    Click(W->Button2);
    EXPECT_FALSE(w->isVisible());
    EXPECT_TRUE(RowShown());
}

TEST_F(KoondjTest, ActingValuesEqualToTheirLimitsPass) {
    // 125 x 500 mm is 0.0625 m2, exact in binary; r = 1 gives the far case.
    Paste(W->tkjEdit, "125");
    Paste(W->bkjEdit, "500");
    Paste(W->altEdit, "1500");
    W->ARVUT->MJSTArvutus();
    const double limit = 1.5 * W->ARVUT->fd, area = W->ARVUT->tkj * W->ARVUT->bkj;
    auto load = ExactLoad(limit * area * 1000, limit, [&](double p) { return p / area / 1000; });
    ASSERT_TRUE(load);
    Paste(W->PdEdit, *load);
    Click(W->Button2);
    ASSERT_EQ(W->ARVUT->sigmac, limit);
    ExpectMarker(KoondjLisaForm->KTingLabel9, "=", "green");

    // The corner: exactly at 0.8 f(t.u) it needs no tie.
    Click(W->CheckBox2);
    Click(W->Button2);
    const TArvutused& r = *W->ARVUT;
    const double ftu = 0.8 * r.ftu, tnk = r.tnk, den = 9.6 * r.nu * r.nu - 1.7 * r.nu + 1;
    load = ExactLoad(ftu * 1000 * den / 0.4 * tnk, ftu,
                     [&](double q) { return 0.4 * (q / tnk) / den / 1000; });
    ASSERT_TRUE(load);
    Paste(W->qndEdit, *load);
    Click(W->Button2);
    ASSERT_EQ(r.sigmatmax, ftu);
    ExpectMarker(W->KTingLabel5, "=", "green");
    EXPECT_FALSE(Shown(W->NtLabel1) || Shown(W->tLabel1));
}

TEST_F(KoondjTest, FitTestsFollowTheWallAndAcceptWhatTheEditsAccept) {
    FitTheWall();
    Paste(W->altEdit, "2400");
    Paste(W->LEdit, "1000"); // alt no longer fits
    Click(W->Button2);
    ASSERT_EQ(warnings.texts.size(), 1);
    EXPECT_EQ(ColourName(W->altEdit), "yellow");
    EXPECT_EQ(W->altEdit->text(), "0");
    EXPECT_EQ(ColourName(W->bkjEdit), "normal");

    // 350 mm - 300 mm is 0.049999... m in binary: the fit test compares
    // millimetres, as the edit does.
    Paste(W->LEdit, "700");
    Paste(W->bkjEdit, "300");
    Paste(W->altEdit, "50");
    Click(W->Button2);
    ASSERT_EQ(warnings.texts.size(), 1);
    EXPECT_EQ(ColourName(W->altEdit), "normal");
    EXPECT_TRUE(RowShown());

    // With bkj beyond half the wall only alt = 0 is left: the end case.
    Paste(W->bkjEdit, "500");
    Paste(W->altEdit, "1");
    ASSERT_EQ(warnings.texts.size(), 2);
    EXPECT_EQ(W->altEdit->text(), "0");
    Click(W->Button2);
    EXPECT_EQ(warnings.texts.size(), 2);
    EXPECT_TRUE(KoondjLisaForm->isVisible());

    // A bearing area that would reach past the wall end does not fit: the
    // edit takes bkj 4800 of 5000, which leaves no room for the stored alt.
    Paste(W->LEdit, "5000");
    Paste(W->altEdit, "600");
    Paste(W->bkjEdit, "4800");
    Click(W->Button2);
    ASSERT_EQ(warnings.texts.size(), 3);
    EXPECT_EQ(ColourName(W->altEdit), "yellow");
    EXPECT_EQ(W->altEdit->text(), "0");
}

TEST_F(KoondjTest, CornerTieForceAndCornerFitOnlyWhileTheCornerIsOn) {
    FitTheWall();
    Paste(W->akaEdit, "5000");
    Paste(W->LEdit, "4000"); // aka no longer fits, but the corner is off
    Click(W->Button2);
    EXPECT_TRUE(warnings.texts.isEmpty());
    EXPECT_EQ(ColourName(W->akaEdit), "normal");

    Click(W->CheckBox2);
    Click(W->Button2);
    ASSERT_EQ(warnings.texts.size(), 1);
    EXPECT_EQ(ColourName(W->akaEdit), "yellow");
    EXPECT_FALSE(RowShown() || CornerRowShown());

    Paste(W->LEdit, "5000");
    Paste(W->akaEdit, "700");
    Click(W->Button2);
    EXPECT_EQ(ColourName(W->akaEdit), "normal");
    ASSERT_TRUE(CornerRowShown());
    EXPECT_EQ(W->SigmaTmaxLabel2->text(), Num("0.20") + " MPa");
    EXPECT_EQ(W->ftuLabel2->text(), Num("0.17") + " MPa");
    ExpectMarker(W->KTingLabel5, ">", "red");
    EXPECT_TRUE(Shown(W->NtLabel1) && Shown(W->tLabel1));
    EXPECT_EQ(W->NtLabel1->text(),
              "Müüritise nurk tuleb armeerida tõmbejõule  N   = " + Num("9.28") + " kN");
    EXPECT_GE(W->NtLabel1->width(),
              QFontMetrics(W->NtLabel1->font()).horizontalAdvance(W->NtLabel1->text()));

    Paste(W->qndEdit, "50");
    EXPECT_FALSE(CornerRowShown());
    EXPECT_TRUE(RowShown()) << "a corner input leaves the force row";
    Click(W->Button2);
    ExpectMarker(W->KTingLabel5, "<", "green");
    EXPECT_FALSE(Shown(W->NtLabel1));
}

TEST_F(KoondjTest, WhatEnablesAndWithdrawsTheReportSection) {
    auto* box = TulemusedValikForm->KKJCheckBox;
    FitTheWall();
    Click(W->Button2);
    ASSERT_TRUE(box->isEnabled());
    W->ShowResultsTab();
    Paste(W->PdEdit, "31");
    EXPECT_FALSE(box->isEnabled() || W->ResultsTabVisible() || RowShown());
    EXPECT_TRUE(W->KuvaTulemused->isEnabled());

    Click(W->Button2);
    Click(W->CheckBox2); // ticking withdraws the section, unticking does not
    EXPECT_FALSE(box->isEnabled());
    Click(W->Button2);
    W->ShowResultsTab();
    Click(W->CheckBox2);
    EXPECT_TRUE(box->isEnabled());
    EXPECT_FALSE(W->ResultsTabVisible());

    Paste(W->altEdit, "0");
    Click(W->Button2);
    ASSERT_TRUE(KoondjLisaForm->isVisible());
    Paste(W->hEdit, "2900"); // a wall change hides every result of the page
    EXPECT_FALSE(RowShown() || KoondjLisaForm->isVisible() || box->isEnabled() ||
                 W->KuvaTulemused->isEnabled());
}

TEST_F(KoondjTest, TheSpecialCaseWindowOpensCentredAndStaysWhereItWasPut) {
    ShowMainWindow();
    FitTheWall();
    Paste(W->altEdit, "0");
    auto* w = KoondjLisaForm;
    auto centred = [&] {
        return (w->frameGeometry().center() - W->frameGeometry().center()).manhattanLength() <= 4;
    };
    Click(W->Button2);
    ASSERT_TRUE(w->isVisible());
    EXPECT_TRUE(centred());

    // Moved aside to see the corner results: a press that keeps the window
    // open leaves it there.
    w->move(w->pos() + QPoint(-150, 120));
    const QPoint placed = w->pos();
    Click(W->CheckBox2);
    Paste(W->qndEdit, "60");
    ASSERT_TRUE(w->isVisible());
    Click(W->Button2);
    ASSERT_TRUE(w->isVisible());
    EXPECT_EQ(w->pos(), placed);
    Click(W->Button2);
    EXPECT_EQ(w->pos(), placed);

    // Once closed by a stale input, it opens centred again.
    Paste(W->PdEdit, "20");
    ASSERT_FALSE(w->isVisible());
    Click(W->Button2);
    ASSERT_TRUE(w->isVisible());
    EXPECT_TRUE(centred());
    EXPECT_EQ(w->SigmaCLabel4->text(), Num("1.33") + " MPa");
}

TEST_F(KoondjTest, TheSpecialCaseWindowStaysUpUnderDialogs) {
    ShowMainWindow();
    FitTheWall();
    Paste(W->altEdit, "0");
    Click(W->Button2);
    auto* w = KoondjLisaForm;
    ASSERT_TRUE(w->isVisible());
    w->move(w->pos() + QPoint(40, 30));
    const QPoint placed = w->pos();

    // A tool window of the main window: the window manager puts the main
    // window's dialogs above it, so it need not step aside for them.
    EXPECT_EQ(w->parentWidget(), W);
    EXPECT_EQ(w->windowType(), Qt::Tool);
    QDialog dialog(W);
    dialog.setModal(true);
    dialog.show();
    EXPECT_TRUE(w->isVisible());
    dialog.hide();
    QApplication::processEvents();
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(w->pos(), placed);

    // A corner value out of range: the warning is seen, the results are
    // still valid and come back.
    Click(W->CheckBox2);
    Paste(W->qndEdit, "20000");
    ASSERT_EQ(warnings.texts.size(), 1);
    QApplication::processEvents();
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(w->pos(), placed);

    // A refused force is put back: the numbers are still current and the
    // window stays. A force that is taken makes them stale.
    Paste(W->PdEdit, "99999");
    ASSERT_EQ(warnings.texts.size(), 2);
    QApplication::processEvents();
    EXPECT_TRUE(w->isVisible());
    Paste(W->PdEdit, "40");
    EXPECT_FALSE(w->isVisible());
    Click(W->Button2);
    ASSERT_TRUE(w->isVisible());

    // A fit test that fails closes the window for good: an oversized corner
    // left from a longer wall, caught once the corner is on.
    Click(W->CheckBox2);
    Paste(W->akaEdit, "5000");
    Paste(W->LEdit, "4000");
    Click(W->Button2);
    ASSERT_TRUE(w->isVisible());
    Click(W->CheckBox2);
    ASSERT_TRUE(w->isVisible());
    Click(W->Button2);
    ASSERT_EQ(warnings.texts.last(), "Vaata üle kollased lahtrid!");
    QApplication::processEvents();
    EXPECT_FALSE(w->isVisible());

    // Opened while a dialog is up, it shows at once.
    dialog.show();
    w->ShowCentred(W);
    EXPECT_TRUE(w->isVisible());
    dialog.hide();
    QApplication::processEvents();
    EXPECT_TRUE(w->isVisible());
}

TEST_F(KoondjTest, ClosingTheMainWindowEndsTheProgramWhateverIsQueued) {
    ShowMainWindow();
    FitTheWall();
    Paste(W->altEdit, "0");
    Click(W->Button2);
    ASSERT_TRUE(KoondjLisaForm->isVisible());
    // A warning is up over the window, and the main window closes in the
    // same turn.
    QTimer::singleShot(0, [this] {
        Paste(W->PdEdit, "99999");
        W->close();
    });
    QTimer guard;
    guard.setSingleShot(true);
    bool timedOut = false;
    QObject::connect(&guard, &QTimer::timeout, [&] {
        timedOut = true;
        QApplication::exit(1);
    });
    guard.start(3000);
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_FALSE(timedOut);
    EXPECT_EQ(warnings.texts.size(), 1);
    EXPECT_FALSE(KoondjLisaForm->isVisible());
}

TEST_F(KoondjTest, ACalculationThatCannotBeDoneShowsNothing) {
    FitTheWall();
    Click(W->Button2);
    Paste(W->PdEdit, "40");
    W->ARVUT->fb = 0; // no masonry strength
    Click(W->Button2);
    ASSERT_EQ(warnings.texts.size(), 1);
    EXPECT_NE(warnings.texts[0], "Vaata üle kollased lahtrid!");
    EXPECT_FALSE(RowShown() || KoondjLisaForm->isVisible() ||
                 TulemusedValikForm->KKJCheckBox->isEnabled());
}

TEST_F(KoondjTest, EnterSkipsTheHiddenCornerEdits) {
    ShowMainWindow();
    W->altEdit->setFocus();
    PressEnter(W->altEdit);
    EXPECT_TRUE(W->ArvutPageControl->hasFocus());
    Click(W->CheckBox2);
    W->altEdit->setFocus();
    PressEnter(W->altEdit);
    EXPECT_EQ(QApplication::focusWidget(), W->qndEdit);
}

TEST_F(KoondjTest, NoTextOfThePageIsCutOff) {
    Click(W->CheckBox2);
    for (QWidget* c : W->KJGroupBox->findChildren<QWidget*>()) {
        EXPECT_TRUE(c->parentWidget()->rect().contains(c->geometry()))
            << c->objectName().toStdString();
        auto* l = qobject_cast<QLabel*>(c);
        if (!l || l == W->KJImage) continue;
        EXPECT_GE(l->width(), QFontMetrics(l->font()).horizontalAdvance(l->text()))
            << l->objectName().toStdString();
    }
}
