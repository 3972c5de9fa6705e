// The building in the window: walls made current one after another keep
// their values and texts, the building comes back from its file, and a
// change of a wall no longer in the pages is not lost without a question.
#include "KorvelsBuilding.h"
#include "KorvelsInputs.h"
#include "UiTest.h"

#include <QFile>
#include <QTemporaryDir>
#include <cstring>

using Korvel::Calculation;

namespace {

bool Write(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

// Bit for bit: -0.0 and 0.0 differ here.
bool SameInputs(const TArvutused& a, const TArvutused& b) {
    for (const auto& f : Korvel::InputFields())
        if (std::memcmp(&(a.*(f.field)), &(b.*(f.field)), sizeof(double)) != 0) return false;
    return true;
}

class BuildingTest : public UiTest {
protected:
    QTemporaryDir dir;

    QString Path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }

    // Three walls of different blocks, texts and options.
    void OpenThreeWalls() {
        Korvel::Building b;
        b.project[0] = "Maja";
        Calculation c = Calculation::Start();
        b.walls.push_back({"S-1", c, {}});
        c.block = QString::fromUtf8(Korvel::Catalogue()[3].name);
        c.inputs[0] = "2700";
        c.inputs[3] = "-0.0";
        c.checkBox2 = true;
        c.checks = {true, false, true};
        b.walls.push_back({"S-2", c, {}});
        c.position = 3;
        c.checkBox1 = true;
        c.inputs[1] = "4200";
        b.walls.push_back({"S-3", c, {}});
        ASSERT_TRUE(Write(Path("maja.korvel"), Korvel::WriteBuilding(b)));
        ASSERT_TRUE(W->OpenFile(Path("maja.korvel"))) << warnings.texts.join('|').toStdString();
    }

    void Choose(int wall) {
        W->SeinComboBox->setCurrentIndex(wall);
        emit W->SeinComboBox->activated(wall);
    }

    QStringList FieldTexts() const {
        QStringList texts;
        for (const auto& f : Korvel::InputFields())
            texts << Edit(f.name)->text();
        return texts;
    }
};

TEST_F(BuildingTest, SwitchingWallsKeepsEachWallsValuesAndTextsAndChangesNothing) {
    ShowMainWindow();
    OpenThreeWalls();
    ASSERT_EQ(W->SeinComboBox->count(), 3);
    EXPECT_EQ(W->SeinComboBox->currentText(), "S-1");
    Paste(W->evlEdit, "-0");
    Paste(W->PvldEdit, "12" + Sep() + "5");
    const TArvutused first = *W->ARVUT;
    const QStringList firstTexts = FieldTexts();
    EXPECT_TRUE(W->isWindowModified());

    Choose(1);
    EXPECT_EQ(W->CurrentWall(), 1);
    EXPECT_EQ(W->TKComboBox->currentText(), QString::fromUtf8(Korvel::Catalogue()[3].name));
    EXPECT_EQ(W->hEdit->text(), "2700");
    EXPECT_TRUE(W->CheckBox2->isChecked());
    const TArvutused second = *W->ARVUT;
    const QStringList secondTexts = FieldTexts();
    Choose(2);
    EXPECT_TRUE(W->RadioButton3->isChecked());
    W->ArvutPageControl->setCurrentWidget(W->ToesArvut);
    Choose(0);
    EXPECT_EQ(W->ArvutPageControl->currentWidget(), W->ToesArvut); // the page stays
    EXPECT_TRUE(SameInputs(*W->ARVUT, first));
    EXPECT_EQ(FieldTexts(), firstTexts);
    Choose(1);
    EXPECT_TRUE(SameInputs(*W->ARVUT, second));
    EXPECT_EQ(FieldTexts(), secondTexts);
    EXPECT_EQ(W->CurrentBuilding().walls[1].calculation.checks, (std::array{true, false, true}));

    // Back to the values it was opened with: switching was no change.
    Choose(0);
    Paste(W->evlEdit, "20");
    Paste(W->PvldEdit, "50" + Sep() + "00");
    EXPECT_FALSE(W->isWindowModified());
}

TEST_F(BuildingTest, SaveAndOpenGiveTheSameBuilding) {
    ShowMainWindow();
    OpenThreeWalls();
    Choose(2);
    Paste(W->LtEdit, "3100");
    Choose(1);
    const Korvel::Building before = W->CurrentBuilding();
    ASSERT_TRUE(W->SaveFile(Path("b.korvel")));
    EXPECT_FALSE(W->isWindowModified());
    W->New1Click();
    EXPECT_EQ(W->SeinComboBox->count(), 1);
    EXPECT_EQ(W->SeinComboBox->currentText(), "Sein 1");
    ASSERT_TRUE(W->OpenFile(Path("b.korvel")));
    EXPECT_TRUE(W->CurrentBuilding() == before);
    EXPECT_EQ(W->CurrentBuilding().walls[2].calculation.inputs[17], "3100");
    EXPECT_EQ(W->CurrentBuilding().project[0], "Maja");
}

TEST_F(BuildingTest, AChangeOfAWallNoLongerCurrentIsAskedAbout) {
    ShowMainWindow();
    OpenThreeWalls();
    Paste(W->hEdit, "2800");
    Choose(2);
    EXPECT_TRUE(W->isWindowModified());
    warnings.saveAnswer = QMessageBox::Cancel;
    EXPECT_FALSE(W->close());
    EXPECT_EQ(warnings.questions.size(), 1);
    Choose(0);
    EXPECT_EQ(W->hEdit->text(), "2800");
}

} // namespace
