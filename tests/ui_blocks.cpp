// "Sobivad plokid ...": choosing a product in the dialog is choosing it in
// the block list, and closing the dialog changes nothing.
#include "KorvelsInputs.h"
#include "Plokid.h"
#include "UiTest.h"

#include <QTableWidget>
#include <functional>

namespace {

class BlocksTest : public UiTest {
protected:
    // A wall its own block does not carry, every page calculated: the bearing
    // area fits the block, the loads are too heavy for it.
    void HeavyWall() {
        ShowMainWindow();
        Paste(Edit("tkjEdit"), "150");
        Paste(Edit("PvldEdit"), Num("150.00"));
        Click(W->Button1);
        Click(W->Button2);
        Click(W->Button3);
    }

    // Opens the dialog from the menu; act runs while it is shown.
    void WithDialog(const std::function<void(TPlokidForm*)>& act) {
        bool shown = false;
        QTimer::singleShot(0, [&] {
            auto* form = W->findChild<TPlokidForm*>();
            shown = form && form->isVisible();
            if (shown) act(form);
        });
        W->Plokid1->trigger();
        EXPECT_TRUE(shown);
    }
};

} // namespace

TEST_F(BlocksTest, ChoosingInTheDialogIsChoosingInTheBlockList) {
    HeavyWall();
    ASSERT_TRUE(W->KuvaTulemused->isEnabled());
    int chosen = -1;
    WithDialog([&](TPlokidForm* form) {
        EXPECT_EQ(form->windowTitle(), "Sobivad plokid");
        EXPECT_EQ(form->SoovitusLabel->text(),
                  "Kõige õhem sobiv plokk: Dursa 200, suurim kasutusaste 83 %.");
        chosen = form->SelectedBlock();
        form->ValiPlokkButton->click();
    });
    ASSERT_EQ(chosen, Korvel::FindBlock("Dursa 200"));
    EXPECT_EQ(W->TKComboBox->currentText(), "Dursa 200");
    const QStringList viaDialog = WindowState();

    TearDown();
    SetUp();
    HeavyWall();
    W->TKComboBox->setCurrentIndex(chosen);
    emit W->TKComboBox->activated(chosen);
    EXPECT_EQ(StateDifference(WindowState(), viaDialog), "");
}

TEST_F(BlocksTest, SulgeChangesNothing) {
    HeavyWall();
    const QStringList before = WindowState();
    WithDialog([](TPlokidForm* form) {
        form->PlokidTable->selectRow(0);
        form->SulgePlokidButton->click();
    });
    EXPECT_EQ(StateDifference(WindowState(), before), "");
}
