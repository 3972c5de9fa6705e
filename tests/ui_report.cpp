// The report: project data dialog, section choice, the composed text line by
// line, the results page with its print item, and printing into a PDF.
#include "Andmed.h"
#include "KoondjLisa.h"
#include "NumberText.h"
#include "TulemusedValik.h"
#include "UiTest.h"

#include <QAbstractPrintDialog>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPageSize>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>
#include <QTextEdit>
#include <csignal>
#include <functional>
#include <sys/resource.h>

namespace {

// Expected texts are written with '#' for the locale's decimal separator.
QString N(const char* text) {
    QString s = QString::fromUtf8(text);
    s.replace(QChar('#'), Korvel::DecimalSeparator());
    return s;
}

QStringList N(std::initializer_list<const char*> texts) {
    QStringList out;
    for (const char* t : texts)
        out << N(t);
    return out;
}

// The header for the start values, an empty title and empty project fields.
QStringList StartHeader() {
    return N({"",
              "                ARVUTUSE \"Nimetu\" ANDMED",
              "",
              "              Objekti nimi: ",
              "              Projekti number: ",
              "              Tellija: ",
              "              Projekteerija: ",
              "              Kuupäev: ",
              "              Märkus: ",
              "",
              "",
              "                MÜÜRITISE GEOMEETRIA",
              "",
              "              Seina paksus t  =  150 mm",
              "              Seina kõrgus h =  3000 mm",
              "              Seina pikkus L =  5000 mm",
              "              Arvutuskõrguse tegur roo  =  1#00",
              "",
              "              Seina saledus Lambda(h)  =  20#00 < 27",
              "              Seina saledus ON LUBATUD PIIRIDES - OK!",
              "",
              "",
              "                KORVEL PLOKK",
              "",
              "              Toote nimetus  -  Ilvo 150",
              "              Tihedusklass roo(p)  =  450 kg/m3",
              "              Normatiivne survetugevus f(b)  =  3#50 MPa",
              "              Arvutuslik survetugevus f(bd)  =  1#75 MPa",
              "              Elastsusmoodul E  =  1400 MPa",
              "",
              "",
              "                MÜÜRITISE TUGEVUSNÄITAJAD",
              "",
              "              Normatiivne survetugevus f(k)  =  2#32 MPa",
              "              Arvutuslik survetugevus f(d)  =  1#16 MPa",
              "              Elastsusmoodul Em  =  1508 MPa",
              "",
              ""});
}

} // namespace

class ReportTest : public UiTest {
protected:
    TTulemusedValikForm* Valik() const { return TulemusedValikForm; }

    // Opens a modal dialog with open() and runs body once it is up; a guard
    // closes a dialog the body left open so that a failure cannot hang.
    void WhileModal(const std::function<void()>& open, const std::function<void()>& body) {
        QTimer guard;
        guard.setSingleShot(true);
        QObject::connect(&guard, &QTimer::timeout, [] {
            if (auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                ADD_FAILURE() << "dialog left open: " << d->objectName().toStdString();
                d->reject();
            }
        });
        guard.start(5000);
        QTimer::singleShot(0, body);
        open();
    }

    // "Kuva tulemused ...", tick the chosen boxes, "Kuva".
    void Compose(bool vertical, bool concentrated, bool support) {
        WhileModal([this] { W->KuvaTulemusedClick(); },
                   [=, this] {
                       EXPECT_FALSE(Valik()->AVKYSKCheckBox->isChecked());
                       EXPECT_FALSE(Valik()->KKJCheckBox->isChecked());
                       EXPECT_FALSE(Valik()->ToesCheckBox->isChecked());
                       if (vertical) Click(Valik()->AVKYSKCheckBox);
                       if (concentrated) Click(Valik()->KKJCheckBox);
                       if (support) Click(Valik()->ToesCheckBox);
                       Click(Valik()->KuvaButton);
                   });
    }

    QStringList Lines() const { return W->ReportLines(); }

    // The lines after the header and its "ARVUTUSED" block.
    QStringList Sections() const {
        const QStringList all = Lines();
        return all.mid(StartHeader().size() + 2);
    }

    // The concentrated-load inputs of the worked example (a bearing area
    // that fits the 150 mm wall).
    void ConcentratedInputs() {
        Paste(W->PdEdit, N("30#00"));
        Paste(W->tkjEdit, "150");
    }

    void ComputeAllWithCornerAndFreeSpace() {
        Click(W->Button1);
        ConcentratedInputs();
        Paste(W->qndEdit, N("70#00"));
        Click(W->CheckBox2);
        Click(W->Button2);
        Paste(W->qdEdit, N("10#00"));
        Paste(W->EtEdit, N("1#4"));
        Click(W->CheckBox1);
        Click(W->Button3);
        EXPECT_TRUE(warnings.texts.isEmpty()) << warnings.texts.join("|").toStdString();
    }
};

// ---- composed text

TEST_F(ReportTest, FullReportForTheStartValuesLineByLine) {
    ComputeAllWithCornerAndFreeSpace();
    Compose(true, true, true);

    QStringList expected = StartHeader();
    expected << N({"                ARVUTUSED", ""});
    expected << N({
        "                AVADETA VERTIKAALKOORMUSEGA ÜHEKIHILISE SEINA KANDEVÕIME",
        "",
        "              Arvutuslikud koormused:",
        "              1) koormus vahelaelt või laelt P(vld)  =  50#00 kN/m ekstsentrilisusega "
        "e(vl)  =  20 mm",
        "              2) koormus peale vahelage/lage P(üd)  =  10#00 kN/m ekstsentrilisusega "
        "e(ü)  =  10 mm",
        "              3) horisontaalne tuulekoormus q(tuul.d)  =  0#60 kN/m",
        "",
        "              Arvutustulemused:",
        "              1) arvutuslik pikijõud seina ülemises osas (lõige 1-1) N(sd1)  =  60#00 kN "
        "< 116#02 kN, kus",
        "                  seina kandevõime ülemises osas (lõige 1-1) N(Rd1)  =  116#02 kN.",
        "                  Seina kandevõime ülemises osas ON TAGATUD - OK!",
        "",
        "              2) arvutuslik pikijõud seina keskmises osas (lõige m-m) N(sdm)  =  60#97 kN "
        "< 96#57 kN, kus",
        "                  seina kandevõime keskmises osas (lõige m-m) N(Rdm)  =  96#57 kN ja",
        "                  nõtketegur on 0#658.",
        "                  Seina kandevõime keskmises osas ON TAGATUD - OK!",
        "",
        "              3) arvutuslik pikijõud seina alumises osas (lõige 2-2) N(sd2)  =  62#43 kN "
        "< 150#82 kN, kus",
        "                  seina kandevõime alumises osas (lõige 2-2) N(Rd2)  =  150#82 kN.",
        "                  Seina kandevõime alumises osas ON TAGATUD - OK!",
        "",
        "",
    });
    expected << N({
        "                KOORMAMINE KOONDATUD JÕUGA",
        "",
        "              1) Koormamine koondatud jõuga",
        "              Koormused ja geomeetria:",
        "                  Arvutuslik koondatud jõud P(d)  =  30#00 kN",
        "",
        "                  Koormuse toetuspinna laius seina paksuse sihis t(kj)  =  150 mm",
        "                  Koormuse toetuspinna ulatus seina pikkuse sihis b(kj)  =  100 mm",
        "                  Kaugus seina servast jõu toetuspinna lähima ääreni a(lt)  =  600 mm",
        "",
        "              Arvutustulemused:",
        "                  Survepinge jõu all Sigma(c)  =  2#00 MPa > 1#76 MPa, kus",
        "                  lubatud pinge jõu all Sigma(adm)  =  1#76 MPa.",
        "                  Seina tugevus POLE TAGATUD - NB!",
        "",
        "              2) Müüritise nurga koormamine",
        "              Koormused ja geomeetria:",
        "                  Arvutuslik jaotatud koormus q(nd)  =  70#00 kN/m",
        "",
        "                  Koormuse toetuspinna laius seina paksuse sihis t(nk)  =  150 mm",
        "                  Nurga koormatud ala ulatus seina pikkuse sihis a(ka)  =  700 mm",
        "",
        "              Arvutustulemused:",
        "                  Max. tõmbepinge müüritises Sigma(t.max)  =  0#20 MPa > 0#17 MPa, kus",
        "                  müüritise tugevus horisontaalsuunas 0,8f(t.u)  =  0#17 MPa.",
        "                  Müüritise nurga tugevus armeeringuta POLE TAGATUD - NB!",
        "                  Müüritise nurk tuleb armeerida tõmbejõule N(t)  =  9#28 kN - OK!",
        "",
        "",
    });
    expected << N({
        "                TOESÕLMED",
        "",
        "              Koormused ja geomeetria:",
        "              Seinale toetuvale talale mõjuv arvutuslik jaotatud koormus q(d)  =  10#00 "
        "kN/m",
        "",
        "              Tala toetuspikkus a(1)  =  200 mm",
        "              Tala pikkus L(t)  =  2500 mm",
        "              Tala otsa laius b(t)  =  200 mm",
        "              Tala elastsusmoodul E(t)  =  1#4 GPa",
        "              Tala inertsimoment I(t)  =  45000 cm4",
        "",
        "              Arvutustulemused:",
        "              1) Toesõlme arvutus üldistel juhtudel",
        "                  Max. pinge toesõlmes Sigma(max)  =  0#87 MPa < 1#16 MPa, kus",
        "                  seina arvutuslik survetugevus f(d)  =  1#16 MPa.",
        "                  Toesõlme tugevus ON TAGATUD - OK!",
        "",
        "              2) Toesõlme arvutus juhul, kui tala kõrval on vaba ruumi",
        "                  (Tala toetub seinale seina otsas ja ulatub üle seina)",
        "                  Max. pinge toesõlmes Sigma(max)  =  0#87 MPa < 2#14 MPa, kus",
        "                  seina arvutuslik survetugevus f(d)  =  2#14 MPa.",
        "                  Toesõlme tugevus ON TAGATUD - OK!",
    });

    const QStringList got = Lines();
    for (int i = 0; i < std::min(got.size(), expected.size()); ++i)
        EXPECT_EQ(got[i].toStdString(), expected[i].toStdString()) << "line " << i + 1;
    EXPECT_EQ(got.size(), expected.size());
    // The document is the lines, nothing more.
    EXPECT_EQ(W->RichEdit->toPlainText(), expected.join('\n'));
    EXPECT_EQ(W->ArvutPageControl->currentWidget(), W->TulemusedNt);
    EXPECT_TRUE(W->ResultsTabVisible());
    EXPECT_TRUE(W->Print1->isEnabled());
}

TEST_F(ReportTest, NothingTickedGivesTheHeaderAlone) {
    Click(W->Button1);
    Compose(false, false, false);
    EXPECT_EQ(Lines(), StartHeader());
    EXPECT_FALSE(Lines().contains("                ARVUTUSED"));

    // A section box alone still brings the "ARVUTUSED" block after the header.
    Click(W->Button3);
    Compose(false, false, true);
    EXPECT_EQ(Lines().mid(0, 38), StartHeader());
    EXPECT_EQ(Lines().value(38), "                ARVUTUSED");
    EXPECT_EQ(Lines().value(40), "                TOESÕLMED");
}

TEST_F(ReportTest, ProjectDataAndAnOverSlenderWallInTheHeader) {
    AndmedForm->PealkiriEdit->setText("Maja");
    AndmedForm->TellijaEdit->setText("OÜ Ehitaja");
    Paste(W->hEdit, "4200");
    Click(W->Button1);
    Compose(false, false, false);
    const QStringList l = Lines();
    ASSERT_EQ(l.size(), 38);
    EXPECT_EQ(l[1], "                ARVUTUSE \"Maja\" ANDMED");
    EXPECT_EQ(l[5], "              Tellija: OÜ Ehitaja");
    EXPECT_EQ(l[14], "              Seina kõrgus h =  4200 mm");
    EXPECT_EQ(l[18], N("              Seina saledus Lambda(h)  =  28#00 > 27"));
    EXPECT_EQ(l[19], "              Seina saledus POLE LUBATUD PIIRIDES - NB!");
    // No capacity verdict for an over-slender wall, even if asked directly.
    EXPECT_FALSE(Valik()->AVKYSKCheckBox->isEnabled());
    W->AndmeteSisestus2();
    EXPECT_EQ(Lines().size(), 38);
}

TEST_F(ReportTest, TitlesTypedAsMarkupAppearLiterally) {
    AndmedForm->PealkiriEdit->setText("<b>Maja</b>");
    AndmedForm->ObnimEdit->setText("<img src=x>");
    AndmedForm->MarkusEdit->setText("&amp; <i>kaldkiri</i> &");
    Compose(false, false, false);
    const QStringList l = Lines();
    ASSERT_EQ(l.size(), 38);
    EXPECT_EQ(l[1], "                ARVUTUSE \"<b>Maja</b>\" ANDMED");
    EXPECT_EQ(l[3], "              Objekti nimi: <img src=x>");
    EXPECT_EQ(l[8], "              Märkus: &amp; <i>kaldkiri</i> &");
    EXPECT_TRUE(W->RichEdit->toPlainText().contains("<img src=x>"));
    EXPECT_FALSE(W->RichEdit->document()->toHtml().contains("<img"));
}

TEST_F(ReportTest, ALineBreakInAFieldDoesNotSplitTheLine) {
    AndmedForm->ObnimEdit->setText(QString("Maja\nAed") + QChar::ParagraphSeparator + "Kuur");
    Compose(false, false, false);
    EXPECT_EQ(Lines().size(), 38);
    EXPECT_TRUE(Lines()[3].startsWith("              Objekti nimi: Maja"));
    EXPECT_TRUE(Lines()[3].endsWith("Kuur"));
    // A long note is kept whole, in the field and in the report.
    QString note;
    for (int i = 0; i < 5000; ++i)
        note += QString("märkus%1 ").arg(i % 10);
    AndmedForm->MarkusEdit->setText(note);
    EXPECT_EQ(AndmedForm->MarkusEdit->text(), note);
    Compose(false, false, false);
    EXPECT_EQ(Lines()[8], "              Märkus: " + note);
}

TEST_F(ReportTest, DoubledSlabLoadFailsOnlyTheMiddleSection) {
    Paste(W->PvldEdit, "100");
    Click(W->Button1);
    Compose(true, false, false);
    const QStringList s = Sections();
    ASSERT_EQ(s.size(), 22);
    EXPECT_EQ(s[3], N("              1) koormus vahelaelt või laelt P(vld)  =  100#00 kN/m "
                      "ekstsentrilisusega e(vl)  =  20 mm"));
    EXPECT_TRUE(s[8].endsWith(N("110#00 kN < 110#74 kN, kus"))) << s[8].toStdString();
    EXPECT_EQ(s[10], "                  Seina kandevõime ülemises osas ON TAGATUD - OK!");
    EXPECT_TRUE(s[12].endsWith(N("110#97 kN > 89#64 kN, kus"))) << s[12].toStdString();
    EXPECT_EQ(s[15], "                  Seina kandevõime keskmises osas POLE TAGATUD - NB!");
    EXPECT_TRUE(s[17].startsWith(N("              3) arvutuslik pikijõud seina alumises osas "
                                   "(lõige 2-2) N(sd2)  =  112#43 kN < ")));
    EXPECT_EQ(s[19], "                  Seina kandevõime alumises osas ON TAGATUD - OK!");
    EXPECT_EQ(s[20], "");
    EXPECT_EQ(s[21], "");
}

TEST_F(ReportTest, NegativeEccentricityIsCopiedAsTyped) {
    Paste(W->evlEdit, "-15");
    Click(W->Button1);
    Compose(true, false, false);
    EXPECT_TRUE(Sections().value(3).endsWith("e(vl)  =  -15 mm"))
        << Sections().value(3).toStdString();
}

// ---- concentrated load cases

TEST_F(ReportTest, ConcentratedLoadAtTheWallEnd) {
    Paste(W->PdEdit, N("19#50"));
    Paste(W->tkjEdit, "150");
    Paste(W->altEdit, "0");
    Click(W->Button2);
    ASSERT_TRUE(warnings.texts.isEmpty());
    Compose(false, true, false);
    const QStringList s = Sections();
    ASSERT_EQ(s.size(), 19);
    EXPECT_EQ(
        s[8],
        "                  Kaugus seina servast jõu toetuspinna lähima ääreni a(lt)  =  0 mm");
    const QStringList expected = N({
        "                  Kuna  2a(lt)/h = 0, siis peavad olema rahuldatud järgmised tingimused:",
        "                  Survepinge jõu all Sigma(c)  =  1#30 MPa > 1#16 MPa, kus",
        "                  lubatud pinge jõu all f(d)  =  1#16 MPa ja",
        "                  Survepinge jõu all Sigma(c)  =  1#30 MPa < 1#45 MPa, kus",
        "                  lubatud pinge jõu all 1,25xf(d)  =  1#45 MPa.",
        // Both conditions must hold.
        "                  Seina tugevus POLE TAGATUD - NB!",
        "",
        "",
    });
    EXPECT_EQ(s.mid(11), expected);
}

TEST_F(ReportTest, ConcentratedLoadFarFromTheEnd) {
    Paste(W->PdEdit, N("15#00"));
    Paste(W->tkjEdit, "150");
    Paste(W->altEdit, "1500"); // 2a/h exactly 1
    Click(W->Button2);
    ASSERT_TRUE(warnings.texts.isEmpty());
    Compose(false, true, false);
    const QStringList expected = N({
        "                  Kuna  2a(lt)/h > või = 1, siis peab olema rahuldatud tingimus:",
        "                  Survepinge jõu all Sigma(c)  =  1#00 MPa < 1#74 MPa, kus",
        "                  lubatud pinge jõu all 1,50xf(d)  =  1#74 MPa.",
        "                  Seina tugevus ON TAGATUD - OK!",
        "",
        "",
    });
    EXPECT_EQ(Sections().mid(11), expected);
}

TEST_F(ReportTest, CornerWithoutTieForceAndSectionWithoutCorner) {
    ConcentratedInputs();
    Paste(W->qndEdit, N("50#00"));
    Click(W->CheckBox2);
    Click(W->Button2);
    Compose(false, true, false);
    const QStringList expected = N({
        "                  Max. tõmbepinge müüritises Sigma(t.max)  =  0#14 MPa < 0#17 MPa, kus",
        "                  müüritise tugevus horisontaalsuunas 0,8f(t.u)  =  0#17 MPa.",
        "                  Müüritise nurga tugevus armeeringuta ON TAGATUD - OK!",
        "",
        "",
    });
    const QStringList s = Sections();
    ASSERT_EQ(s.size(), 28);
    EXPECT_EQ(s.mid(23), expected);

    // Unticking the corner after ARVUTA keeps the section, now without it:
    // two empty lines right after the ordinary case.
    Click(W->CheckBox2);
    ASSERT_TRUE(Valik()->KKJCheckBox->isEnabled());
    Compose(false, true, false);
    const QStringList t = Sections();
    ASSERT_EQ(t.size(), 16);
    EXPECT_EQ(t[13], "                  Seina tugevus POLE TAGATUD - NB!");
    EXPECT_EQ(t[14], "");
    EXPECT_EQ(t[15], "");
}

// ---- support node

TEST_F(ReportTest, SupportNodeWithoutFreeSpaceEndsWithOneEmptyLine) {
    Paste(W->ItEdit, N("45000#5"));
    Click(W->Button3);
    Compose(false, false, true);
    const QStringList s = Sections();
    ASSERT_EQ(s.size(), 17);
    EXPECT_EQ(s[9], N("              Tala inertsimoment I(t)  =  45000#5 cm4"));
    EXPECT_EQ(s[15], "                  Toesõlme tugevus ON TAGATUD - OK!");
    EXPECT_EQ(s[16], "");
}

TEST_F(ReportTest, SupportNodeBetweenBeamsNamesTheSpacing) {
    Click(W->CheckBox1);
    Click(W->RadioButton3);
    Click(W->Button3);
    ASSERT_TRUE(warnings.texts.isEmpty());
    Compose(false, false, true);
    const QStringList s = Sections();
    ASSERT_EQ(s.size(), 22);
    EXPECT_EQ(s[17], "              2) Toesõlme arvutus juhul, kui tala kõrval on vaba ruumi");
    EXPECT_EQ(s[18],
              "                  (Tala toetub seinale talaotsa all ja talade samm on 500 mm)");
    EXPECT_EQ(s[19],
              N("                  Max. pinge toesõlmes Sigma(max)  =  0#87 MPa < 2#65 MPa, kus"));
    EXPECT_EQ(s[20], N("                  seina arvutuslik survetugevus f(d)  =  2#65 MPa."));
    EXPECT_EQ(s[21], "                  Toesõlme tugevus ON TAGATUD - OK!");
}

// ---- nothing stale reaches the report

TEST_F(ReportTest, AnInputChangeWithdrawsItsSection) {
    ComputeAllWithCornerAndFreeSpace();
    Paste(W->PvldEdit, "60");
    Paste(W->bkjEdit, "120");
    EXPECT_FALSE(Valik()->AVKYSKCheckBox->isEnabled());
    EXPECT_FALSE(Valik()->KKJCheckBox->isEnabled());
    Compose(true, true, true); // the clicks on disabled boxes do nothing
    const QStringList s = Sections();
    ASSERT_FALSE(s.isEmpty());
    EXPECT_EQ(s[0], "                TOESÕLMED");
    EXPECT_FALSE(W->RichEdit->toPlainText().contains("KANDEVÕIME"));
    EXPECT_FALSE(W->RichEdit->toPlainText().contains("KOONDATUD"));

    // A wall change withdraws all three and the menu item.
    Paste(W->LEdit, "4000");
    EXPECT_FALSE(Valik()->ToesCheckBox->isEnabled());
    EXPECT_FALSE(W->KuvaTulemused->isEnabled());
    EXPECT_FALSE(W->ResultsTabVisible());
}

TEST_F(ReportTest, ACalculationFailureLeavesNoHalfReport) {
    Click(W->Button3);
    Compose(false, false, true);
    ASSERT_TRUE(W->ResultsTabVisible());
    // Not reachable through the pages (a zero load stops ARVUTA before the
    // box is enabled), but the composer must not show a partial report.
    W->ARVUT->qd = 0;
    W->KoondjClick();
    WhileModal([this] { W->KuvaTulemusedClick(); },
               [this] {
                   Click(Valik()->ToesCheckBox);
                   Click(Valik()->KuvaButton);
               });
    EXPECT_EQ(warnings.texts.size(), 1);
    EXPECT_TRUE(Lines().isEmpty());
    EXPECT_FALSE(W->ResultsTabVisible());
    EXPECT_EQ(W->ArvutPageControl->currentWidget(), W->KoondjArvut);
    EXPECT_FALSE(W->Print1->isEnabled());
}

// ---- results page and the print item

TEST_F(ReportTest, PrintIsOfferedOnlyWhileTheResultsPageIsDisplayed) {
    EXPECT_FALSE(W->Print1->isEnabled());
    W->ToesClick();
    Click(W->Button3);
    EXPECT_FALSE(W->Print1->isEnabled());
    Compose(false, false, true);
    EXPECT_TRUE(W->Print1->isEnabled());

    W->KandevClick();
    EXPECT_FALSE(W->Print1->isEnabled());
    EXPECT_TRUE(W->ResultsTabVisible());
    W->ArvutPageControl->setCurrentWidget(W->TulemusedNt);
    EXPECT_TRUE(W->Print1->isEnabled());

    // Hiding the displayed tab goes back to the page the report came from.
    W->ToesClick();
    W->ArvutPageControl->setCurrentWidget(W->TulemusedNt);
    Paste(W->PvldEdit, "55");
    EXPECT_FALSE(W->ResultsTabVisible());
    EXPECT_FALSE(W->Print1->isEnabled());
    EXPECT_EQ(W->ArvutPageControl->currentWidget(), W->ToesArvut);

    // "Kuva" again while the report is displayed keeps it printable.
    Compose(false, false, false);
    Compose(false, false, false);
    EXPECT_TRUE(W->Print1->isEnabled());
    // An ARVUTA hides the tab as well.
    Click(W->Button1);
    EXPECT_FALSE(W->ResultsTabVisible());
    EXPECT_FALSE(W->Print1->isEnabled());
}

TEST_F(ReportTest, TypingIntoAProjectFieldHidesTheReport) {
    W->KoondjClick();
    Compose(false, false, false);
    ASSERT_TRUE(W->ResultsTabVisible());
    Type(AndmedForm->KuupaevEdit, "1");
    EXPECT_FALSE(W->ResultsTabVisible());
    EXPECT_FALSE(W->Print1->isEnabled());
    EXPECT_EQ(W->ArvutPageControl->currentWidget(), W->KoondjArvut);
    // Emptying the fields counts as a change too.
    Compose(false, false, false);
    AndmedForm->TuhvalButtonClick();
    EXPECT_FALSE(W->ResultsTabVisible());
}

// ---- the dialogs

TEST_F(ReportTest, ProjectDataDialogKeepsAndClearsTexts) {
    TAndmedForm* d = AndmedForm;
    WhileModal([this] { W->SisestandmedClick(); },
               [this, d] {
                   Type(d->PealkiriEdit, "Maja");
                   Type(d->MarkusEdit, "esimene");
                   Click(d->SisestButton);
               });
    EXPECT_FALSE(d->isVisible());
    EXPECT_EQ(d->PealkiriEdit->text(), "Maja");

    // Typed after the last "Sisesta", then the close box: kept.
    WhileModal([this] { W->SisestandmedClick(); },
               [this, d] {
                   EXPECT_EQ(d->MarkusEdit->text(), "esimene");
                   Type(d->ObnimEdit, "Elamu");
                   // Escape is no cancel key here.
                   QTest::keyClick(d->ObnimEdit, Qt::Key_Escape);
                   EXPECT_TRUE(d->isVisible());
                   d->close();
               });
    EXPECT_EQ(d->ObnimEdit->text(), "Elamu");
    EXPECT_EQ(d->PealkiriEdit->text(), "Maja");

    // "Tühjenda väljad" keeps the dialog open; "Sisesta" then keeps them empty.
    WhileModal([this] { W->SisestandmedClick(); },
               [this, d] {
                   Click(d->TuhvalButton);
                   EXPECT_TRUE(d->isVisible());
                   EXPECT_EQ(d->PealkiriEdit->text(), "");
                   Type(d->TellijaEdit, "Tellija OÜ");
                   Click(d->SisestButton);
               });
    EXPECT_EQ(d->ObnimEdit->text(), "");
    EXPECT_EQ(d->TellijaEdit->text(), "Tellija OÜ");

    // "Loobu" restores nothing: all seven empty.
    WhileModal([this] { W->SisestandmedClick(); },
               [this, d] {
                   Type(d->KuupaevEdit, "01.02.2024");
                   Click(d->LoobuButton);
               });
    EXPECT_FALSE(d->isVisible());
    for (QLineEdit* e : {d->PealkiriEdit, d->ObnimEdit, d->PrnrEdit, d->TellijaEdit, d->ProjektEdit,
                         d->KuupaevEdit, d->MarkusEdit})
        EXPECT_EQ(e->text(), "") << e->objectName().toStdString();
}

TEST_F(ReportTest, EnterWalksTheFieldsThenPressesSisesta) {
    TAndmedForm* d = AndmedForm;
    WhileModal(
        [this] { W->SisestandmedClick(); },
        [d] {
            QLineEdit* chain[] = {d->PealkiriEdit, d->ObnimEdit,   d->PrnrEdit,  d->TellijaEdit,
                                  d->ProjektEdit,  d->KuupaevEdit, d->MarkusEdit};
            for (int i = 0; i < 7; ++i) {
                QTest::keyClick(chain[i], Qt::Key_Return);
                QWidget* next = i < 6 ? static_cast<QWidget*>(chain[i + 1]) : d->SisestButton;
                EXPECT_EQ(d->focusWidget(), next) << i;
            }
            EXPECT_TRUE(d->isVisible());
            QTest::keyClick(d->SisestButton, Qt::Key_Return);
        });
    EXPECT_FALSE(d->isVisible());
}

TEST_F(ReportTest, NoDialogButtonIsTheDefaultAndEnterPressesTheFocusedOne) {
    TAndmedForm* d = AndmedForm;
    auto noDefault = [](std::initializer_list<QPushButton*> buttons) {
        for (QPushButton* b : buttons)
            EXPECT_FALSE(b->isDefault()) << b->objectName().toStdString();
    };
    WhileModal([this] { W->SisestandmedClick(); },
               [d, noDefault] {
                   noDefault({d->SisestButton, d->TuhvalButton, d->LoobuButton});
                   d->PealkiriEdit->setText("Maja");
                   d->TuhvalButton->setFocus();
                   QTest::keyClick(d->TuhvalButton, Qt::Key_Return);
                   EXPECT_TRUE(d->isVisible());
                   EXPECT_EQ(d->PealkiriEdit->text(), "");
                   // A button that had the focus leaves no default behind.
                   d->MarkusEdit->setFocus();
                   noDefault({d->SisestButton, d->TuhvalButton, d->LoobuButton});
                   d->ObnimEdit->setText("Elamu");
                   d->LoobuButton->setFocus();
                   QTest::keyClick(d->LoobuButton, Qt::Key_Enter);
               });
    EXPECT_FALSE(d->isVisible());
    EXPECT_EQ(d->ObnimEdit->text(), "");

    Click(W->Button1);
    WhileModal([this] { W->KuvaTulemusedClick(); },
               [this, noDefault] {
                   noDefault({Valik()->KuvaButton, Valik()->LoobuButton2});
                   Click(Valik()->AVKYSKCheckBox);
                   Valik()->KuvaButton->setFocus();
                   QTest::keyClick(Valik()->KuvaButton, Qt::Key_Return);
               });
    EXPECT_FALSE(Valik()->isVisible());
    EXPECT_EQ(W->ArvutPageControl->currentWidget(), W->TulemusedNt);
    EXPECT_TRUE(Lines().contains(
        "                AVADETA VERTIKAALKOORMUSEGA ÜHEKIHILISE SEINA KANDEVÕIME"));
}

TEST_F(ReportTest, SelectionDialogUnticksOnEveryShowingAndLoobuComposesNothing) {
    ComputeAllWithCornerAndFreeSpace();
    Compose(true, true, true);
    const QStringList before = Lines();
    W->KandevClick();
    WhileModal([this] { W->KuvaTulemusedClick(); },
               [this] {
                   EXPECT_FALSE(Valik()->AVKYSKCheckBox->isChecked());
                   EXPECT_FALSE(Valik()->KKJCheckBox->isChecked());
                   EXPECT_FALSE(Valik()->ToesCheckBox->isChecked());
                   Click(Valik()->ToesCheckBox);
                   Click(Valik()->LoobuButton2);
               });
    EXPECT_EQ(Lines(), before);
    EXPECT_EQ(W->ArvutPageControl->currentWidget(), W->KandevArvut);
}

// ---- printing

namespace {

// Whitespace-collapsed text of a PDF, or an empty string when it cannot be read.
QString PdfText(const QString& path) {
    QProcess p;
    p.start("pdftotext", {"-enc", "UTF-8", path, "-"});
    if (!p.waitForFinished(30000) || p.exitCode() != 0) return {};
    return QString::fromUtf8(p.readAllStandardOutput()).simplified();
}

QString PdfInfo(const QString& path) {
    QProcess p;
    p.start("pdfinfo", {path});
    if (!p.waitForFinished(30000)) return {};
    return QString::fromUtf8(p.readAllStandardOutput());
}

// Every non-empty line, in order, in one text.
void ExpectLinesInOrder(const QString& text, const QStringList& lines) {
    qsizetype at = 0;
    for (const QString& line : lines) {
        const QString want = line.simplified();
        if (want.isEmpty()) continue;
        const qsizetype found = text.indexOf(want, at);
        EXPECT_GE(found, 0) << "missing or out of order: " << want.toStdString();
        if (found >= 0) at = found + want.size();
    }
}

// The pages of a PDF as pdftotext -layout lays them out, each as its lines.
QList<QStringList> PdfPages(const QString& path) {
    QProcess p;
    p.start("pdftotext", {"-layout", "-enc", "UTF-8", path, "-"});
    if (!p.waitForFinished(30000) || p.exitCode() != 0) return {};
    QList<QStringList> pages;
    for (const QString& page : QString::fromUtf8(p.readAllStandardOutput()).split('\f')) {
        QStringList lines = page.split('\n');
        while (!lines.isEmpty() && lines.back().trimmed().isEmpty())
            lines.removeLast();
        while (!lines.isEmpty() && lines.front().trimmed().isEmpty())
            lines.removeFirst();
        if (!lines.isEmpty()) pages << lines;
    }
    return pages;
}

struct PdfWord {
    int page;
    QRectF box;
    QSizeF pageSize;
};

// Every word of a PDF with its box in points, from pdftotext -bbox.
QList<PdfWord> PdfWords(const QString& path) {
    QProcess p;
    p.start("pdftotext", {"-bbox", "-enc", "UTF-8", path, "-"});
    if (!p.waitForFinished(30000) || p.exitCode() != 0) return {};
    const QString xml = QString::fromUtf8(p.readAllStandardOutput());
    const QRegularExpression item("<page width=\"([0-9.]+)\" height=\"([0-9.]+)\"|"
                                  "<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\" "
                                  "xMax=\"([0-9.]+)\" yMax=\"([0-9.]+)\"");
    QList<PdfWord> words;
    int page = -1;
    QSizeF size;
    for (auto it = item.globalMatch(xml); it.hasNext();) {
        const auto m = it.next();
        if (!m.captured(1).isEmpty()) {
            ++page;
            size = QSizeF(m.captured(1).toDouble(), m.captured(2).toDouble());
        } else {
            words << PdfWord{page,
                             QRectF(QPointF(m.captured(3).toDouble(), m.captured(4).toDouble()),
                                    QPointF(m.captured(5).toDouble(), m.captured(6).toDouble())),
                             size};
        }
    }
    return words;
}

// Prints the composed report into a PDF file through printer.
void PrintToPdf(TMainKORVELseinForm* w, const QString& path) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFileName(path);
    printer.setOutputFormat(QPrinter::PdfFormat);
    w->PrintReport(printer);
}

} // namespace

TEST_F(ReportTest, PrintedPagesKeepGroupsTogetherWithFootersInsideTheMargins) {
    ComputeAllWithCornerAndFreeSpace();
    AndmedForm->PealkiriEdit->setText("Maja");
    Compose(true, true, true);
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath("aruanne.pdf");
    PrintToPdf(W, path);
    EXPECT_TRUE(warnings.texts.isEmpty()) << warnings.texts.join("|").toStdString();

    const QList<QStringList> pages = PdfPages(path);
    ASSERT_GE(pages.size(), 2) << "the full report fills more than one page";
    QStringList headings;
    for (const QString& line : Lines())
        if (line.startsWith(QString(16, ' ')) && line.at(16) != ' ') headings << line.simplified();
    QStringList body;
    for (qsizetype p = 0; p < pages.size(); ++p) {
        QStringList lines = pages[p];
        const QString footer = lines.takeLast().simplified();
        EXPECT_EQ(footer, QString("Maja lk %1/%2").arg(p + 1).arg(pages.size()));
        ASSERT_FALSE(lines.isEmpty());
        // An item and its verdict stay on one page; a heading has its text under it.
        const QString first = lines.front().trimmed();
        EXPECT_FALSE(first.endsWith(" - OK!") || first.endsWith(" - NB!"))
            << "page " << p + 1 << " begins with " << first.toStdString();
        EXPECT_FALSE(headings.contains(lines.back().simplified()))
            << "page " << p + 1 << " ends with " << lines.back().toStdString();
        body << lines;
    }
    // Every line once, in order, and nothing else.
    QStringList expected = Lines();
    EXPECT_EQ(body.join(' ').simplified(), expected.join(' ').simplified());

    // 25 mm on the left for binding, 15 mm elsewhere, on A4.
    const qreal mm = 72 / 25.4, slack = 0.5;
    const QList<PdfWord> words = PdfWords(path);
    ASSERT_FALSE(words.isEmpty());
    for (const PdfWord& w : words) {
        EXPECT_NEAR(w.pageSize.width(), 210 * mm, 1);
        EXPECT_NEAR(w.pageSize.height(), 297 * mm, 1);
        EXPECT_GE(w.box.left(), 25 * mm - slack) << "page " << w.page + 1;
        EXPECT_GE(w.box.top(), 15 * mm - slack) << "page " << w.page + 1;
        EXPECT_LE(w.box.right(), w.pageSize.width() - 15 * mm + slack) << "page " << w.page + 1;
        EXPECT_LE(w.box.bottom(), w.pageSize.height() - 15 * mm + slack) << "page " << w.page + 1;
    }
}

TEST_F(ReportTest, AShortReportIsOnePageAndAFileThatCannotBeWrittenIsReportedAndRemoved) {
    Compose(false, false, false);
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString good = dir.filePath("lühike.pdf");
    PrintToPdf(W, good);
    EXPECT_TRUE(warnings.texts.isEmpty());
    const QList<QStringList> pages = PdfPages(good);
    ASSERT_EQ(pages.size(), 1);
    EXPECT_EQ(pages[0].back().simplified(), "Nimetu lk 1/1");

    auto expectRefused = [&](const QString& path) {
        warnings.clear();
        PrintToPdf(W, path);
        ASSERT_EQ(warnings.texts.size(), 1) << path.toStdString();
        EXPECT_TRUE(warnings.texts[0].contains("\"" + path + "\""))
            << warnings.texts[0].toStdString();
        EXPECT_EQ(warnings.titles[0], "Warning");
    };
    // A folder that does not exist, and a place where nobody may create a file.
    expectRefused(dir.filePath("puudub/aruanne.pdf"));
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("puudub")));
    expectRefused("/proc/korvel-aruanne.pdf");
    // A full disk; the device itself stays.
    expectRefused("/dev/full");
    EXPECT_TRUE(QFileInfo("/dev/full").exists());
    // A file cut short as on a full disk is not left behind.
    const QString cut = dir.filePath("poolik.pdf");
    struct rlimit before {};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &before), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = before;
    small.rlim_cur = 1024;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    warnings.clear();
    PrintToPdf(W, cut);
    setrlimit(RLIMIT_FSIZE, &before);
    std::signal(SIGXFSZ, oldHandler);
    ASSERT_EQ(warnings.texts.size(), 1);
    EXPECT_TRUE(warnings.texts[0].contains(cut)) << warnings.texts[0].toStdString();
    EXPECT_FALSE(QFileInfo::exists(cut));
}

TEST_F(ReportTest, AFailedPrintLeavesTheEarlierFileAsItWasAndNothingElse) {
    Compose(false, false, false);
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath("vana.pdf");
    const QString link = dir.filePath("viide.pdf");
    PrintToPdf(W, path);
    ASSERT_TRUE(QFile::link(path, link));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray before = file.readAll();
    file.close();
    ASSERT_GT(before.size(), 1024);

    // A limit on file size stands in for a full disk.
    struct rlimit limit {};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &limit), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = limit;
    small.rlim_cur = 1024;
    warnings.clear();
    for (const QString& target : {path, link}) {
        ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
        PrintToPdf(W, target);
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    std::signal(SIGXFSZ, oldHandler);
    ASSERT_EQ(warnings.texts.size(), 2);
    for (const QString& text : warnings.texts)
        EXPECT_TRUE(text.contains("Midagi ei kirjutatud")) << text.toStdString();
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), before);
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
              QStringList({"vana.pdf", "viide.pdf"}));
}

TEST_F(ReportTest, PrintsTheWholeReportIntoOnePdf) {
    ComputeAllWithCornerAndFreeSpace();
    AndmedForm->PealkiriEdit->setText("<b>Maja</b>");
    Compose(true, true, true);

    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath("aruanne.pdf");
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setDocName("vana nimi");
    W->PrintReport(printer);
    ASSERT_TRUE(QFile::exists(path));

    const QString text = PdfText(path);
    ASSERT_FALSE(text.isEmpty()) << "pdftotext could not read the printout";
    ExpectLinesInOrder(text, Lines());
    EXPECT_TRUE(text.contains("ARVUTUSE \"<b>Maja</b>\" ANDMED"));
    // Nothing added after the last line but the last page's footer, no document title.
    EXPECT_TRUE(text.contains(
        QRegularExpression("Toesõlme tugevus ON TAGATUD - OK! <b>Maja</b> lk (\\d+)/\\1$")))
        << text.right(80).toStdString();
    const QString info = PdfInfo(path);
    EXPECT_TRUE(info.contains(QRegularExpression("(?m)^Title:\\s*$"))) << info.toStdString();
}

TEST_F(ReportTest, PrintDialogOffersAPdfFileAndCancelPrintsNothing) {
    // No printer is asked for until the first "Prindi ...": the query may block.
    ShowMainWindow();
    QTest::qWait(50);
    EXPECT_EQ(W->PrintDialog1, nullptr);
    EXPECT_EQ(W->findChild<QPrintDialog*>(), nullptr);
    Compose(false, false, false);
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath("dialoog.pdf");
    bool sawPdfChoice = false;

    auto choosePdf = [&](bool confirm) {
        auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        // The whole document only: no page range to choose.
        EXPECT_FALSE(dialog->testOption(QAbstractPrintDialog::PrintPageRange));
        auto* printers = dialog->findChild<QComboBox*>("printers");
        auto* file = dialog->findChild<QLineEdit*>("filename");
        if (printers && file) {
            const int pdf = printers->findText("PDF", Qt::MatchContains);
            if (pdf >= 0) {
                sawPdfChoice = true;
                printers->setCurrentIndex(pdf);
                file->setText(path);
            }
        }
        if (confirm && sawPdfChoice)
            dialog->accept();
        else
            dialog->reject();
    };

    WhileModal([this] { W->Print1Click(); }, [&] { choosePdf(false); });
    EXPECT_FALSE(QFile::exists(path));
    // Then the window owns it, hidden, set to A4.
    QPrintDialog* const dialog = W->PrintDialog1;
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog, W->findChild<QPrintDialog*>("PrintDialog1"));
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(dialog->printer()->pageLayout().pageSize().id(), QPageSize::A4);
    if (!sawPdfChoice) GTEST_SKIP() << "this platform's print dialog has no PDF choice";

    WhileModal([this] { W->Print1Click(); }, [&] { choosePdf(true); });
    ASSERT_TRUE(QFile::exists(path));
    ExpectLinesInOrder(PdfText(path), Lines());
    // The same dialog and printer next time, with the choices made.
    EXPECT_EQ(W->PrintDialog1, dialog);
    EXPECT_EQ(dialog->printer()->outputFileName(), path);
}
