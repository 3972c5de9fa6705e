// Thousands of random user events through the real main window, checking
// after each one that no invalid input reached the record, every edit shows
// its stored value, every visible result and marker belongs to the current
// inputs and a displayed report is the one the inputs give.
//
// The seed is printed; reproduce a failure with KORVEL_SEED=<seed>, run a
// longer sweep with KORVEL_EVENTS=<count> (and KORVEL_SEEDS=<number of seeds>).
#include "KoondjLisa.h"
#include "KorvelsBlocks.h"
#include "KorvelsBuilding.h"
#include "KorvelsInput.h"
#include "KorvelsNumbers.h"
#include "KorvelsTable.h"
#include "KorvelsWall.h"
#include "NumberText.h"
#include "Plokid.h"
#include "TulemusedValik.h"
#include "UiTest.h"

#include <QApplication>
#include <QInputDialog>
#include <QItemSelectionModel>
#include <QMessageBox>
#include <QTableWidget>
#include <QTest>
#include <cmath>
#include <cstdlib>
#include <random>

namespace {

struct FieldRange {
    const char* edit;
    double TArvutused::*field;
    double factor, lower, upper; // stored units
    const char* startText;
};

// The widest ranges a field can ever accept (bounds from the wall at their largest).
const FieldRange ranges[] = {
    {"hEdit", &TArvutused::h, 1000, 0.001, 10.2, "3000"},
    {"LEdit", &TArvutused::L, 1000, 0.001, 12, "5000"},
    {"rooEdit", &TArvutused::roo, 1, 0, 2, "1,00"},
    {"PvldEdit", &TArvutused::Pvld, 1, 0, 700, "50,00"},
    {"evlEdit", &TArvutused::evl, 1000, -5, 5, "20"},
    {"PydEdit", &TArvutused::Pyd, 1, 0, 700, "10,00"},
    {"eyEdit", &TArvutused::ey, 1000, -5, 5, "10"},
    {"qtdEdit", &TArvutused::qtd, 1, -10, 10, "0,60"},
    {"PdEdit", &TArvutused::Pd, 1, 0, 10000, "30,00"},
    {"tkjEdit", &TArvutused::tkj, 1000, 0.001, 0.5, "200"},
    {"bkjEdit", &TArvutused::bkj, 1000, 0.001, 12, "100"},
    {"altEdit", &TArvutused::alt, 1000, 0, 6, "600"},
    {"qndEdit", &TArvutused::qnd, 1, 0, 10000, "70,00"},
    {"tnkEdit", &TArvutused::tnk, 1000, 0.001, 0.5, "150"},
    {"akaEdit", &TArvutused::aka, 1000, 0, 12, "700"},
    {"qdEdit", &TArvutused::qd, 1, 0, 1000, "10,00"},
    {"a1Edit", &TArvutused::a1, 1000, 0, 1, "200"},
    {"LtEdit", &TArvutused::Lt, 1000, 0.001, 15, "2500"},
    {"btEdit", &TArvutused::bt, 1000, 0.001, 2, "200"},
    {"EtEdit", &TArvutused::Et, 1, 1, 250, "1,4"},
    {"ItEdit", &TArvutused::It, 1, 1, 1000000, "45000"},
    {"stEdit", &TArvutused::st, 1000, 0, 12, "500"},
};

class RandomTest : public UiTest {
protected:
    std::mt19937_64 rng;

    int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); }
    bool Chance(double p) { return std::uniform_real_distribution<double>(0, 1)(rng) < p; }

    // Typed texts are short; a paste is now and then a long one.
    QString RandomText(bool mayBeLong = false) {
        static const QString alphabet = "0123456789012345678901234567890123456789-,.,.e +aZõ";
        int length = Pick(7);
        if (mayBeLong && Chance(0.05)) length = 500 + Pick(30000);
        QString s;
        for (int i = 0; i < length; ++i)
            s += alphabet[Pick(static_cast<int>(alphabet.size()))];
        return s;
    }

    QLineEdit* RandomEdit() { return Edit(ranges[Pick(static_cast<int>(std::size(ranges)))].edit); }

    void RandomEvent() {
        const int choice = Pick(21);
        if (std::getenv("KORVEL_TRACE")) std::printf("event kind %d\n", choice);
        switch (choice) {
        case 0:
        case 1:
        case 2:
            Type(RandomEdit(), RandomText());
            break;
        case 3:
        case 4:
            Paste(RandomEdit(), RandomText(true));
            break;
        case 5: {
            auto* e = RandomEdit();
            e->setFocus(Qt::TabFocusReason);
            if (Chance(0.5)) PressEnter(e);
            RandomEdit()->setFocus(Qt::TabFocusReason);
            break;
        }
        case 6: {
            const int index = Pick(W->TKComboBox->count());
            W->TKComboBox->setCurrentIndex(index);
            emit W->TKComboBox->activated(index);
            break;
        }
        case 7:
            W->CheckBox1->click();
            break;
        case 8:
            W->CheckBox2->click();
            break;
        case 9: {
            QRadioButton* radios[] = {W->RadioButton1, W->RadioButton2, W->RadioButton3};
            if (W->TKVRGroupBox->isVisibleTo(W)) radios[Pick(3)]->click();
            break;
        }
        case 10:
        case 11: {
            const int page = Pick(3);
            Click(page == 0 ? W->Button1 : page == 1 ? W->Button2 : W->Button3);
            pageTouched_[page] = true;
            break;
        }
        case 12:
            if (W->KuvaTulemused->isEnabled()) ComposeReport();
            break;
        case 13:
            W->ArvutPageControl->setCurrentIndex(Pick(4));
            break;
        case 14: {
            const int wall = Pick(W->SeinComboBox->count());
            W->SeinComboBox->setCurrentIndex(wall);
            emit W->SeinComboBox->activated(wall);
            break;
        }
        case 15: {
            QAction* step = Chance(0.5) ? W->EelmineSein1 : W->JargmineSein1;
            if (step->isEnabled()) step->trigger();
            if (Chance(0.5))
                emit W->SeinadTable->activated(
                    W->SeinadTable->model()->index(Pick(W->SeinadTable->rowCount()), Pick(8)));
            break;
        }
        case 16:
            if (W->WallCount() < 6) Click(W->LisaSeinButton);
            break;
        case 17: {
            static const char* names[] = {"Sein 1", "Sein 2", "S-1", "", " S", "Välissein"};
            const QString name = QString::fromUtf8(names[Pick(6)]);
            QTimer::singleShot(0, [name] {
                if (auto* d = qobject_cast<QInputDialog*>(QApplication::activeModalWidget())) {
                    d->setTextValue(name);
                    d->accept();
                }
            });
            Click(W->NimetaSeinButton);
            break;
        }
        case 18:
            warnings.yesNoAnswer = Chance(0.5) ? QMessageBox::Yes : QMessageBox::No;
            if (W->KustutaSeinButton->isEnabled()) Click(W->KustutaSeinButton);
            break;
        case 19: {
            QPushButton* move = Chance(0.5) ? W->YlesButton : W->AllaButton;
            if (Chance(0.5) && move->isEnabled()) {
                Click(move);
                break;
            }
            const int columns[] = {3, 4, 6};
            QTableWidgetItem* cell =
                W->SeinadTable->item(Pick(W->SeinadTable->rowCount()), columns[Pick(3)]);
            cell->setCheckState(cell->checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
            break;
        }
        case 20:
            ChooseInBlocksDialog();
            break;
        }
    }

    // The drop-down, the table and its summary are the building's walls,
    // each evaluated on its own without any window.
    void CheckBuilding(std::uint64_t seed, int event) {
        const Korvel::Building b = W->CurrentBuilding();
        const int n = static_cast<int>(b.walls.size());
        ASSERT_EQ(W->SeinComboBox->count(), n) << "seed " << seed << ", event " << event;
        ASSERT_EQ(W->SeinComboBox->currentIndex(), W->CurrentWall()) << "event " << event;
        ASSERT_EQ(W->SeinadTable->rowCount(), n) << "event " << event;
        ASSERT_EQ(W->SeinadTable->selectionModel()->selectedRows().value(0).row(), W->CurrentWall())
            << "event " << event;
        ASSERT_EQ(W->KustutaSeinButton->isEnabled(), n > 1);
        std::vector<Korvel::CheckedWall> walls;
        for (int i = 0; i < n; ++i) {
            const auto& wall = b.walls[static_cast<std::size_t>(i)];
            ASSERT_EQ(W->SeinComboBox->itemText(i), wall.name);
            Korvel::CheckedWall w;
            static_cast<Korvel::WallOutcome&>(w) = Korvel::EvaluateWall(
                b.Checked(static_cast<std::size_t>(i)), Korvel::DecimalSeparator());
            w.name = wall.name;
            w.block = wall.calculation.block;
            ASSERT_EQ(W->SeinadTable->item(i, 0)->text(), wall.name);
            for (int k = 0; k < Korvel::CheckKindCount; ++k)
                ASSERT_EQ(W->SeinadTable->item(i, 3 + k)->text().toStdString(),
                          Korvel::CheckCell(w.checks[static_cast<std::size_t>(k)])
                              .trimmed()
                              .toStdString())
                    << "wall " << i << ", check " << k << " (seed " << seed << ", event " << event
                    << ")";
            const int columns[] = {3, 4, 6};
            for (int page = 0; page < 3; ++page)
                ASSERT_EQ(W->SeinadTable->item(i, columns[page])->checkState() == Qt::Checked,
                          wall.calculation.checks[static_cast<std::size_t>(page)])
                    << "event " << event;
            walls.push_back(std::move(w));
        }
        ASSERT_EQ(W->HooneLabel->text(), Korvel::Summary(walls).join('\n')) << "event " << event;
    }

    // "Sobivad plokid ...": the dialog shows what is computed without a
    // window; a product chosen in it by any of its ways leaves the state that
    // choosing it in the block list leaves, and closing it changes nothing.
    void ChooseInBlocksDialog() {
        const Korvel::BlockChoice expected =
            Korvel::ChooseBlock(W->CurrentCalculation(), Korvel::DecimalSeparator());
        const int best = expected.recommended >= 0 ? expected.recommended : expected.current;
        const QString advice =
            expected.recommended < 0
                ? QString("Ükski plokk ei sobi.")
                : QString("Kõige õhem sobiv plokk: %1, suurim kasutusaste %2.")
                      .arg(W->TKComboBox->itemText(best),
                           Korvel::LargestText(expected.products[static_cast<std::size_t>(best)]));
        const int row = Pick(W->TKComboBox->count()), way = Pick(5);
        int chosen = -1;
        QString wrong;
        QTimer::singleShot(0, [&] {
            auto* form = W->findChild<TPlokidForm*>();
            if (!form || !form->isVisible()) {
                wrong = "the dialog did not open";
                return;
            }
            if (form->SelectedBlock() != best || form->SoovitusLabel->text() != advice)
                wrong = "shows " + form->SoovitusLabel->text();
            QTableWidget* table = form->PlokidTable;
            table->selectRow(row);
            table->scrollToItem(table->item(row, 0));
            const QPoint at = table->visualItemRect(table->item(row, 0)).center();
            chosen = way < 3 ? row : -1;
            if (way == 0) form->ValiPlokkButton->click();
            if (way == 1) QTest::keyClick(table, Qt::Key_Return);
            if (way == 2) {
                // As a mouse sends a double click: press, release, double click, release.
                QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, at);
                QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, at);
                QTest::mouseRelease(table->viewport(), Qt::LeftButton, {}, at);
            }
            if (way == 3) form->SulgePlokidButton->click();
            if (way == 4) QTest::keyClick(table, Qt::Key_Escape);
            if (form->isVisible()) {
                wrong = QString("still open after way %1").arg(way);
                form->reject();
            }
        });
        const QStringList before = WindowState();
        W->Plokid1->trigger();
        ASSERT_TRUE(wrong.isEmpty()) << wrong.toStdString();
        if (chosen < 0) {
            ASSERT_EQ(StateDifference(WindowState(), before), "") << "closing changed the window";
            return;
        }
        const QStringList viaDialog = WindowState();
        W->TKComboBox->setCurrentIndex(chosen);
        emit W->TKComboBox->activated(chosen);
        ASSERT_EQ(StateDifference(WindowState(), viaDialog), "") << "not the block list's choice";
    }

    void ComposeReport() {
        auto* choice = TulemusedValikForm;
        const bool tick[3] = {Chance(0.7), Chance(0.7), Chance(0.7)};
        const bool show = Chance(0.85);
        QTimer::singleShot(0, [=, this] {
            QCheckBox* boxes[] = {choice->AVKYSKCheckBox, choice->KKJCheckBox,
                                  choice->ToesCheckBox};
            for (int i = 0; i < 3; ++i) {
                if (tick[i] && boxes[i]->isEnabled()) boxes[i]->setChecked(true);
                if (show) composedWith_[i] = boxes[i]->isChecked();
            }
            (show ? choice->KuvaButton : choice->LoobuButton2)->click();
        });
        W->KuvaTulemusedClick();
    }

    void CheckInputs(std::uint64_t seed, int event) {
        for (const FieldRange& f : ranges) {
            const double stored = W->ARVUT.get()->*(f.field);
            ASSERT_TRUE(stored >= f.lower && stored <= f.upper)
                << f.edit << " holds " << stored << " (seed " << seed << ", event " << event << ")";
            const QString text = Edit(f.edit)->text();
            double shown = 0;
            if (!ParseNumber(text, shown)) {
                // Only an untouched start text in the other decimal form.
                ASSERT_EQ(text, QString::fromUtf8(f.startText))
                    << f.edit << " (seed " << seed << ", event " << event << ")";
                continue;
            }
            ASSERT_NEAR(shown / f.factor, stored, 1e-9 * std::max(1.0, std::fabs(stored)))
                << f.edit << " shows " << text.left(40).toStdString() << " (seed " << seed
                << ", event " << event << ")";
        }
    }

    void ExpectLabel(QLabel* label, const QString& expected, std::uint64_t seed, int event) {
        ASSERT_EQ(label->text(), expected)
            << label->objectName().toStdString() << " (seed " << seed << ", event " << event << ")";
    }

    void ExpectMarker(QLabel* marker, double acting, double limit, std::uint64_t seed, int event) {
        const QString sign = acting < limit ? "<" : acting == limit ? "=" : ">";
        ASSERT_EQ(marker->text(), sign) << marker->objectName().toStdString() << " (seed " << seed
                                        << ", event " << event << ")";
        ASSERT_EQ(ColourName(marker), sign == ">" ? "red" : "green")
            << marker->objectName().toStdString();
    }

    void CheckResults(std::uint64_t seed, int event) {
        using Korvel::Fmt;
        TArvutused r = *W->ARVUT;
        if (Shown(W->ArvSGroupBox)) {
            r.SisejArvutus();
            r.KandevNRdmArvutus();
            r.KandevNRd1Arvutus();
            r.KandevNRd2Arvutus();
            ExpectLabel(W->Nsd1Label1, Fmt("N        = %.2f kN", {r.Nsd1}), seed, event);
            ExpectLabel(W->NRdmLabel1, Fmt("N          = %.2f kN", {r.NRdm * 1000}), seed, event);
            ExpectLabel(W->eLabel4, Fmt("e    = %.2f mm", {r.emk * 1000}), seed, event);
            ExpectMarker(W->KTingLabel1, r.Nsd1, r.NRd1 * 1000, seed, event);
            ExpectMarker(W->KTingLabel2, r.Nsdm, r.NRdm * 1000, seed, event);
            ExpectMarker(W->KTingLabel3, r.Nsd2, r.NRd2 * 1000, seed, event);
            ASSERT_LE(Korvel::CompareSlenderness(r.lambdah), 0);
        }
        if (Shown(W->SigmaCGroupBox) && pageTouched_[1]) {
            r.KoonjArvutus();
            ExpectLabel(W->SigmaCLabel2, Fmt("%.2f MPa", {r.sigmac}), seed, event);
            ExpectLabel(W->SigmaAdmLabel2, Fmt("%.2f MPa", {r.sigmaadm}), seed, event);
            ExpectMarker(W->KTingLabel4, r.sigmac, r.sigmaadm, seed, event);
        }
        if (Shown(W->SigmaTmaxGroupBox) && W->MNKGroupBox->isVisibleTo(W)) {
            r.KoonjNurkArvutus();
            ExpectLabel(W->SigmaTmaxLabel2, Fmt("%.2f MPa", {r.sigmatmax}), seed, event);
            ExpectMarker(W->KTingLabel5, r.sigmatmax, 0.8 * r.ftu, seed, event);
            ASSERT_EQ(Shown(W->NtLabel1), r.sigmatmax > 0.8 * r.ftu);
        }
        if (Shown(W->SigmaMaxGroupBox1) && pageTouched_[2]) {
            r.ToesArvutus();
            ExpectLabel(W->SigmaMaxLabel2, Fmt("%.2f MPa", {r.sigmamax}), seed, event);
            ExpectMarker(W->KTingLabel6, r.sigmamax, r.fd, seed, event);
        }
        if (Shown(W->SigmaMaxGroupBox2) && W->TKVRGroupBox->isVisibleTo(W)) {
            r.ToesEfektArvutus();
            ExpectLabel(W->fdflocLabel1, Fmt("f    = f        = %.2f MPa", {r.floc}), seed, event);
            ExpectMarker(W->KTingLabel7, r.sigmamax, r.floc, seed, event);
        }
        if (KoondjLisaForm->isVisible()) {
            r.KoonjArvutus();
            ExpectLabel(KoondjLisaForm->SigmaCLabel6, Fmt("%.2f MPa", {r.sigmac}), seed, event);
            const double ratio = 2 * r.alt / r.h;
            ASSERT_TRUE(ratio == 0 || ratio >= 1) << "window open in the ordinary case";
            ExpectMarker(KoondjLisaForm->KTingLabel9, r.sigmac, (ratio == 0 ? 1.25 : 1.5) * r.fd,
                         seed, event);
        }
        if (W->ResultsTabVisible()) {
            // Composed again from the sections chosen for it: showing the dialog
            // again unticks the boxes without touching the report.
            QCheckBox* boxes[] = {TulemusedValikForm->AVKYSKCheckBox,
                                  TulemusedValikForm->KKJCheckBox,
                                  TulemusedValikForm->ToesCheckBox};
            bool ticked[3];
            for (int i = 0; i < 3; ++i) {
                ticked[i] = boxes[i]->isChecked();
                boxes[i]->setChecked(composedWith_[i]);
            }
            const QStringList shown = W->ReportLines();
            W->AndmeteSisestus();
            const QStringList fresh = W->ReportLines();
            for (int i = 0; i < 3; ++i)
                boxes[i]->setChecked(ticked[i]);
            for (qsizetype i = 0; i < std::max(shown.size(), fresh.size()); ++i)
                ASSERT_EQ(shown.value(i).toStdString(), fresh.value(i).toStdString())
                    << "stale report line " << i << " (seed " << seed << ", event " << event << ")";
        }
    }

    // The start texts of the result rows are design texts until the page
    // first computes or hides them.
    bool pageTouched_[3] = {true, false, false};
    // The section choice of the report on display.
    bool composedWith_[3] = {false, false, false};
};

std::uint64_t SeedFromEnvironment(int index) {
    if (const char* s = std::getenv("KORVEL_SEED")) return std::strtoull(s, nullptr, 10) + index;
    return std::random_device{}() + static_cast<std::uint64_t>(index);
}

} // namespace

TEST_F(RandomTest, RandomEventsKeepTheWindowConsistent) {
    const int events =
        std::getenv("KORVEL_EVENTS") ? std::atoi(std::getenv("KORVEL_EVENTS")) : 4000;
    const int seeds = std::getenv("KORVEL_SEEDS") ? std::atoi(std::getenv("KORVEL_SEEDS")) : 1;
    for (int s = 0; s < seeds; ++s) {
        if (s > 0) {
            TearDown();
            SetUp();
        }
        const std::uint64_t seed = SeedFromEnvironment(s);
        std::printf("random events: seed %llu, %d events (KORVEL_SEED=%llu reproduces)\n",
                    static_cast<unsigned long long>(seed), events,
                    static_cast<unsigned long long>(seed));
        std::fflush(stdout);
        rng.seed(seed);
        pageTouched_[1] = pageTouched_[2] = false;
        ShowMainWindow();
        for (int i = 0; i < events; ++i) {
            RandomEvent();
            if (!Shown(W->SigmaCGroupBox)) pageTouched_[1] = true;
            if (!Shown(W->SigmaMaxGroupBox1)) pageTouched_[2] = true;
            CheckInputs(seed, i);
            if (HasFatalFailure()) return;
            CheckResults(seed, i);
            if (HasFatalFailure()) return;
            CheckBuilding(seed, i);
            if (HasFatalFailure()) return;
        }
    }
}
