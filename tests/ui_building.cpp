// The building in the window: walls made current one after another keep
// their values and texts, the building comes back from its file, and a
// change of a wall no longer in the pages is not lost without a question.
#include "Colours.h"
#include "KorvelsBuilding.h"
#include "KorvelsBuildingReport.h"
#include "KorvelsInputs.h"
#include "NumberText.h"
#include "UiTest.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFile>
#include <QInputDialog>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
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

    // Every cell as the building report's table gives it, without a window.
    void ExpectTableIsTheBuildingsVerdicts() {
        const auto report =
            Korvel::BuildingReport(W->CurrentBuilding(), Korvel::DecimalSeparator());
        QTableWidget* t = W->SeinadTable;
        ASSERT_EQ(t->rowCount(), static_cast<int>(report.walls.size()));
        for (int r = 0; r < t->rowCount(); ++r) {
            const Korvel::CheckedWall& w = report.walls[static_cast<std::size_t>(r)];
            EXPECT_EQ(t->item(r, 0)->text(), w.name);
            EXPECT_EQ(t->item(r, 1)->text(), w.block);
            for (int k = 0; k < Korvel::CheckKindCount; ++k) {
                const auto& c = w.checks[static_cast<std::size_t>(k)];
                QTableWidgetItem* cell = t->item(r, 3 + k);
                EXPECT_EQ(cell->text(), Korvel::CheckCell(c).trimmed()) << r << " " << k;
                if (c.Computed()) {
                    EXPECT_EQ(cell->background().color(), c.state == Korvel::CheckState::Passed
                                                              ? Korvel::MarkerGreen
                                                              : Korvel::MarkerRed);
                }
            }
        }
        EXPECT_EQ(W->HooneLabel->text(), Korvel::Summary(report.walls).join('\n'));
        EXPECT_EQ(t->selectionModel()->selectedRows().value(0).row(), W->CurrentWall());
    }

    // Answers the rename dialog with name; the buttons it showed.
    QStringList Rename(const QString& name) {
        QStringList buttons;
        QTimer::singleShot(0, [&] {
            auto* d = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
            if (!d) return;
            EXPECT_EQ(d->textValue(), W->SeinComboBox->currentText());
            for (QAbstractButton* b : d->findChild<QDialogButtonBox*>()->buttons())
                buttons << b->text().remove('&');
            d->setTextValue(name);
            d->accept();
        });
        Click(W->NimetaSeinButton);
        return buttons;
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

TEST_F(BuildingTest, TheTableFollowsAnInputChangeOfTheCurrentWall) {
    ShowMainWindow();
    OpenThreeWalls();
    ExpectTableIsTheBuildingsVerdicts();
    const QString before = W->SeinadTable->item(0, 3)->text();
    Paste(W->PvldEdit, "690");
    EXPECT_NE(W->SeinadTable->item(0, 3)->text(), before);
    ExpectTableIsTheBuildingsVerdicts();
    // Read out in words: the column, the wall, the verdict and the figure.
    const auto report = Korvel::BuildingReport(W->CurrentBuilding(), Korvel::DecimalSeparator());
    EXPECT_EQ(W->SeinadTable->item(0, 3)->data(Qt::AccessibleTextRole).toString(),
              "S-1, kandevõime: ei vasta, kasutusaste " +
                  Korvel::UtilisationText(report.walls[0].checks[0]) + ", märgitud");
    Choose(2);
    Paste(W->qdEdit, "900");
    ExpectTableIsTheBuildingsVerdicts();
}

TEST_F(BuildingTest, ATickLeavesACheckOutOfTheCountsAndArvutaBringsItBack) {
    ShowMainWindow();
    OpenThreeWalls();
    Paste(W->PvldEdit, "690"); // the vertical capacity fails
    const QString failing = W->HooneLabel->text();
    W->SeinadTable->item(0, 3)->setCheckState(Qt::Unchecked);
    EXPECT_EQ(W->SeinadTable->item(0, 3)->text(), "");
    EXPECT_NE(W->HooneLabel->text(), failing);
    EXPECT_FALSE(W->CurrentBuilding().walls[0].calculation.checks[0]);
    ExpectTableIsTheBuildingsVerdicts();
    EXPECT_TRUE(W->isWindowModified());
    // A wall not in the pages, and "ARVUTA" of the current one.
    W->SeinadTable->item(1, 5)->setCheckState(Qt::Unchecked); // no tick: nothing happens
    W->SeinadTable->item(1, 6)->setCheckState(Qt::Unchecked);
    EXPECT_FALSE(W->CurrentBuilding().walls[1].calculation.checks[2]);
    ExpectTableIsTheBuildingsVerdicts();
    Click(W->Button1);
    EXPECT_EQ(W->SeinadTable->item(0, 3)->checkState(), Qt::Checked);
    EXPECT_EQ(W->HooneLabel->text(), failing);
}

TEST_F(BuildingTest, AddRenameDeleteAndMoveWalls) {
    ShowMainWindow();
    OpenThreeWalls();
    Choose(1);
    Paste(W->hEdit, "2600");
    Click(W->LisaSeinButton);
    EXPECT_EQ(W->CurrentWall(), 2);
    EXPECT_EQ(W->SeinComboBox->currentText(), "Sein 1");
    EXPECT_EQ(W->hEdit->text(), "2600");
    ExpectTableIsTheBuildingsVerdicts();

    // "S-3" is taken: refused with the reason, nothing changes.
    const QStringList buttons = Rename("S-3");
    EXPECT_EQ(buttons, (QStringList{"OK", "Loobu"}));
    ASSERT_EQ(warnings.texts.size(), 1);
    EXPECT_TRUE(warnings.texts[0].contains("juba")) << warnings.texts[0].toStdString();
    EXPECT_TRUE(warnings.allWarningIcon && warnings.allSingleOk);
    EXPECT_EQ(W->SeinComboBox->currentText(), "Sein 1");
    Rename("S-2b");
    EXPECT_EQ(W->SeinComboBox->itemText(2), "S-2b");
    EXPECT_EQ(W->SeinadTable->item(2, 0)->text(), "S-2b");

    Click(W->YlesButton);
    EXPECT_EQ(W->CurrentWall(), 1);
    EXPECT_EQ(W->SeinComboBox->itemText(1), "S-2b");
    EXPECT_EQ(W->SeinComboBox->itemText(2), "S-2");
    EXPECT_EQ(W->hEdit->text(), "2600");
    ExpectTableIsTheBuildingsVerdicts();

    // Asked first; "No" keeps it, "Yes" deletes it and the next becomes current.
    Click(W->KustutaSeinButton);
    ASSERT_EQ(warnings.questions.size(), 1);
    EXPECT_EQ(warnings.questions[0], "Kas kustutada sein \"S-2b\"?");
    EXPECT_EQ(W->WallCount(), 4);
    warnings.yesNoAnswer = QMessageBox::Yes;
    Click(W->KustutaSeinButton);
    EXPECT_EQ(W->WallCount(), 3);
    EXPECT_EQ(W->SeinComboBox->currentText(), "S-2");
    EXPECT_EQ(W->hEdit->text(), "2600");
    ExpectTableIsTheBuildingsVerdicts();
    Choose(2);
    Click(W->KustutaSeinButton);
    EXPECT_EQ(W->SeinComboBox->currentText(), "S-2");
    Click(W->KustutaSeinButton);
    EXPECT_EQ(W->WallCount(), 1);
    EXPECT_FALSE(W->KustutaSeinButton->isEnabled());
    EXPECT_EQ(W->SeinComboBox->currentText(), "S-1");
    ExpectTableIsTheBuildingsVerdicts();
}

TEST_F(BuildingTest, ACsvWithOneRefusedRowIsRefusedWholeAndAGoodOneOpens) {
    ShowMainWindow();
    const QByteArray block = Korvel::Catalogue()[0].name;
    const QByteArray bad = "name;block;hEdit;LEdit;rooEdit;PvldEdit\r\n"
                           "A;" +
                           block +
                           ";2500;5000;1;10\r\n"
                           "B;" +
                           block +
                           ";abc;5000;1;10\r\n"
                           ";;;;;\r\n"
                           "C;" +
                           block + ";2600;5000;1;10\r\n";
    ASSERT_TRUE(Write(Path("seinad.csv"), bad));
    Paste(W->hEdit, "2900");
    EXPECT_FALSE(W->OpenFile(Path("seinad.csv")));
    ASSERT_EQ(warnings.texts.size(), 1);
    EXPECT_TRUE(warnings.texts[0].contains("rida 3")) << warnings.texts[0].toStdString();
    EXPECT_FALSE(warnings.texts[0].contains("rida 2")) << warnings.texts[0].toStdString();
    EXPECT_EQ(W->WallCount(), 1);
    EXPECT_EQ(W->hEdit->text(), "2900");

    ASSERT_TRUE(Write(Path("seinad.csv"), QByteArray(bad).replace("abc", "2700")));
    ASSERT_TRUE(W->OpenFile(Path("seinad.csv"))) << warnings.texts.join('|').toStdString();
    EXPECT_EQ(W->WallCount(), 3);
    EXPECT_EQ(W->SeinComboBox->itemText(2), "C");
    EXPECT_EQ(W->hEdit->text(), "2500");
    EXPECT_EQ(W->windowTitle(), "seinad.csv[*] – KORVEL poorbetoonseinte arvutus")
        << W->windowTitle().toStdString();
    EXPECT_EQ(W->FilePath(), "");
}

TEST_F(BuildingTest, TheExportedCsvOpensAsTheSameBuilding) {
    ShowMainWindow();
    OpenThreeWalls();
    // The options of a check that does not apply are not exported: the
    // concentrated load applies again where its option is on.
    W->SeinadTable->item(1, 4)->setCheckState(Qt::Checked);
    W->SeinadTable->item(2, 4)->setCheckState(Qt::Checked);
    W->SeinadTable->item(0, 6)->setCheckState(Qt::Unchecked);
    Paste(W->PvldEdit, "12" + Sep() + "25");
    const Korvel::Building before = W->CurrentBuilding();
    ASSERT_TRUE(W->ExportCsv(Path("maja.csv")));
    QFile f(Path("maja.csv"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    EXPECT_TRUE(bytes.startsWith("\xEF\xBB\xBFname;block;hEdit;"));
    EXPECT_EQ(bytes.count("\r\n"), 4);
    EXPECT_TRUE(bytes.contains(";12,25;"));
    W->New1Click();
    ASSERT_TRUE(W->OpenFile(Path("maja.csv"))) << warnings.texts.join('|').toStdString();
    EXPECT_TRUE(W->CurrentBuilding() == before);
    EXPECT_EQ(W->CurrentBuilding().project, before.project);
}

TEST_F(BuildingTest, TheReportsNameTheWallAndHooneAruanneReportsEveryWall) {
    ShowMainWindow();
    OpenThreeWalls();
    Choose(1);
    const QStringList lines = CalculateAndReport();
    // The wall is named where the building's report of that wall names it.
    const QStringList alone =
        Korvel::BuildingWallReport(W->CurrentBuilding(), 1, Korvel::DecimalSeparator()).lines;
    EXPECT_EQ(lines.mid(0, 11), alone.mid(0, 11));
    EXPECT_EQ(lines.value(9), QString(14, ' ') + "Sein: S-2");

    W->HooneAruanne1->trigger();
    EXPECT_EQ(W->ArvutPageControl->currentWidget(), W->TulemusedNt);
    EXPECT_TRUE(W->Print1->isEnabled());
    EXPECT_EQ(W->ReportLines().join('\n').toStdString(),
              Korvel::BuildingReport(W->CurrentBuilding(), Korvel::DecimalSeparator())
                  .lines.join('\n')
                  .toStdString());
    Paste(W->hEdit, "2650");
    EXPECT_FALSE(W->ResultsTabVisible());
}

TEST_F(BuildingTest, EnterOnARowMakesItsWallCurrentAndShowsTheFirstPage) {
    ShowMainWindow();
    OpenThreeWalls();
    W->activateWindow();
    W->ArvutPageControl->setCurrentWidget(W->HooneArvut);
    W->SeinadTable->setFocus();
    W->SeinadTable->setCurrentCell(2, 1);
    QTest::keyClick(W->SeinadTable, Qt::Key_Return);
    EXPECT_EQ(W->CurrentWall(), 2);
    EXPECT_EQ(W->SeinComboBox->currentText(), "S-3");
    EXPECT_EQ(W->ArvutPageControl->currentWidget(), W->KandevArvut);
}

} // namespace
