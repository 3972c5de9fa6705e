// The page "Hoone": every wall's verdicts as the building report gives them,
// always current, the ticks of the checks that apply, and the walls added,
// renamed, deleted and moved; the menu "Hoone" with the same actions.
#include "Colours.h"
#include "Dialogs.h"
#include "KORVELs.h"
#include "KorvelsBuildingReport.h"
#include "KorvelsNumbers.h"
#include "NumberText.h"
#include "TableSelection.h"

#include <QAction>
#include <QHeaderView>
#include <QInputDialog>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QTableWidget>
#include <algorithm>

namespace {

constexpr int NameColumn = 0, BlockColumn = 1, SlendernessColumn = 2, FirstCheckColumn = 3;
constexpr int ColumnCount = FirstCheckColumn + Korvel::CheckKindCount;

// The page (Calculation::checks) whose tick a check column carries; -1: none.
int PageOfColumn(int column) {
    switch (column - FirstCheckColumn) {
    case static_cast<int>(Korvel::CheckKind::Vertical):
        return 0;
    case static_cast<int>(Korvel::CheckKind::Concentrated):
        return 1;
    case static_cast<int>(Korvel::CheckKind::Support):
        return 2;
    default:
        return -1;
    }
}

QString Verdict(Korvel::CheckState state) {
    switch (state) {
    case Korvel::CheckState::Passed:
        return "vastab";
    case Korvel::CheckState::Failed:
        return "ei vasta";
    case Korvel::CheckState::Undefined:
        return "ei saa kontrollida";
    case Korvel::CheckState::Hidden:
        return "ei näidata saleduse tõttu";
    case Korvel::CheckState::NotApplying:
        break;
    }
    return "ei kontrollita";
}

void Colour(QTableWidgetItem* item, bool coloured, bool passed) {
    if (!coloured) {
        item->setData(Qt::BackgroundRole, QVariant());
        item->setData(Qt::ForegroundRole, QVariant());
        return;
    }
    const QColor back = passed ? Korvel::MarkerGreen : Korvel::MarkerRed;
    item->setBackground(back);
    item->setForeground(Korvel::ReadableOn(back));
}

} // namespace

void TMainKORVELseinForm::BuildHoonePage() {
    // What the controls take; the stack sizes a page only once it is shown.
    HooneArvut->setMinimumSize(744, 352);
    SeinadTable = new QTableWidget(0, ColumnCount, HooneArvut);
    SeinadTable->setObjectName("SeinadTable");
    SeinadTable->setGeometry(6, 6, 738, 264);
    QStringList headers{"Sein", "Plokk", "Saledus"};
    for (const Korvel::CheckOutcome& c : Korvel::NoChecks())
        headers << QString::fromUtf8(c.column);
    SeinadTable->setHorizontalHeaderLabels(headers);
    SeinadTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    SeinadTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    SeinadTable->setSelectionMode(QAbstractItemView::SingleSelection);
    SeinadTable->setTabKeyNavigation(false);
    SeinadTable->setAccessibleName("Seinad");
    SeinadTable->verticalHeader()->hide();
    SeinadTable->verticalHeader()->setDefaultSectionSize(22);
    SeinadTable->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    SeinadTable->horizontalHeader()->setSectionResizeMode(NameColumn, QHeaderView::Interactive);
    SeinadTable->setColumnWidth(NameColumn, 120);
    // The verdicts' colours stay readable on the current wall's row.
    SeinadTable->setItemDelegate(new Korvel::FramedSelection(SeinadTable));
    connect(SeinadTable, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
        if (fillingTable_) return;
        const int page = PageOfColumn(item->column());
        if (page >= 0) SetWallCheck(item->row(), page, item->checkState() == Qt::Checked);
    });
    const auto activate = [this](const QModelIndex& index) {
        if (!index.isValid()) return;
        MakeWallCurrent(index.row());
        ArvutPageControl->setCurrentWidget(KandevArvut);
    };
    connect(SeinadTable, &QTableWidget::activated, this, activate);
    connect(SeinadTable, &QTableWidget::doubleClicked, this, activate);

    auto button = [this](const char* name, const QString& caption, int x, int width) {
        auto* b = new QPushButton(caption, HooneArvut);
        b->setObjectName(name);
        b->setGeometry(x, 276, width, 28);
        return b;
    };
    LisaSeinButton = button("LisaSeinButton", "Lisa sein", 6, 110);
    NimetaSeinButton = button("NimetaSeinButton", "Nimeta ümber ...", 122, 130);
    KustutaSeinButton = button("KustutaSeinButton", "Kustuta sein", 258, 110);
    YlesButton = button("YlesButton", "Üles", 374, 80);
    AllaButton = button("AllaButton", "Alla", 460, 80);
    connect(LisaSeinButton, &QPushButton::clicked, this, &TMainKORVELseinForm::LisaSeinClick);
    connect(NimetaSeinButton, &QPushButton::clicked, this, &TMainKORVELseinForm::NimetaSeinClick);
    connect(KustutaSeinButton, &QPushButton::clicked, this, &TMainKORVELseinForm::KustutaSeinClick);
    connect(YlesButton, &QPushButton::clicked, this, [this] { MoveWall(-1); });
    connect(AllaButton, &QPushButton::clicked, this, [this] { MoveWall(1); });

    HooneLabel = new QLabel(HooneArvut);
    HooneLabel->setObjectName("HooneLabel");
    HooneLabel->setGeometry(6, 310, 738, 40);
    HooneLabel->setTextFormat(Qt::PlainText);
    HooneLabel->setWordWrap(true);

    // "ARVUTA" of a page: its check applies to the current wall.
    QPushButton* arvuta[] = {Button1, Button2, Button3};
    for (int page = 0; page < 3; ++page)
        connect(arvuta[page], &QPushButton::clicked, this, [this, page] {
            if (!wallChecks_[static_cast<std::size_t>(page)]) SetWallCheck(current_, page, true);
        });
}

void TMainKORVELseinForm::BuildHooneMenu() {
    HooneMenu = new QMenu("Hoone", this);
    HooneMenu->setObjectName("HooneMenu");
    menuBar()->insertMenu(Tulemused->menuAction(), HooneMenu);
    auto action = [this](const char* name, const QString& caption, const char* keys) {
        auto* a = HooneMenu->addAction(caption);
        a->setObjectName(name);
        a->setShortcut(QKeySequence(QString::fromLatin1(keys)));
        return a;
    };
    // Ctrl+PgUp and Ctrl+PgDown turn the tab pages.
    LisaSein1 = action("LisaSein1", "Lisa sein", "Ctrl+Shift+N");
    NimetaSein1 = action("NimetaSein1", "Nimeta ümber ...", "F2");
    KustutaSein1 = action("KustutaSein1", "Kustuta sein", "Ctrl+Shift+Del");
    HooneMenu->addSeparator();
    EelmineSein1 = action("EelmineSein1", "Eelmine sein", "Alt+PgUp");
    JargmineSein1 = action("JargmineSein1", "Järgmine sein", "Alt+PgDown");
    HooneMenu->addSeparator();
    HooneAruanne1 = action("HooneAruanne1", "Hoone aruanne", "Ctrl+Shift+R");
    connect(LisaSein1, &QAction::triggered, this, &TMainKORVELseinForm::LisaSeinClick);
    connect(NimetaSein1, &QAction::triggered, this, &TMainKORVELseinForm::NimetaSeinClick);
    connect(KustutaSein1, &QAction::triggered, this, &TMainKORVELseinForm::KustutaSeinClick);
    connect(EelmineSein1, &QAction::triggered, this, [this] { MakeWallCurrent(current_ - 1); });
    connect(JargmineSein1, &QAction::triggered, this, [this] { MakeWallCurrent(current_ + 1); });
    connect(HooneAruanne1, &QAction::triggered, this, &TMainKORVELseinForm::HooneAruanneClick);
}

Korvel::CheckedCalculation TMainKORVELseinForm::WallToCheck(int wall) const {
    if (wall == current_) return {{}, CurrentCalculation(), *ARVUT};
    Korvel::CheckedCalculation c = building_.Checked(static_cast<std::size_t>(wall));
    for (QString& text : c.calculation.inputs)
        text.replace(',', '.');
    return c;
}

void TMainKORVELseinForm::EvaluateRow(int wall) {
    const auto i = static_cast<std::size_t>(wall);
    const Korvel::WallResult w =
        Korvel::EvaluateWall(WallToCheck(wall), Korvel::DecimalSeparator());
    Korvel::CheckedWall& out = outcomes_[i];
    static_cast<Korvel::WallOutcome&>(out) = w;
    out.name = building_.walls[i].name;
    out.block = building_.walls[i].calculation.block;
}

void TMainKORVELseinForm::EvaluateAllRows() {
    outcomes_.assign(building_.walls.size(), {});
    for (int i = 0; i < WallCount(); ++i)
        EvaluateRow(i);
    ShowAllRows();
}

void TMainKORVELseinForm::ShowRow(int wall) {
    const QSignalBlocker quiet(SeinadTable);
    fillingTable_ = true;
    const Korvel::CheckedWall& w = outcomes_[static_cast<std::size_t>(wall)];
    const auto& checks = building_.walls[static_cast<std::size_t>(wall)].calculation.checks;
    const std::array<bool, 3> ticks = wall == current_ ? wallChecks_ : checks;
    const QString sep = Korvel::DecimalSeparator();
    for (int column = 0; column < ColumnCount; ++column) {
        QTableWidgetItem* item = SeinadTable->item(wall, column);
        if (!item) {
            item = new QTableWidgetItem;
            SeinadTable->setItem(wall, column, item);
        }
        QString text, reading;
        bool coloured = false, passed = false;
        if (column == NameColumn) {
            text = w.name;
            reading = "sein " + w.name;
            item->setToolTip(w.name);
            // The column widens for a long name, up to a third of the table.
            const int need = SeinadTable->fontMetrics().horizontalAdvance(w.name) + 16;
            if (need > SeinadTable->columnWidth(NameColumn))
                SeinadTable->setColumnWidth(NameColumn, std::min(need, SeinadTable->width() / 3));
        } else if (column == BlockColumn) {
            text = w.block;
            reading = w.name + ", plokk: " + w.block;
        } else if (column == SlendernessColumn) {
            const QString value =
                QString::fromStdString(Korvel::FormatFixed(w.slenderness, 2, sep.toStdString()));
            text = value + (w.slendernessOk ? " OK" : " NB");
            coloured = true;
            passed = w.slendernessOk;
            reading = w.name + ", saledus " + value + ": " + (passed ? "vastab" : "ei vasta");
        } else {
            const Korvel::CheckOutcome& c = w.checks[static_cast<std::size_t>(column - 3)];
            text = Korvel::CheckCell(c).trimmed();
            coloured = c.Computed();
            passed = c.state == Korvel::CheckState::Passed;
            reading = w.name + ", " + QString::fromUtf8(c.column).toLower() + ": " +
                      (c.Computed() ? Korvel::ComputedWords(c) : Verdict(c.state));
            if (c.state == Korvel::CheckState::Undefined && !c.reason.isEmpty())
                reading += ", " + c.reason;
            const int page = PageOfColumn(column);
            if (page >= 0) {
                item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
                item->setCheckState(ticks[static_cast<std::size_t>(page)] ? Qt::Checked
                                                                          : Qt::Unchecked);
                reading += ticks[static_cast<std::size_t>(page)] ? ", märgitud" : ", märkimata";
            }
        }
        if (PageOfColumn(column) < 0) item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        item->setText(text);
        item->setData(Qt::AccessibleTextRole, reading);
        Colour(item, coloured, passed);
    }
    fillingTable_ = false;
}

void TMainKORVELseinForm::ShowAllRows() {
    {
        const QSignalBlocker quiet(SeinadTable);
        SeinadTable->setRowCount(WallCount());
    }
    for (int i = 0; i < WallCount(); ++i)
        ShowRow(i);
    ShowBuildingState();
}

void TMainKORVELseinForm::ShowBuildingState() {
    HooneLabel->setText(Korvel::Summary(outcomes_).join('\n'));
    const bool several = WallCount() > 1;
    KustutaSeinButton->setEnabled(several);
    KustutaSein1->setEnabled(several);
    YlesButton->setEnabled(current_ > 0);
    AllaButton->setEnabled(current_ + 1 < WallCount());
    EelmineSein1->setEnabled(current_ > 0);
    JargmineSein1->setEnabled(current_ + 1 < WallCount());
    const QSignalBlocker quiet(SeinadTable);
    SeinadTable->selectRow(current_);
}

void TMainKORVELseinForm::SetWallCheck(int wall, int page, bool on) {
    const auto p = static_cast<std::size_t>(page);
    if (wall == current_)
        wallChecks_[p] = on;
    else
        building_.walls[static_cast<std::size_t>(wall)].calculation.checks[p] = on;
    EvaluateRow(wall);
    ShowRow(wall);
    ShowBuildingState();
    HideResultsTab();
    DocumentChanged();
}

void TMainKORVELseinForm::LisaSeinClick() {
    StoreCurrentWall();
    int n = 1;
    while (building_.Find(QString("Sein %1").arg(n)) >= 0)
        ++n;
    Korvel::BuildingWall copy = building_.walls[static_cast<std::size_t>(current_)];
    copy.name = QString("Sein %1").arg(n);
    const auto at = static_cast<std::size_t>(current_ + 1);
    building_.walls.insert(building_.walls.begin() + static_cast<std::ptrdiff_t>(at), copy);
    Korvel::CheckedWall outcome = outcomes_[static_cast<std::size_t>(current_)];
    outcome.name = copy.name;
    outcomes_.insert(outcomes_.begin() + static_cast<std::ptrdiff_t>(at), outcome);
    {
        const QSignalBlocker quiet(SeinadTable);
        SeinadTable->insertRow(current_ + 1);
    }
    ShowRow(current_ + 1);
    MakeWallCurrent(current_ + 1);
    WallsChanged();
}

void TMainKORVELseinForm::NimetaSeinClick() {
    const QString old = building_.walls[static_cast<std::size_t>(current_)].name;
    QInputDialog dialog(this);
    dialog.setObjectName("NimetaSeinDialog");
    dialog.setWindowTitle("Nimeta sein ümber");
    dialog.setLabelText("Seina uus nimi:");
    dialog.setTextValue(old);
    if (dialog.exec() != QDialog::Accepted) return;
    const QString name = dialog.textValue();
    if (name == old) return;
    QString problem = Korvel::WallNameProblem(name);
    if (problem.isEmpty() && building_.Find(name) >= 0) problem = "see nimi on juba teisel seinal";
    if (!problem.isEmpty()) {
        Korvel::ShowWarning(this, QString("Seina ei saa nimetada ümber: %1.").arg(problem));
        return;
    }
    building_.walls[static_cast<std::size_t>(current_)].name = name;
    outcomes_[static_cast<std::size_t>(current_)].name = name;
    ShowRow(current_);
    ShowBuildingState();
    WallsChanged();
}

void TMainKORVELseinForm::KustutaSeinClick() {
    if (WallCount() < 2) return;
    const QString name = building_.walls[static_cast<std::size_t>(current_)].name;
    QMessageBox box(QMessageBox::Question, "Kustuta sein",
                    QString("Kas kustutada sein \"%1\"?").arg(name),
                    QMessageBox::Yes | QMessageBox::No, this);
    box.setObjectName("KustutaSeinQuestion");
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(QMessageBox::No);
    if (box.exec() != QMessageBox::Yes) return;
    const int gone = current_;
    const int next = gone + 1 < WallCount() ? gone + 1 : gone - 1;
    // The next wall goes into the pages first; then the deleted one is dropped.
    MakeWallCurrent(next);
    building_.walls.erase(building_.walls.begin() + gone);
    outcomes_.erase(outcomes_.begin() + gone);
    if (current_ > gone) --current_;
    {
        const QSignalBlocker quiet(SeinadTable);
        SeinadTable->removeRow(gone);
    }
    ShowBuildingState();
    WallsChanged();
}

void TMainKORVELseinForm::MoveWall(int step) {
    const int other = current_ + step;
    if (other < 0 || other >= WallCount()) return;
    StoreCurrentWall();
    std::swap(building_.walls[static_cast<std::size_t>(current_)],
              building_.walls[static_cast<std::size_t>(other)]);
    std::swap(outcomes_[static_cast<std::size_t>(current_)],
              outcomes_[static_cast<std::size_t>(other)]);
    const int was = current_;
    current_ = other;
    ShowRow(was);
    ShowRow(current_);
    ShowBuildingState();
    WallsChanged();
}

void TMainKORVELseinForm::HooneAruanneClick() {
    const Korvel::BuildingReportText report =
        Korvel::BuildingReport(CurrentBuilding(), Korvel::DecimalSeparator());
    ClearReport();
    for (const QString& line : report.lines)
        AppendLine(line);
    ShowResultsTab();
    ArvutPageControl->setCurrentWidget(TulemusedNt);
}
