// Calculation files in the main window: new, open, save, save as, a file
// dropped on the window, the title with the file's name and the modified
// marker, and the question before unsaved changes would be lost.
#include "Andmed.h"
#include "AtomicWrite.h"
#include "Colours.h"
#include "Dialogs.h"
#include "KORVELs.h"
#include "KoondjLisa.h"
#include "KorvelsFile.h"
#include "KorvelsInputs.h"
#include "NumberText.h"
#include "SingleLine.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QUrl>

using Korvel::Calculation;

namespace {

const QString AppTitle = "KORVEL poorbetoonseinte arvutus";
const QString FileFilter = "KORVEL arvutused (*.korvel)";

QString Shown(const QString& path) {
    return QDir::toNativeSeparators(path);
}

QList<QLineEdit*> ProjectEdits() {
    if (!AndmedForm) return {};
    const TAndmedForm* d = AndmedForm;
    return {d->PealkiriEdit, d->ObnimEdit,   d->PrnrEdit,  d->TellijaEdit,
            d->ProjektEdit,  d->KuupaevEdit, d->MarkusEdit};
}

// A local .korvel file among dropped URLs.
QString DroppedFile(const QMimeData* mime) {
    if (!mime || !mime->hasUrls()) return {};
    const QList<QUrl> urls = mime->urls();
    if (urls.size() != 1 || !urls.first().isLocalFile()) return {};
    const QString path = urls.first().toLocalFile();
    return QFileInfo(path).suffix().compare(Korvel::CalculationSuffix, Qt::CaseInsensitive) == 0 ||
                   IsCsvPath(path)
               ? path
               : QString();
}

} // namespace

QLineEdit* TMainKORVELseinForm::NumEdit(std::size_t index) const {
    return findChild<QLineEdit*>(QString::fromLatin1(Korvel::InputFields()[index].name));
}

Calculation TMainKORVELseinForm::ShownCalculation() const {
    Calculation c;
    c.block = TKComboBox->currentText();
    for (std::size_t i = 0; i < c.inputs.size(); ++i)
        if (const QLineEdit* edit = NumEdit(i)) c.inputs[i] = edit->text();
    c.checkBox1 = CheckBox1->isChecked();
    c.checkBox2 = CheckBox2->isChecked();
    c.position = RadioButton1->isChecked() ? 1 : (RadioButton3->isChecked() ? 3 : 2);
    c.checks = wallChecks_;
    const QList<QLineEdit*> project = ProjectEdits();
    for (int i = 0; i < project.size() && i < Korvel::ProjectFieldCount; ++i)
        c.project[static_cast<std::size_t>(i)] = project[i]->text();
    return c;
}

Calculation TMainKORVELseinForm::CurrentCalculation() const {
    Calculation c = ShownCalculation();
    for (QString& text : c.inputs)
        text.replace(',', '.');
    for (QString& text : c.project)
        text = Korvel::ControlsAsBlanks(text); // one line in the file, as in the report
    return c;
}

Korvel::Building TMainKORVELseinForm::CurrentBuilding() const {
    Korvel::Building b = building_;
    b.walls[static_cast<std::size_t>(current_)].calculation = ShownCalculation();
    b.walls[static_cast<std::size_t>(current_)].record = *ARVUT;
    b.project = CurrentCalculation().project;
    // The walls keep their texts as shown; the file has the decimal point.
    for (Korvel::BuildingWall& w : b.walls) {
        for (QString& text : w.calculation.inputs)
            text.replace(',', '.');
        w.calculation.project = b.project;
    }
    return b;
}

void TMainKORVELseinForm::ApplyCalculation(const Calculation& c, const TArvutused& record,
                                           bool startTexts) {
    applying_ = true;
    const int block = Korvel::FindBlock(c.block.toStdString());
    TKComboBox->setCurrentIndex(block < 0 ? Korvel::StartBlock : block);

    // The values were checked as the fields check them; they go in as they
    // were read, without the fields' change handling in between.
    const auto fields = Korvel::InputFields();
    const QString separator = Korvel::DecimalSeparator();
    for (std::size_t i = 0; i < fields.size(); ++i) {
        QLineEdit* edit = NumEdit(i);
        const QString text = startTexts ? QString::fromUtf8(fields[i].startText)
                                        : QString(c.inputs[i]).replace('.', separator);
        {
            const QSignalBlocker quiet(edit);
            edit->setText(text);
        }
        if (Korvel::BackgroundOf(edit) == Korvel::ReviewYellow) Korvel::ResetBackground(edit);
        ARVUT.get()->*(fields[i].field) = record.*(fields[i].field);
    }

    // The options as if clicked: their groups show or hide, results go.
    CheckBox1->setChecked(c.checkBox1);
    CheckBox2->setChecked(c.checkBox2);
    QRadioButton* position[] = {RadioButton1, RadioButton2, RadioButton3};
    position[std::clamp(c.position, 1, 3) - 1]->setChecked(true);

    const QList<QLineEdit*> project = ProjectEdits();
    for (int i = 0; i < project.size() && i < Korvel::ProjectFieldCount; ++i)
        project[i]->setText(c.project[static_cast<std::size_t>(i)]);

    // As after picking the block: the panel, the slenderness, and every
    // result, the results tab and the report boxes as after an input change.
    TKComboBoxChange();
    RefreshDistributionArea();
    if (KoondjLisaForm) KoondjLisaForm->hide();
    applying_ = false;
}

void TMainKORVELseinForm::DocumentChanged() {
    if (applying_) return;
    // The table follows the current wall at once.
    if (outcomes_.size() == building_.walls.size()) {
        EvaluateRow(current_);
        ShowRow(current_);
        ShowBuildingState();
    }
    // A text rewritten to the same value ("1" to "1.00") is no change.
    const bool modified = BuildingModified();
    if (modified != isWindowModified()) UpdateTitle(modified);
}

void TMainKORVELseinForm::UpdateTitle(bool modified) {
    QString title = AppTitle;
    if (!filePath_.isEmpty() || !openedName_.isEmpty()) {
        QString name = filePath_.isEmpty() ? openedName_ : QFileInfo(filePath_).fileName();
        name.replace("[*]", "[*][*]"); // a literal one in the name stays literal
        title = name + "[*] – " + AppTitle;
    } else if (modified) {
        title = AppTitle + "[*]";
    }
    // The marker's place first: Qt wants it in the title before it shows it.
    setWindowTitle(title);
    setWindowModified(modified);
}

bool TMainKORVELseinForm::MaybeSave() {
    if (!isWindowModified()) return true;
    QMessageBox box(QMessageBox::Question, "Salvestamata muudatused",
                    filePath_.isEmpty() ? QString("Arvutuses on salvestamata muudatusi.")
                                        : QString("Failis \"%1\" on salvestamata muudatusi.")
                                              .arg(QFileInfo(filePath_).fileName()),
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, this);
    box.setObjectName("SaveQuestion");
    box.setTextFormat(Qt::PlainText);
    box.setInformativeText("Kas salvestada need enne jätkamist?");
    box.setDefaultButton(QMessageBox::Save);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
    case QMessageBox::Save:
        return Save1Click();
    case QMessageBox::Discard:
        return true;
    default:
        return false;
    }
}

void TMainKORVELseinForm::New1Click() {
    if (!MaybeSave()) return;
    Calculation start = Calculation::Start();
    wallChecks_ = start.checks;
    ApplyCalculation(start, TArvutused(), true);
    building_ = {};
    building_.walls.push_back({"Sein 1", start, TArvutused()});
    current_ = 0;
    StoreCurrentWall();
    savedBuilding_ = building_;
    EvaluateAllRows();
    WallsChanged();
    filePath_.clear();
    openedName_.clear();
    UpdateTitle(false);
}

void TMainKORVELseinForm::Open1Click() {
    if (!MaybeSave()) return;
    const QString dir = filePath_.isEmpty() ? QString() : QFileInfo(filePath_).absolutePath();
    const QString path =
        QFileDialog::getOpenFileName(this, "Ava arvutus", dir, FileFilter + ";;Tabelid (*.csv)");
    if (!path.isEmpty()) OpenFile(path);
}

QString TMainKORVELseinForm::LoadFile(const QString& path) {
    if (IsCsvPath(path)) return LoadCsv(path);
    const Korvel::CheckedBuilding read =
        Korvel::ReadBuildingFile(path, Korvel::DecimalSeparator().toStdString());
    if (!read.error.isEmpty())
        return QString("Faili \"%1\" ei saa avada:\n%2.").arg(Shown(path), read.error);
    SetBuilding(read.building);
    filePath_ = QFileInfo(path).absoluteFilePath();
    openedName_.clear();
    UpdateTitle(false);
    return {};
}

bool TMainKORVELseinForm::OpenFile(const QString& path) {
    const QString failure = LoadFile(path);
    if (failure.isEmpty()) return true;
    Korvel::ShowWarning(this, failure);
    return false;
}

void TMainKORVELseinForm::OpenAtStart(const QString& path) {
    startWarning_ = LoadFile(path);
}

bool TMainKORVELseinForm::Save1Click() {
    return filePath_.isEmpty() ? SaveAs1Click() : SaveFile(filePath_);
}

bool TMainKORVELseinForm::SaveAs1Click() {
    QFileDialog dialog(this, "Salvesta arvutus");
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(FileFilter);
    dialog.setDefaultSuffix(Korvel::CalculationSuffix);
    if (!filePath_.isEmpty())
        dialog.selectFile(filePath_);
    else if (!openedName_.isEmpty())
        dialog.selectFile(QFileInfo(openedName_).completeBaseName() + "." +
                          Korvel::CalculationSuffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return false;
    return SaveFile(dialog.selectedFiles().first());
}

bool TMainKORVELseinForm::SaveFile(const QString& path) {
    StoreCurrentWall();
    const Korvel::Building b = CurrentBuilding();
    const bool existed = QFileInfo::exists(path);
    const QString failure = Korvel::WriteAtomically(path, Korvel::WriteBuilding(b));
    if (!failure.isEmpty()) {
        Korvel::ShowWarning(
            this, QString("Faili \"%1\" ei saanud salvestada: %2. %3")
                      .arg(Shown(path), failure,
                           existed ? "Varasem fail jäi muutmata." : "Arvutus jäi salvestamata."));
        return false;
    }
    filePath_ = QFileInfo(path).absoluteFilePath();
    openedName_.clear();
    savedBuilding_ = building_;
    UpdateTitle(false);
    return true;
}

void TMainKORVELseinForm::dragEnterEvent(QDragEnterEvent* event) {
    if (!DroppedFile(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void TMainKORVELseinForm::dropEvent(QDropEvent* event) {
    const QString path = DroppedFile(event->mimeData());
    if (path.isEmpty()) return;
    event->acceptProposedAction();
    if (MaybeSave()) OpenFile(path);
}
