// Results page, report composer and printing. The report is a list of plain
// lines; every number in it is formatted with the locale's separator.
#include "Andmed.h"
#include "Dialogs.h"
#include "KORVELs.h"
#include "KoondjLisa.h"
#include "KorvelsNumbers.h"
#include "NumberText.h"
#include "ReportPrint.h"
#include "TulemusedValik.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPageSize>
#include <QPrintDialog>
#include <QPrinter>
#include <QRadioButton>
#include <QStringList>
#include <QTabWidget>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>
#include <QVBoxLayout>

using Korvel::Fmt;

namespace {

const QString B14(14, QChar(' '));
const QString B16(16, QChar(' '));
const QString B18(18, QChar(' '));

QString SlendernessSign(double lambdah) {
    const int c = Korvel::CompareSlenderness(lambdah);
    return c < 0 ? "<" : (c == 0 ? "=" : ">");
}

QString Verdict(const QString& subject, bool ok) {
    return B18 + subject + (ok ? " ON TAGATUD - OK!" : " POLE TAGATUD - NB!");
}

} // namespace

void TMainKORVELseinForm::BuildTulemusedPage() {
    RichEdit = new QTextEdit(TulemusedNt);
    RichEdit->setObjectName("RichEdit");
    RichEdit->setReadOnly(true);
    RichEdit->setAcceptRichText(false);
    RichEdit->setLineWrapMode(QTextEdit::WidgetWidth);
    RichEdit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    RichEdit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // Tab reaches it: a screen reader names it after its page.
    RichEdit->setAccessibleName("Tulemused");
    RichEdit->setAccessibleDescription("Praeguste lähteandmete järgi koostatud aruanne");
    QFont f = RichEdit->font();
    f.setPixelSize(15);
    RichEdit->setFont(f);
    RichEdit->document()->setDefaultFont(f);
    // The control fills the page.
    auto* layout = new QVBoxLayout(TulemusedNt);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(RichEdit);
    reportLineCount_ = 0;
}

void TMainKORVELseinForm::CreatePrintDialog() {
    if (PrintDialog1) return;
    // The dialog keeps the printer choice between printouts; the printer
    // lives exactly as long as the dialog that refers to it. A4 unless the
    // user chooses otherwise.
    auto* printer = new QPrinter(QPrinter::HighResolution);
    printer->setPageSize(QPageSize(QPageSize::A4));
    PrintDialog1 = new QPrintDialog(printer, this);
    PrintDialog1->setObjectName("PrintDialog1");
    connect(PrintDialog1, &QObject::destroyed, [printer] { delete printer; });
    // The whole document is printed: no page range or selection to offer,
    // but printing to a file stays, for machines without a printer.
    PrintDialog1->setOptions(QAbstractPrintDialog::PrintToFile |
                             QAbstractPrintDialog::PrintShowPageSize |
                             QAbstractPrintDialog::PrintCollateCopies);
}

void TMainKORVELseinForm::SisestandmedClick() {
    if (AndmedForm) AndmedForm->exec();
}

void TMainKORVELseinForm::KuvaTulemusedClick() {
    if (TulemusedValikForm) TulemusedValikForm->exec();
}

void TMainKORVELseinForm::ClearReport() {
    RichEdit->clear();
    RichEdit->document()->setDefaultFont(RichEdit->font());
    reportLineCount_ = 0;
}

bool TMainKORVELseinForm::AndmeteSisestus() {
    ClearReport();
    try {
        AndmeteSisestus1();
        if (TulemusedValikForm) {
            if (TulemusedValikForm->AVKYSKCheckBox->isChecked()) AndmeteSisestus2();
            if (TulemusedValikForm->KKJCheckBox->isChecked()) AndmeteSisestus3();
            if (TulemusedValikForm->ToesCheckBox->isChecked()) AndmeteSisestus4();
        }
    } catch (const EArvutusViga& e) {
        // A half-written report must not be shown or printed.
        ClearReport();
        HideResultsTab();
        Korvel::ShowWarning(this, QString::fromUtf8(e.what()));
        return false;
    }
    RichEdit->moveCursor(QTextCursor::Start);
    return true;
}

void TMainKORVELseinForm::AndmeteSisestus1() {
    TArvutused& r = *ARVUT;
    const TAndmedForm* d = AndmedForm;
    auto field = [](const QLabel* label, const QLineEdit* edit) {
        return B14 + label->text() + " " + edit->text();
    };
    const QString title = d->PealkiriEdit->text();
    AppendLine("");
    AppendLine(B16 + "ARVUTUSE \"" + (title.isEmpty() ? QString("Nimetu") : title) + "\" ANDMED");
    AppendLine("");
    AppendLine(field(d->ObnimLabel, d->ObnimEdit));
    AppendLine(field(d->PrnrLabel, d->PrnrEdit));
    AppendLine(field(d->TellijaLabel, d->TellijaEdit));
    AppendLine(field(d->ProjektLabel, d->ProjektEdit));
    AppendLine(field(d->KuupaevLabel, d->KuupaevEdit));
    AppendLine(field(d->MarkusLabel, d->MarkusEdit));
    AppendLine("");
    AppendLine("");

    AppendLine(B16 + "MÜÜRITISE GEOMEETRIA");
    AppendLine("");
    AppendLine(B14 + tLabel->text() + "  " + tComboBox->currentText() + " mm");
    AppendLine(B14 + hLabel->text() + "  " + hEdit->text() + " mm");
    AppendLine(B14 + LLabel->text() + "  " + LEdit->text() + " mm");
    AppendLine(B14 + "Arvutuskõrguse tegur roo  =  " + rooEdit->text());
    AppendLine("");
    r.labdaHArvutus();
    AppendLine(Fmt(B14 + "Seina saledus Lambda(h)  =  %.2f ", {r.lambdah}) +
               SlendernessSign(r.lambdah) + " 27");
    AppendLine(B14 + (Korvel::CompareSlenderness(r.lambdah) <= 0
                          ? "Seina saledus ON LUBATUD PIIRIDES - OK!"
                          : "Seina saledus POLE LUBATUD PIIRIDES - NB!"));
    AppendLine("");
    AppendLine("");

    AppendLine(B16 + "KORVEL PLOKK");
    AppendLine("");
    AppendLine(B14 + "Toote nimetus  -  " + TKComboBox->currentText());
    r.MJSTArvutus();
    AppendLine(Fmt(B14 + "Tihedusklass roo(p)  =  %.f kg/m3", {r.rooP * 100}));
    AppendLine(Fmt(B14 + "Normatiivne survetugevus f(b)  =  %.2f MPa", {r.fb}));
    AppendLine(Fmt(B14 + "Arvutuslik survetugevus f(bd)  =  %.2f MPa", {r.fbd}));
    AppendLine(Fmt(B14 + "Elastsusmoodul E  =  %.f MPa", {r.E}));
    AppendLine("");
    AppendLine("");

    AppendLine(B16 + "MÜÜRITISE TUGEVUSNÄITAJAD");
    AppendLine("");
    r.MJSTArvutus();
    AppendLine(Fmt(B14 + "Normatiivne survetugevus f(k)  =  %.2f MPa", {r.fk}));
    AppendLine(Fmt(B14 + "Arvutuslik survetugevus f(d)  =  %.2f MPa", {r.fd}));
    AppendLine(Fmt(B14 + "Elastsusmoodul Em  =  %.f MPa", {r.Em}));
    AppendLine("");
    AppendLine("");

    const TTulemusedValikForm* v = TulemusedValikForm;
    if (v && (v->AVKYSKCheckBox->isChecked() || v->KKJCheckBox->isChecked() ||
              v->ToesCheckBox->isChecked())) {
        AppendLine(B16 + "ARVUTUSED");
        AppendLine("");
    }
}

void TMainKORVELseinForm::AndmeteSisestus2() {
    TArvutused& r = *ARVUT;
    r.labdaHArvutus();
    // An over-slender wall gets no capacity verdict at all.
    if (Korvel::CompareSlenderness(r.lambdah) >= 0) return;

    AppendLine(B16 + "AVADETA VERTIKAALKOORMUSEGA ÜHEKIHILISE SEINA KANDEVÕIME");
    AppendLine("");
    AppendLine(B14 + "Arvutuslikud koormused:");
    AppendLine(B14 + "1) koormus vahelaelt või laelt P(vld)  =  " + PvldEdit->text() + " kN/m " +
               "ekstsentrilisusega e(vl)  =  " + evlEdit->text() + " mm");
    AppendLine(B14 + "2) koormus peale vahelage/lage P(üd)  =  " + PydEdit->text() + " kN/m " +
               "ekstsentrilisusega e(ü)  =  " + eyEdit->text() + " mm");
    AppendLine(B14 + "3) horisontaalne tuulekoormus q(tuul.d)  =  " + qtdEdit->text() + " kN/m");
    AppendLine("");

    r.SisejArvutus();
    r.KandevNRdmArvutus();
    r.KandevNRd1Arvutus();
    r.KandevNRd2Arvutus();
    const double NRd1 = r.NRd1 * 1000, NRdm = r.NRdm * 1000, NRd2 = r.NRd2 * 1000;

    AppendLine(B14 + "Arvutustulemused:");
    AppendLine(
        Fmt(B14 + "1) arvutuslik pikijõud seina ülemises osas (lõige 1-1) N(sd1)  =  %.2f kN ",
            {r.Nsd1}) +
        KTingLabel1->text() + " " + Fmt("%.2f kN", {NRd1}) + ", kus");
    AppendLine(Fmt(B18 + "seina kandevõime ülemises osas (lõige 1-1) N(Rd1)  =  %.2f kN.", {NRd1}));
    AppendLine(Verdict("Seina kandevõime ülemises osas", NRd1 >= r.Nsd1));
    AppendLine("");

    AppendLine(
        Fmt(B14 + "2) arvutuslik pikijõud seina keskmises osas (lõige m-m) N(sdm)  =  %.2f kN",
            {r.Nsdm}) +
        " " + KTingLabel2->text() + " " + Fmt("%.2f kN", {NRdm}) + ", kus");
    AppendLine(Fmt(B18 + "seina kandevõime keskmises osas (lõige m-m) N(Rdm)  =  %.2f kN", {NRdm}) +
               " ja");
    AppendLine(Fmt(B18 + "nõtketegur on %.3f.", {r.Hiim}));
    AppendLine(Verdict("Seina kandevõime keskmises osas", NRdm >= r.Nsdm));
    AppendLine("");

    AppendLine(
        Fmt(B14 + "3) arvutuslik pikijõud seina alumises osas (lõige 2-2) N(sd2)  =  %.2f kN ",
            {r.Nsd2}) +
        KTingLabel3->text() + " " + Fmt("%.2f kN", {NRd2}) + ", kus");
    AppendLine(Fmt(B18 + "seina kandevõime alumises osas (lõige 2-2) N(Rd2)  =  %.2f kN.", {NRd2}));
    AppendLine(Verdict("Seina kandevõime alumises osas", NRd2 >= r.Nsd2));
    AppendLine("");
    AppendLine("");
}

void TMainKORVELseinForm::AndmeteSisestus3() {
    TArvutused& r = *ARVUT;
    AppendLine(B16 + "KOORMAMINE KOONDATUD JÕUGA");
    AppendLine("");
    AppendLine(B14 + "1) Koormamine koondatud jõuga");
    AppendLine(B14 + "Koormused ja geomeetria:");
    AppendLine(B18 + "Arvutuslik koondatud jõud P(d)  =  " + PdEdit->text() + " kN");
    AppendLine("");
    AppendLine(B18 + "Koormuse toetuspinna laius seina paksuse sihis t(kj)  =  " + tkjEdit->text() +
               " mm");
    AppendLine(B18 + "Koormuse toetuspinna ulatus seina pikkuse sihis b(kj)  =  " +
               bkjEdit->text() + " mm");
    AppendLine(B18 + "Kaugus seina servast jõu toetuspinna lähima ääreni a(lt)  =  " +
               altEdit->text() + " mm");
    AppendLine("");
    AppendLine(B14 + "Arvutustulemused:");

    // The load-position case, decided as the page decides it.
    const double ratio = 2 * r.alt / r.h;
    if (ratio == 0)
        Koondjtulemused1();
    else if (ratio >= 1)
        Koondjtulemused2();
    else
        Koondjtulemused();

    if (!CheckBox2->isChecked()) {
        AppendLine("");
        AppendLine("");
        return;
    }
    AppendLine("");
    AppendLine(B14 + "2) Müüritise nurga koormamine");
    AppendLine(B14 + "Koormused ja geomeetria:");
    AppendLine(B18 + "Arvutuslik jaotatud koormus q(nd)  =  " + qndEdit->text() + " kN/m");
    AppendLine("");
    r.KoonjNurkArvutus();
    AppendLine(B18 + "Koormuse toetuspinna laius seina paksuse sihis t(nk)  =  " + tnkEdit->text() +
               " mm");
    AppendLine(B18 + "Nurga koormatud ala ulatus seina pikkuse sihis a(ka)  =  " + akaEdit->text() +
               " mm");
    AppendLine("");
    AppendLine(B14 + "Arvutustulemused:");
    AppendLine(B18 + "Max. tõmbepinge müüritises Sigma(t.max)  =  " + SigmaTmaxLabel2->text() +
               " " + KTingLabel5->text() + " " + ftuLabel2->text() + ", kus");
    AppendLine(B18 + "müüritise tugevus horisontaalsuunas 0,8f(t.u)  =  " + ftuLabel2->text() +
               ".");
    if (0.8 * r.ftu >= r.sigmatmax) {
        AppendLine(B18 + "Müüritise nurga tugevus armeeringuta ON TAGATUD - OK!");
    } else {
        AppendLine(B18 + "Müüritise nurga tugevus armeeringuta POLE TAGATUD - NB!");
        AppendLine(B18 + "Müüritise nurk tuleb armeerida tõmbejõule N(t)  =  " +
                   Fmt("%.2f kN - OK!", {r.Nt * 1000}));
    }
    AppendLine("");
    AppendLine("");
}

void TMainKORVELseinForm::Koondjtulemused() {
    TArvutused& r = *ARVUT;
    r.MJSTArvutus();
    r.KoonjArvutus();
    AppendLine(B18 + "Survepinge jõu all Sigma(c)  =  " + SigmaCLabel2->text() + " " +
               KTingLabel4->text() + " " + SigmaAdmLabel2->text() + ", kus");
    AppendLine(B18 + "lubatud pinge jõu all Sigma(adm)  =  " + SigmaAdmLabel2->text() + ".");
    AppendLine(Verdict("Seina tugevus", r.sigmac <= r.sigmaadm));
}

void TMainKORVELseinForm::Koondjtulemused1() {
    TArvutused& r = *ARVUT;
    r.MJSTArvutus();
    r.KoonjArvutus();
    const TKoondjLisaForm* w = KoondjLisaForm;
    AppendLine(B18 + "Kuna  2a(lt)/h = 0, siis peavad olema rahuldatud järgmised tingimused:");
    AppendLine(B18 + "Survepinge jõu all Sigma(c)  =  " + w->SigmaCLabel4->text() + " " +
               w->KTingLabel8->text() + " " + Fmt("%.2f MPa", {r.fd}) + ", kus");
    AppendLine(Fmt(B18 + "lubatud pinge jõu all f(d)  =  %.2f MPa", {r.fd}) + " ja");
    AppendLine(B18 + "Survepinge jõu all Sigma(c)  =  " + w->SigmaCLabel6->text() + " " +
               w->KTingLabel9->text() + " " + Fmt("%.2f MPa", {1.25 * r.fd}) + ", kus");
    AppendLine(Fmt(B18 + "lubatud pinge jõu all 1,25xf(d)  =  %.2f MPa", {1.25 * r.fd}) + ".");
    AppendLine(Verdict("Seina tugevus", r.sigmac <= r.fd && r.sigmac <= 1.25 * r.fd));
}

void TMainKORVELseinForm::Koondjtulemused2() {
    TArvutused& r = *ARVUT;
    r.MJSTArvutus();
    r.KoonjArvutus();
    const TKoondjLisaForm* w = KoondjLisaForm;
    AppendLine(B18 + "Kuna  2a(lt)/h > või = 1, siis peab olema rahuldatud tingimus:");
    AppendLine(B18 + "Survepinge jõu all Sigma(c)  =  " + w->SigmaCLabel6->text() + " " +
               w->KTingLabel9->text() + " " + Fmt("%.2f MPa", {1.5 * r.fd}) + ", kus");
    AppendLine(Fmt(B18 + "lubatud pinge jõu all 1,50xf(d)  =  %.2f MPa", {1.5 * r.fd}) + ".");
    AppendLine(Verdict("Seina tugevus", 1.5 * r.fd >= r.sigmac));
}

void TMainKORVELseinForm::AndmeteSisestus4() {
    TArvutused& r = *ARVUT;
    AppendLine(B16 + "TOESÕLMED");
    AppendLine("");
    AppendLine(B14 + "Koormused ja geomeetria:");
    AppendLine(B14 + "Seinale toetuvale talale mõjuv arvutuslik jaotatud koormus q(d)  =  " +
               qdEdit->text() + " kN/m");
    AppendLine("");
    AppendLine(B14 + "Tala toetuspikkus a(1)  =  " + a1Edit->text() + " mm");
    AppendLine(B14 + "Tala pikkus L(t)  =  " + LtEdit->text() + " mm");
    AppendLine(B14 + "Tala otsa laius b(t)  =  " + btEdit->text() + " mm");
    AppendLine(B14 + "Tala elastsusmoodul E(t)  =  " + EtEdit->text() + " GPa");
    AppendLine(B14 + "Tala inertsimoment I(t)  =  " + ItEdit->text() + " cm4");
    AppendLine("");
    r.ToesArvutus();
    AppendLine(B14 + "Arvutustulemused:");
    AppendLine(B14 + "1) Toesõlme arvutus üldistel juhtudel");
    AppendLine(B18 + "Max. pinge toesõlmes Sigma(max)  =  " + SigmaMaxLabel2->text() + " " +
               KTingLabel6->text() + " " + Fmt("%.2f MPa", {r.fd}) + ", kus");
    AppendLine(Fmt(B18 + "seina arvutuslik survetugevus f(d)  =  %.2f MPa.", {r.fd}));
    AppendLine(Verdict("Toesõlme tugevus", r.sigmamax <= r.fd));
    AppendLine("");
    if (!CheckBox1->isChecked()) return;

    r.ToesEfektArvutus();
    AppendLine(B14 + "2) Toesõlme arvutus juhul, kui tala kõrval on vaba ruumi");
    if (RadioButton1->isChecked()) AppendLine(B18 + "(" + RadioButton1->text() + ")");
    if (RadioButton2->isChecked()) AppendLine(B18 + "(" + RadioButton2->text() + ")");
    if (RadioButton3->isChecked())
        AppendLine(B18 + "(" + RadioButton3->text() + " " + stEdit->text() + " mm)");
    AppendLine(B18 + "Max. pinge toesõlmes Sigma(max)  =  " + SigmaMaxLabel4->text() + " " +
               KTingLabel7->text() + " " + Fmt("%.2f MPa", {r.floc}) + ", kus");
    AppendLine(Fmt(B18 + "seina arvutuslik survetugevus f(d)  =  %.2f MPa.", {r.floc}));
    AppendLine(Verdict("Toesõlme tugevus", r.sigmamax <= r.floc));
}

void TMainKORVELseinForm::TulemusedNtShow() {
    Print1->setEnabled(true);
}

void TMainKORVELseinForm::TulemusedNtHide() {
    Print1->setEnabled(false);
}

void TMainKORVELseinForm::Print1Click() {
    CreatePrintDialog();
    QPrinter* printer = PrintDialog1->printer();
    printer->setDocName(QString());
    if (PrintDialog1->exec() != QDialog::Accepted) return;
    PrintReport(*printer);
}

void TMainKORVELseinForm::PrintReport(QPrinter& printer) {
    printer.setDocName(QString());
    printer.setPrintRange(QPrinter::AllPages);
    printer.setFromTo(0, 0);
    const QString failure = Korvel::PrintReportLines(printer, ReportLines(), RichEdit->font());
    if (!failure.isEmpty()) Korvel::ShowWarning(this, failure);
}

void TMainKORVELseinForm::AppendLine(const QString& line) {
    // One line stays one line: a line break in a typed text would split it.
    QString text = line;
    for (QChar& c : text) {
        if (c == '\n' || c == '\r' || c == QChar::LineSeparator || c == QChar::ParagraphSeparator)
            c = ' ';
    }
    QTextCursor cursor(RichEdit->document());
    cursor.movePosition(QTextCursor::End);
    // The first line goes into the document's own (empty) first block.
    if (reportLineCount_ > 0) cursor.insertBlock();
    cursor.insertText(text);
    ++reportLineCount_;
}

QStringList TMainKORVELseinForm::ReportLines() const {
    QStringList lines;
    if (reportLineCount_ == 0) return lines;
    for (QTextBlock b = RichEdit->document()->begin(); b.isValid(); b = b.next())
        lines << b.text();
    return lines;
}
