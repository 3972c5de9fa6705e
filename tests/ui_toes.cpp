// The support node page: general case, free space beside the beam in its three
// positions, the spacing check and what each action does to the report box.
#include "TulemusedValik.h"
#include "UiTest.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QRadioButton>
#include <QTabWidget>

class ToesTest : public UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        W->ArvutPageControl->setCurrentWidget(W->ToesArvut);
    }
    bool FocusOnPageControl() const {
        const QWidget* f = W->focusWidget();
        return f && (f == W->ArvutPageControl || f == W->ArvutPageControl->focusProxy());
    }
    QCheckBox* ReportBox() const { return TulemusedValikForm->ToesCheckBox; }
    QString Floc(const char* pointText) const {
        return "f    = f        = " + Num(pointText) + " MPa";
    }
    // The three boxes of a result row go together: "shown", "hidden" or "mixed".
    QString Row(const QWidget* stress, const QWidget* sign, const QWidget* strength) const {
        const int n = Shown(stress) + Shown(sign) + Shown(strength);
        return n == 3 ? "shown" : n == 0 ? "hidden" : "mixed";
    }
    QString General() const { return Row(W->SigmaMaxGroupBox1, W->KTingGroupBox4, W->fdGroupBox1); }
    QString Free() const { return Row(W->SigmaMaxGroupBox2, W->KTingGroupBox5, W->fdGroupBox2); }
    // Pressed ARVUTA with the results tab showing, so that hiding it is seen.
    void Arvuta() {
        W->ShowResultsTab();
        Click(W->Button3);
    }
};

TEST_F(ToesTest, StartValuesGiveTheWorkedExample) {
    EXPECT_EQ(General(), "shown");
    EXPECT_EQ(W->SigmaMaxLabel2->text(), "0.87 MPa");
    EXPECT_FALSE(Shown(W->TKVRGroupBox));
    EXPECT_FALSE(W->CheckBox1->isChecked());
    EXPECT_TRUE(W->RadioButton2->isChecked());

    Arvuta();
    EXPECT_TRUE(warnings.texts.isEmpty());
    EXPECT_EQ(General(), "shown");
    EXPECT_EQ(W->SigmaMaxLabel2->text(), Num("0.87") + " MPa");
    EXPECT_EQ(W->fdLabel3->text(), "f    = " + Num("1.16") + " MPa");
    EXPECT_EQ(W->KTingLabel6->text(), "<");
    EXPECT_EQ(ColourName(W->KTingLabel6), "green");
    EXPECT_TRUE(W->KuvaTulemused->isEnabled());
    EXPECT_TRUE(ReportBox()->isEnabled());
    EXPECT_FALSE(W->ResultsTabVisible());
}

TEST_F(ToesTest, FreeSpaceForTheThreeBeamPositions) {
    Click(W->CheckBox1);
    EXPECT_TRUE(Shown(W->TKVRGroupBox));
    EXPECT_EQ(Free(), "hidden");

    Arvuta();
    EXPECT_EQ(Free(), "shown");
    EXPECT_EQ(W->SigmaMaxLabel4->text(), Num("0.87") + " MPa");
    EXPECT_EQ(W->fdflocLabel1->text(), Floc("2.14"));
    EXPECT_EQ(W->KTingLabel7->text(), "<");
    EXPECT_EQ(ColourName(W->KTingLabel7), "green");
    EXPECT_EQ(ColourName(W->stEdit), "normal");

    struct Case {
        QRadioButton* button;
        const char* floc;
    };
    for (const Case& c : {Case{W->RadioButton1, "2.41"}, Case{W->RadioButton3, "2.65"},
                          Case{W->RadioButton2, "2.14"}}) {
        Click(c.button);
        // A new position withdraws the free-space results only.
        EXPECT_EQ(Free(), "hidden") << c.floc;
        EXPECT_EQ(General(), "shown") << c.floc;
        EXPECT_FALSE(ReportBox()->isEnabled()) << c.floc;
        Arvuta();
        EXPECT_EQ(Free(), "shown") << c.floc;
        EXPECT_EQ(W->fdflocLabel1->text(), Floc(c.floc));
        EXPECT_TRUE(ReportBox()->isEnabled()) << c.floc;
    }
    EXPECT_TRUE(warnings.texts.isEmpty());

    // Case 3 spreads the load by the wall thickness, at most half the spacing:
    // 300 = 2 t gives c1 = 150 still, 200 gives 100.
    Click(W->RadioButton3);
    Paste(W->stEdit, "300");
    EXPECT_DOUBLE_EQ(W->ARVUT->c1, 0.15);
    Paste(W->stEdit, "200");
    EXPECT_DOUBLE_EQ(W->ARVUT->c1, 0.1);
    EXPECT_DOUBLE_EQ(W->ARVUT->Ad, (2 * 0.1 + 0.2) * 0.2);
}

TEST_F(ToesTest, BeamChangedAfterTickingGivesTheSameStrength) {
    Click(W->CheckBox1);
    Paste(W->btEdit, "300");
    Arvuta();
    const QString afterTicking = W->fdflocLabel1->text();
    EXPECT_NE(afterTicking, Floc("2.14"));

    Click(W->CheckBox1);
    Paste(W->btEdit, "200");
    Paste(W->btEdit, "300");
    Click(W->CheckBox1);
    Arvuta();
    EXPECT_EQ(W->fdflocLabel1->text(), afterTicking);
}

TEST_F(ToesTest, SpacingBeyondAShortenedWall) {
    Paste(W->stEdit, "6000");
    ASSERT_EQ(warnings.texts.size(), 1);
    EXPECT_EQ(warnings.texts[0], "Talade samm peaks olema arv: 0...5000");
    EXPECT_EQ(W->stEdit->text(), "500");
    warnings.clear();

    Paste(W->LEdit, "400");
    ASSERT_DOUBLE_EQ(W->ARVUT->st, 0.5);
    Click(W->CheckBox1);
    Click(W->RadioButton3);
    Arvuta();
    ASSERT_EQ(warnings.texts, QStringList{"Vaata üle kollased lahtrid!"});
    EXPECT_EQ(ColourName(W->stEdit), "yellow");
    EXPECT_EQ(W->stEdit->text(), "0");
    EXPECT_DOUBLE_EQ(W->ARVUT->st, 0);
    EXPECT_DOUBLE_EQ(W->ARVUT->c1, 0);
    EXPECT_DOUBLE_EQ(W->ARVUT->Ad, 0.2 * 0.2);
    EXPECT_EQ(General(), "shown");
    EXPECT_EQ(Free(), "hidden");
    // No report of a free-space result the page did not show.
    EXPECT_FALSE(ReportBox()->isEnabled());
    EXPECT_TRUE(W->KuvaTulemused->isEnabled());

    // The marking outlives an edit; the next ARVUTA that passes removes it.
    Paste(W->stEdit, "300");
    EXPECT_EQ(ColourName(W->stEdit), "yellow");
    warnings.clear();
    Arvuta();
    EXPECT_TRUE(warnings.texts.isEmpty());
    EXPECT_EQ(ColourName(W->stEdit), "normal");
    EXPECT_EQ(Free(), "shown");
    EXPECT_TRUE(ReportBox()->isEnabled());
}

TEST_F(ToesTest, RejectedSpacingFallsBackToTheWallLength) {
    Paste(W->LEdit, "400");
    Paste(W->stEdit, "401");
    ASSERT_EQ(warnings.texts, QStringList{"Talade samm peaks olema arv: 0...400"});
    EXPECT_EQ(W->stEdit->text(), "400");
    EXPECT_DOUBLE_EQ(W->ARVUT->st, 0.4);
}

TEST_F(ToesTest, UncomputableInputsWarnAndShowNothing) {
    Paste(W->qdEdit, "0");
    EXPECT_EQ(General(), "hidden");
    const QString before = W->SigmaMaxLabel2->text();
    Arvuta();
    ASSERT_EQ(warnings.texts.size(), 1);
    EXPECT_FALSE(warnings.texts[0].isEmpty());
    EXPECT_EQ(warnings.titles[0], "Warning");
    EXPECT_EQ(General(), "hidden");
    EXPECT_EQ(W->SigmaMaxLabel2->text(), before);
    EXPECT_FALSE(W->KuvaTulemused->isEnabled());
    EXPECT_FALSE(ReportBox()->isEnabled());

    // No bearing length in position 3: the general case stands, the free
    // space has no distribution area.
    Paste(W->qdEdit, "10");
    Paste(W->a1Edit, "0");
    Click(W->CheckBox1);
    Click(W->RadioButton3);
    warnings.clear();
    Arvuta();
    ASSERT_EQ(warnings.texts.size(), 1);
    EXPECT_NE(warnings.texts[0], "Vaata üle kollased lahtrid!");
    EXPECT_EQ(General(), "shown");
    EXPECT_EQ(Free(), "hidden");
    EXPECT_FALSE(ReportBox()->isEnabled());

    // The same bearing length in position 2 is computable.
    Click(W->RadioButton2);
    warnings.clear();
    Arvuta();
    EXPECT_TRUE(warnings.texts.isEmpty());
    EXPECT_EQ(Free(), "shown");
    EXPECT_TRUE(ReportBox()->isEnabled());
}

TEST_F(ToesTest, WhatWithdrawsTheResultsAndTheReportSection) {
    Click(W->CheckBox1);
    Arvuta();
    ASSERT_TRUE(ReportBox()->isEnabled());

    // A beam input hides both result rows.
    W->ShowResultsTab();
    Paste(W->EtEdit, "2");
    EXPECT_EQ(General(), "hidden");
    EXPECT_EQ(Free(), "hidden");
    EXPECT_FALSE(ReportBox()->isEnabled());
    EXPECT_FALSE(W->ResultsTabVisible());
    EXPECT_TRUE(W->KuvaTulemused->isEnabled());

    // The spacing is not an input of the general case.
    Arvuta();
    W->ShowResultsTab();
    Paste(W->stEdit, "450");
    EXPECT_EQ(General(), "shown");
    EXPECT_EQ(Free(), "hidden");
    EXPECT_FALSE(ReportBox()->isEnabled());
    EXPECT_FALSE(W->ResultsTabVisible());

    // Unticking keeps the section, ticking withdraws it.
    Arvuta();
    Click(W->CheckBox1);
    EXPECT_FALSE(Shown(W->TKVRGroupBox));
    EXPECT_TRUE(ReportBox()->isEnabled());
    Click(W->CheckBox1);
    EXPECT_EQ(Free(), "hidden");
    EXPECT_FALSE(ReportBox()->isEnabled());

    // A wall input withdraws everything, the menu item included.
    Arvuta();
    Paste(W->LEdit, "4000");
    EXPECT_EQ(General(), "hidden");
    EXPECT_EQ(Free(), "hidden");
    EXPECT_FALSE(ReportBox()->isEnabled());
    EXPECT_FALSE(W->KuvaTulemused->isEnabled());
}

TEST_F(ToesTest, BeamLoadOutOfRangeKeepsTheLastValue) {
    Paste(W->qdEdit, "100");
    Paste(W->qdEdit, "1001");
    ASSERT_EQ(warnings.texts.size(), 1);
    EXPECT_EQ(warnings.texts[0], "Tala arvutuslik jaotatud koormus peaks olema arv: " +
                                     Num("0.00") + "..." + Num("1000.00"));
    EXPECT_EQ(W->qdEdit->text(), Num("100.00"));
    EXPECT_DOUBLE_EQ(W->ARVUT->qd, 100);
}

TEST_F(ToesTest, EnterAfterTheInertiaSkipsTheHiddenSpacing) {
    ShowMainWindow();
    QApplication::processEvents();
    W->ItEdit->setFocus();
    PressEnter(W->ItEdit);
    EXPECT_TRUE(FocusOnPageControl());

    Click(W->CheckBox1);
    W->ItEdit->setFocus();
    PressEnter(W->ItEdit);
    EXPECT_EQ(W->focusWidget(), W->stEdit);
    PressEnter(W->stEdit);
    EXPECT_TRUE(FocusOnPageControl());
    EXPECT_TRUE(warnings.texts.isEmpty());
}

TEST_F(ToesTest, StatesSetByCodeActLikeClicks) {
    W->CheckBox1->setChecked(true);
    EXPECT_TRUE(Shown(W->TKVRGroupBox));
    Click(W->Button3);
    ASSERT_TRUE(Shown(W->SigmaMaxGroupBox2));
    ASSERT_TRUE(TulemusedValikForm->ToesCheckBox->isEnabled());

    W->RadioButton3->setChecked(true);
    EXPECT_FALSE(Shown(W->SigmaMaxGroupBox2));
    EXPECT_TRUE(Shown(W->SigmaMaxGroupBox1));
    EXPECT_FALSE(TulemusedValikForm->ToesCheckBox->isEnabled());
    EXPECT_DOUBLE_EQ(W->ARVUT->Ad, (2 * 0.15 + 0.2) * 0.2);

    W->CheckBox2->setChecked(true);
    EXPECT_TRUE(Shown(W->MNKGroupBox));
}
