// The main window with the keyboard alone: Enter and Tab follow the input
// chain, Enter presses a focused button, F10 and Alt reach the menu bar.
#include "UiTest.h"

#include <QApplication>
#include <QMenuBar>
#include <QTest>

class KeysTest : public UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        ShowMainWindow();
    }
    QWidget* Focus() const { return QApplication::focusWidget(); }
    QWidget* TabFrom(QWidget* w) {
        w->setFocus(Qt::TabFocusReason);
        QTest::keyClick(w, Qt::Key_Tab);
        return Focus();
    }
};

TEST_F(KeysTest, EnterReachesAFieldWithItsTextSelectedSoTypingReplacesIt) {
    W->hEdit->setFocus();
    PressEnter(W->hEdit);
    ASSERT_EQ(Focus(), W->LEdit);
    EXPECT_EQ(W->LEdit->selectedText(), "5000");
    QTest::keyClicks(W->LEdit, "4000");
    EXPECT_EQ(W->LEdit->text(), "4000");
    EXPECT_DOUBLE_EQ(W->ARVUT->L, 4.0);
    EXPECT_TRUE(warnings.texts.isEmpty());
}

TEST_F(KeysTest, EnterAndKeypadEnterPressAFocusedCalculateButton) {
    W->Button1->setFocus();
    QTest::keyClick(W->Button1, Qt::Key_Return);
    EXPECT_TRUE(W->KuvaTulemused->isEnabled());
    EXPECT_TRUE(Shown(W->ArvSGroupBox));

    W->ArvutPageControl->setCurrentWidget(W->ToesArvut);
    W->Button3->setFocus();
    QTest::keyClick(W->Button3, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_TRUE(Shown(W->SigmaMaxGroupBox1));
}

TEST_F(KeysTest, TabFollowsTheEnterChainThenTheChoicesThenCalculate) {
    EXPECT_EQ(TabFrom(W->rooEdit), W->TKComboBox);
    EXPECT_EQ(TabFrom(W->PvldEdit), W->evlEdit);
    EXPECT_EQ(TabFrom(W->qtdEdit), W->Button1);

    W->ArvutPageControl->setCurrentWidget(W->KoondjArvut);
    EXPECT_EQ(TabFrom(W->PdEdit), W->tkjEdit);
    EXPECT_EQ(TabFrom(W->altEdit), W->CheckBox2);
    // The corner inputs are hidden until the box is ticked.
    EXPECT_EQ(TabFrom(W->CheckBox2), W->Button2);
    W->CheckBox2->click();
    EXPECT_EQ(TabFrom(W->CheckBox2), W->qndEdit);
    EXPECT_EQ(TabFrom(W->akaEdit), W->Button2);

    W->ArvutPageControl->setCurrentWidget(W->ToesArvut);
    EXPECT_EQ(TabFrom(W->ItEdit), W->CheckBox1);
    EXPECT_EQ(TabFrom(W->CheckBox1), W->Button3);
}

TEST_F(KeysTest, F10AndAltReachTheMenuBarWithoutLeavingTheField) {
    Paste(W->PvldEdit, "12" + Sep() + "346");
    W->PvldEdit->setFocus(Qt::TabFocusReason);
    QTest::keyClick(W->PvldEdit, Qt::Key_F10);
    EXPECT_EQ(W->menuBar()->activeAction(), W->File1->menuAction());
    EXPECT_TRUE(W->menuBar()->hasFocus());
    EXPECT_EQ(W->PvldEdit->text(), "12" + Sep() + "346");
    QTest::keyClick(W->menuBar(), Qt::Key_Escape);
    EXPECT_EQ(Focus(), W->PvldEdit);

    QTest::keyClick(W->PvldEdit, Qt::Key_Alt);
    EXPECT_EQ(W->menuBar()->activeAction(), W->File1->menuAction());
    EXPECT_EQ(W->PvldEdit->text(), "12" + Sep() + "346");
    QTest::keyClick(W->menuBar(), Qt::Key_Escape);
    EXPECT_EQ(W->PvldEdit->text(), "12" + Sep() + "346");
}
