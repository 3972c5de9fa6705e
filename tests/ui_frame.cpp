#include "About.h"
#include "UiTest.h"

#include <QAction>
#include <QTabWidget>

using FrameTest = UiTest;

TEST_F(FrameTest, StartsOnTheFirstPageWithTheResultsTabHiddenAndReportMenusDisabled) {
    ShowMainWindow();
    EXPECT_EQ(AboutBox->result(), QDialog::Accepted);
    EXPECT_EQ(W->ArvutPageControl->currentWidget(), W->KandevArvut);
    EXPECT_FALSE(W->ResultsTabVisible());
    EXPECT_FALSE(W->Print1->isEnabled());
    EXPECT_FALSE(W->KuvaTulemused->isEnabled());
}
