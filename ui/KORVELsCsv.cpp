// The building to and from a spreadsheet: a CSV file opens as a new building
// only when every row passes; "Ekspordi CSV-faili ..." writes every wall.
#include "KorvelsCsv.h"
#include "AtomicWrite.h"
#include "Dialogs.h"
#include "KORVELs.h"
#include "KorvelsCsvWrite.h"
#include "NumberText.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHash>

namespace {

constexpr int ListedRows = 10;

} // namespace

bool IsCsvPath(const QString& path) {
    return QFileInfo(path).suffix().compare("csv", Qt::CaseInsensitive) == 0;
}

QString TMainKORVELseinForm::LoadCsv(const QString& path) {
    const QString shown = QDir::toNativeSeparators(path);
    const Korvel::CsvTable table =
        Korvel::ReadCsvFile(path, Korvel::DecimalSeparator().toStdString());
    if (!table.error.isEmpty())
        return QString("Faili \"%1\" ei saa avada:\n%2.").arg(shown, table.error);
    if (table.walls.size() > std::size_t(Korvel::MaxBuildingWalls))
        return QString("Faili \"%1\" ei saa avada:\nselles on %2 seina, hoones võib olla kuni %3.")
            .arg(shown)
            .arg(table.walls.size())
            .arg(Korvel::MaxBuildingWalls);

    // Every row checked first; a name used twice refuses both rows.
    QStringList refused;
    QHash<QString, int> lineOfName;
    for (const Korvel::CsvWall& w : table.walls) {
        if (!w.error.isEmpty()) {
            refused << w.error;
            continue;
        }
        if (const QString why = Korvel::WallNameProblem(w.name); !why.isEmpty()) {
            refused << QString("rida %1: %2").arg(w.line).arg(why);
            continue;
        }
        if (const auto it = lineOfName.constFind(w.name); it != lineOfName.constEnd())
            refused << QString("rida %1: sama nimi \"%2\" on juba real %3")
                           .arg(w.line)
                           .arg(w.name)
                           .arg(it.value());
        else
            lineOfName.insert(w.name, w.line);
    }
    if (!refused.isEmpty()) {
        QString text = QString("Faili \"%1\" ei saa avada: %2 rida ei sobi.\n\n")
                           .arg(shown)
                           .arg(refused.size());
        text += refused.mid(0, ListedRows).join('\n');
        if (refused.size() > ListedRows)
            text += QString("\n... ja veel %1 rida.").arg(refused.size() - ListedRows);
        return text;
    }

    Korvel::Building b;
    for (const Korvel::CsvWall& w : table.walls) {
        const auto& project = w.checked.calculation.project;
        const bool gives = std::any_of(project.begin(), project.end(),
                                       [](const QString& s) { return !s.isEmpty(); });
        if (b.walls.empty() || (gives && std::all_of(b.project.begin(), b.project.end(),
                                                     [](const QString& s) { return s.isEmpty(); })))
            b.project = project;
        b.walls.push_back({w.name, w.checked.calculation, w.checked.record});
    }
    SetBuilding(b);
    // No file of the program's own yet: "Salvesta" asks for one.
    filePath_.clear();
    openedName_ = QFileInfo(path).fileName();
    UpdateTitle(false);
    return {};
}

bool TMainKORVELseinForm::ExportCsv1Click() {
    QFileDialog dialog(this, "Ekspordi CSV-faili");
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter("Tabelid (*.csv)");
    dialog.setDefaultSuffix("csv");
    const QString base = !filePath_.isEmpty() ? filePath_ : openedName_;
    if (!base.isEmpty()) dialog.selectFile(QFileInfo(base).completeBaseName() + ".csv");
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return false;
    return ExportCsv(dialog.selectedFiles().first());
}

bool TMainKORVELseinForm::ExportCsv(const QString& path) {
    const bool existed = QFileInfo::exists(path);
    const QString failure = Korvel::WriteAtomically(path, Korvel::WriteCsv(CurrentBuilding()));
    if (failure.isEmpty()) return true;
    Korvel::ShowWarning(
        this, QString("Faili \"%1\" ei saanud kirjutada: %2. %3")
                  .arg(QDir::toNativeSeparators(path), failure,
                       existed ? "Varasem fail jäi muutmata." : "Tabel jäi kirjutamata."));
    return false;
}
