// Results page, report composer and printing. The report is a list of plain
// lines; every number in it is formatted with the locale's separator.
#include "KorvelsReport.h"
#include "Andmed.h"
#include "Dialogs.h"
#include "KORVELs.h"
#include "KoondjLisa.h"
#include "KorvelsNumbers.h"
#include "NumberText.h"
#include "ReportPrint.h"
#include "SingleLine.h"
#include "TulemusedValik.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QRadioButton>
#include <QStringList>
#include <QTabWidget>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>
#include <QVBoxLayout>
#include <functional>

using Korvel::Fmt;

namespace {} // namespace

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
    const QFont f = Korvel::ReportFont();
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
    // lives exactly as long as the dialog that refers to it.
    QPrinter* printer = Korvel::NewReportPrinter().release();
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
    // The composer reads what the fields show, as the report quotes it.
    const Korvel::Calculation shown = ShownCalculation();
    Korvel::TAruanne aruanne(*ARVUT, shown, Korvel::DecimalSeparator());
    aruanne_ = &aruanne;
    try {
        AndmeteSisestus1();
        if (TulemusedValikForm) {
            if (TulemusedValikForm->AVKYSKCheckBox->isChecked()) AndmeteSisestus2();
            if (TulemusedValikForm->KKJCheckBox->isChecked()) AndmeteSisestus3();
            if (TulemusedValikForm->ToesCheckBox->isChecked()) AndmeteSisestus4();
        }
    } catch (const EArvutusViga& e) {
        aruanne_ = nullptr;
        // A half-written report must not be shown or printed.
        HideResultsTab();
        Korvel::ShowWarning(this, QString::fromUtf8(e.what()));
        return false;
    }
    aruanne_ = nullptr;
    QStringList lines = aruanne.Lines();
    // In a building of several walls the wall is named after the project
    // data, where the building's report of that wall names it.
    constexpr qsizetype headerLines = 9;
    if (WallCount() > 1 && lines.size() >= headerLines)
        lines.insert(headerLines, QString(14, QChar(' ')) + "Sein: " + SeinComboBox->currentText());
    for (const QString& line : lines)
        AppendLine(line);
    RichEdit->moveCursor(QTextCursor::Start);
    return true;
}

void TMainKORVELseinForm::ReportSection(const std::function<void(Korvel::TAruanne&)>& write) {
    if (aruanne_) {
        write(*aruanne_);
        return;
    }
    // A section asked for on its own goes straight after what is there.
    const Korvel::Calculation shown = ShownCalculation();
    Korvel::TAruanne aruanne(*ARVUT, shown, Korvel::DecimalSeparator());
    write(aruanne);
    for (const QString& line : aruanne.Lines())
        AppendLine(line);
}

void TMainKORVELseinForm::AndmeteSisestus1() {
    const TTulemusedValikForm* v = TulemusedValikForm;
    const bool any = v && (v->AVKYSKCheckBox->isChecked() || v->KKJCheckBox->isChecked() ||
                           v->ToesCheckBox->isChecked());
    ReportSection([any](Korvel::TAruanne& a) { a.AndmeteSisestus1(any); });
}

void TMainKORVELseinForm::AndmeteSisestus2() {
    ReportSection([](Korvel::TAruanne& a) { a.AndmeteSisestus2(); });
}

void TMainKORVELseinForm::AndmeteSisestus3() {
    ReportSection([](Korvel::TAruanne& a) { a.AndmeteSisestus3(); });
}

void TMainKORVELseinForm::AndmeteSisestus4() {
    ReportSection([](Korvel::TAruanne& a) { a.AndmeteSisestus4(); });
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
    const QString failure = Korvel::PrintReportLines(printer, ReportLines(), Korvel::ReportFont());
    if (!failure.isEmpty()) Korvel::ShowWarning(this, failure);
}

void TMainKORVELseinForm::AppendLine(const QString& line) {
    // One line stays one line: a line break in a typed text would split it.
    const QString text = Korvel::LineBreaksAsBlanks(line);
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
