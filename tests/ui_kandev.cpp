// The wall and block panel and the vertical capacity page, end to end.
#include "TulemusedValik.h"
#include "UiTest.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QTabWidget>

class KandevTest : public UiTest {
protected:
    void PickBlock(const QString& name) {
        const int index = W->TKComboBox->findText(name);
        ASSERT_GE(index, 0) << name.toStdString();
        W->TKComboBox->setCurrentIndex(index);
        emit W->TKComboBox->activated(index);
    }
    void ExpectMarker(const char* name, const char* sign, const char* colour) {
        EXPECT_EQ(Label(name)->text(), sign) << name;
        EXPECT_EQ(ColourName(Label(name)), colour) << name;
    }
};

TEST_F(KandevTest, StartValuesGiveTheWorkedExample) {
    EXPECT_EQ(W->LhLabel3->text(), "20,00");
    EXPECT_FALSE(Shown(W->ArvSGroupBox));
    Click(W->Button1);
    EXPECT_TRUE(warnings.texts.isEmpty());
    EXPECT_TRUE(Shown(W->ArvSGroupBox));
    EXPECT_TRUE(Shown(W->KTingGroupBox1));
    EXPECT_TRUE(Shown(W->VertKVGroupBox));
    EXPECT_EQ(W->Msd1Label1->text(), "M        = " + Num("0.90") + " kNm");
    EXPECT_EQ(W->MsdmLabel1->text(), "M          = " + Num("0.11") + " kNm");
    EXPECT_EQ(W->Msd2Label1->text(), "M        = 0 kNm");
    EXPECT_EQ(W->eLabel2->text(), "e    = " + Num("25.00") + " mm");
    EXPECT_EQ(W->eLabel4->text(), "e    = " + Num("13.45") + " mm");
    EXPECT_EQ(W->eLabel6->text(), "e    = " + Num("10.00") + " mm");
    EXPECT_EQ(W->Nsd1Label1->text(), "N        = " + Num("60.00") + " kN");
    EXPECT_EQ(W->NsdmLabel1->text(), "N         = " + Num("60.97") + " kN");
    EXPECT_EQ(W->Nsd2Label1->text(), "N        = " + Num("62.43") + " kN");
    EXPECT_EQ(W->NRd1Label1->text(), "N         = " + Num("116.02") + " kN");
    EXPECT_EQ(W->NRdmLabel1->text(), "N          = " + Num("96.57") + " kN");
    EXPECT_EQ(W->NRd2Label1->text(), "N         = " + Num("150.82") + " kN");
    ExpectMarker("KTingLabel1", "<", "green");
    ExpectMarker("KTingLabel2", "<", "green");
    ExpectMarker("KTingLabel3", "<", "green");
    EXPECT_EQ(W->LhLabel3->text(), Num("20.00"));
    ExpectMarker("LhLabel6", "<", "green");
    // The edits were rewritten before the results were shown, so the results
    // stay (also where the start text "1,00" is not this locale's form).
    EXPECT_EQ(W->rooEdit->text(), Num("1.00"));
    EXPECT_EQ(W->PvldEdit->text(), Num("50.00"));
    EXPECT_TRUE(W->KuvaTulemused->isEnabled());
    EXPECT_TRUE(TulemusedValikForm->AVKYSKCheckBox->isEnabled());
}

TEST_F(KandevTest, ARoundingRewriteLeavesResultsOfTheShownValue) {
    Paste(W->PvldEdit, "120" + Sep() + "505");
    Click(W->Button1);
    EXPECT_EQ(W->PvldEdit->text(), Num("120.51"));
    EXPECT_DOUBLE_EQ(W->ARVUT->Pvld, 120.51);
    EXPECT_TRUE(Shown(W->ArvSGroupBox));
    EXPECT_EQ(W->Nsd1Label1->text(), "N        = " + Num("130.51") + " kN");
}

TEST_F(KandevTest, DoubledSlabLoadFailsTheMiddleSection) {
    Paste(W->PvldEdit, "100");
    Click(W->Button1);
    EXPECT_EQ(W->Nsd1Label1->text(), "N        = " + Num("110.00") + " kN");
    EXPECT_EQ(W->NRd1Label1->text(), "N         = " + Num("110.74") + " kN");
    EXPECT_EQ(W->NsdmLabel1->text(), "N         = " + Num("110.97") + " kN");
    EXPECT_EQ(W->NRdmLabel1->text(), "N          = " + Num("89.64") + " kN");
    EXPECT_EQ(W->Nsd2Label1->text(), "N        = " + Num("112.43") + " kN");
    ExpectMarker("KTingLabel1", "<", "green");
    ExpectMarker("KTingLabel2", ">", "red");
    ExpectMarker("KTingLabel3", "<", "green");
}

TEST_F(KandevTest, ZeroLoadsWarnAndChangeNothing) {
    Paste(W->PvldEdit, "0");
    Paste(W->PydEdit, "0");
    const QString before = W->Nsd1Label1->text();
    Click(W->Button1);
    ASSERT_EQ(warnings.texts.size(), 1);
    EXPECT_FALSE(warnings.texts[0].isEmpty());
    EXPECT_EQ(warnings.titles[0], "Warning");
    EXPECT_EQ(W->Nsd1Label1->text(), before);
    EXPECT_FALSE(Shown(W->ArvSGroupBox));
    EXPECT_FALSE(W->KuvaTulemused->isEnabled());
    EXPECT_FALSE(TulemusedValikForm->AVKYSKCheckBox->isEnabled());
}

TEST_F(KandevTest, AFailedCheckRewritesNoEdit) {
    Paste(W->rooEdit, "1");
    Paste(W->PvldEdit, "0");
    Paste(W->PydEdit, "0");
    Paste(W->tkjEdit, "150");
    Click(W->Button2); // results of another page, which a wall change would withdraw
    ASSERT_TRUE(W->KuvaTulemused->isEnabled());
    Click(W->Button1);
    ASSERT_EQ(warnings.texts.size(), 1);
    EXPECT_EQ(W->rooEdit->text(), "1");
    EXPECT_EQ(W->PvldEdit->text(), "0");
    EXPECT_EQ(W->PydEdit->text(), "0");
    EXPECT_TRUE(W->KuvaTulemused->isEnabled());
    EXPECT_TRUE(TulemusedValikForm->KKJCheckBox->isEnabled());
    EXPECT_TRUE(Shown(W->SigmaCGroupBox));
}

TEST_F(KandevTest, SlendernessLimitIsInclusive) {
    W->ArvutPageControl->setCurrentWidget(W->ToesArvut);
    Paste(W->hEdit, "4050");
    EXPECT_EQ(W->LhLabel3->text(), Num("27.00"));
    ExpectMarker("LhLabel6", "=", "green");
    EXPECT_EQ(W->ArvutPageControl->currentWidget(), W->ToesArvut);

    W->ArvutPageControl->setCurrentWidget(W->KandevArvut);
    Click(W->Button1);
    EXPECT_TRUE(Shown(W->ArvSGroupBox));
    // The results shown at the limit can be reported.
    EXPECT_TRUE(TulemusedValikForm->AVKYSKCheckBox->isEnabled());

    W->ArvutPageControl->setCurrentWidget(W->ToesArvut);
    Paste(W->hEdit, "4100");
    EXPECT_EQ(W->LhLabel3->text(), Num("27.33"));
    ExpectMarker("LhLabel6", ">", "red");
    EXPECT_EQ(W->ArvutPageControl->currentWidget(), W->KandevArvut);
    Click(W->Button1);
    EXPECT_FALSE(Shown(W->ArvSGroupBox));
    EXPECT_TRUE(Shown(W->LambdahGroupBox));
}

TEST_F(KandevTest, AWallExactlyAtTheLimitIsNotPushedOverByRounding) {
    Paste(W->rooEdit, "1" + Sep() + "5");
    Paste(W->hEdit, "2700");
    ASSERT_GT(W->ARVUT->lambdah, 27.0); // one unit in the last place above
    Click(W->Button1);
    EXPECT_EQ(W->LhLabel3->text(), Num("27.00"));
    ExpectMarker("LhLabel6", "=", "green");
    EXPECT_TRUE(Shown(W->ArvSGroupBox));
}

TEST_F(KandevTest, BlockCatalogue) {
    PickBlock("Dursa 200");
    EXPECT_EQ(W->TKLabel4->text(), "575");
    EXPECT_EQ(W->ELabel->text(), "E = 2000 MPa");
    EXPECT_EQ(W->fbLabel1->text(), "f    = " + Num("5.0") + " MPa");
    EXPECT_EQ(W->fbdLabel1->text(), "f       = " + Num("2.50") + " MPa");
    EXPECT_EQ(W->fkLabel1->text(), "f    = " + Num("3.14") + " MPa");
    EXPECT_EQ(W->fdLabel1->text(), "f    = " + Num("1.57") + " MPa");
    EXPECT_EQ(W->EmLabel1->text(), "E     = " + Num("2042.34") + " MPa");
    EXPECT_EQ(W->tComboBox->currentText(), "200");
    EXPECT_DOUBLE_EQ(W->ARVUT->t, 0.2);

    PickBlock("VelvorExtra 500");
    EXPECT_EQ(W->tComboBox->currentText(), "500");
    EXPECT_DOUBLE_EQ(W->ARVUT->t, 0.5);
    EXPECT_DOUBLE_EQ(W->ARVUT->fb, 1.8);

    Click(W->Button1);
    W->ShowResultsTab();
    W->ArvutPageControl->setCurrentWidget(W->KoondjArvut);
    PickBlock("Ilvo 50");
    EXPECT_EQ(W->tComboBox->currentText(), "50");
    EXPECT_EQ(W->LhLabel3->text(), Num("60.00"));
    ExpectMarker("LhLabel6", ">", "red");
    EXPECT_EQ(W->ArvutPageControl->currentWidget(), W->KandevArvut);
    EXPECT_FALSE(W->KuvaTulemused->isEnabled());
    EXPECT_FALSE(W->ResultsTabVisible());
    EXPECT_FALSE(Shown(W->ArvSGroupBox));
}

TEST_F(KandevTest, LargeLoadsAndEccentricitiesKeepTheColumnsApart) {
    // Moments of four digits and eccentricities of metres: allowed inputs,
    // and the three columns of a row must still not run into each other.
    Paste(W->PvldEdit, "700");
    Paste(W->PydEdit, "700");
    Paste(W->evlEdit, "5000");
    Paste(W->eyEdit, "-5000");
    Paste(W->qtdEdit, "10");
    Click(W->Button1);
    ASSERT_TRUE(warnings.texts.isEmpty());
    const QLabel* rows[3][3] = {{W->Msd1Label1, W->eLabel2, W->Nsd1Label1},
                                {W->MsdmLabel1, W->eLabel4, W->NsdmLabel1},
                                {W->Msd2Label1, W->eLabel6, W->Nsd2Label1}};
    for (const auto& row : rows) {
        for (int i = 0; i < 3; ++i) {
            const int right = row[i]->x() + row[i]->sizeHint().width();
            const int limit = i < 2 ? row[i + 1]->x() : W->ArvSGroupBox->width() - 2;
            EXPECT_LT(right, limit) << row[i]->text().toStdString();
        }
    }
    for (const QLabel* r : {W->NRd1Label1, W->NRdmLabel1, W->NRd2Label1})
        EXPECT_LT(r->x() + r->sizeHint().width(), W->VertKVGroupBox->width() - 1)
            << r->text().toStdString();
}
