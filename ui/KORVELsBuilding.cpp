// The window's building: its walls, the current one in the pages, the row
// that chooses it and what was last saved.
#include "KORVELs.h"
#include "KorvelsNumbers.h"
#include "SingleLine.h"

#include <QComboBox>
#include <QLabel>
#include <QSignalBlocker>

using Korvel::Calculation;

namespace {

constexpr int WallRowHeight = 30;

// One numeric text's value in either decimal form; false when none.
bool ValueOf(QString text, double& value) {
    return Korvel::ParseNumberText(text.replace(',', '.').toStdString(), value);
}

// The same wall's values, the project data aside (they are the building's).
bool SameWall(const Calculation& a, const Calculation& b) {
    if (a.block != b.block || a.checkBox1 != b.checkBox1 || a.checkBox2 != b.checkBox2 ||
        a.position != b.position || a.checks != b.checks)
        return false;
    for (std::size_t i = 0; i < a.inputs.size(); ++i) {
        if (a.inputs[i] == b.inputs[i]) continue;
        double x = 0, y = 0;
        if (!ValueOf(a.inputs[i], x) || !ValueOf(b.inputs[i], y) || x != y) return false;
    }
    return true;
}

} // namespace

void TMainKORVELseinForm::BuildWallRow() {
    // The row goes above the panels: everything below moves down by it.
    for (QWidget* child : Frame->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        child->move(child->x(), child->y() + WallRowHeight);
    Frame->setFixedSize(Frame->width(), Frame->height() + WallRowHeight);

    SeinLabel = new QLabel("Sein:", Frame);
    SeinLabel->setObjectName("SeinLabel");
    SeinLabel->setGeometry(14, 8, 40, 20);
    SeinComboBox = new QComboBox(Frame);
    SeinComboBox->setObjectName("SeinComboBox");
    SeinComboBox->setGeometry(56, 6, 300, 24);
    SeinComboBox->setAccessibleName("Sein");
    SeinComboBox->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    SeinLabel->setBuddy(SeinComboBox);
    connect(SeinComboBox, &QComboBox::activated, this,
            [this](int index) { MakeWallCurrent(index); });

    Korvel::BuildingWall first{"Sein 1", ShownCalculation(), *ARVUT};
    building_.walls.assign(1, first);
    current_ = 0;
    savedBuilding_ = building_;
    EvaluateAllRows();
    RefreshWallList();
}

void TMainKORVELseinForm::StoreCurrentWall() {
    // The texts as shown: switching back shows them exactly as they were.
    Korvel::BuildingWall& w = building_.walls[static_cast<std::size_t>(current_)];
    w.calculation = ShownCalculation();
    w.record = *ARVUT;
    building_.project = CurrentCalculation().project;
}

void TMainKORVELseinForm::MakeWallCurrent(int wall) {
    if (wall < 0 || wall >= WallCount() || wall == current_) {
        RefreshWallList();
        return;
    }
    StoreCurrentWall();
    current_ = wall;
    const Korvel::BuildingWall& w = building_.walls[static_cast<std::size_t>(wall)];
    Calculation c = w.calculation;
    c.project = building_.project;
    wallChecks_ = c.checks;
    ApplyCalculation(c, w.record);
    RefreshWallList();
}

void TMainKORVELseinForm::SetBuilding(const Korvel::Building& b) {
    building_ = b;
    current_ = 0;
    const Korvel::CheckedCalculation c = building_.Checked(0);
    wallChecks_ = c.calculation.checks;
    ApplyCalculation(c.calculation, c.record);
    StoreCurrentWall();
    savedBuilding_ = building_;
    EvaluateAllRows();
    RefreshWallList();
}

bool TMainKORVELseinForm::BuildingModified() const {
    if (building_.walls.size() != savedBuilding_.walls.size() ||
        CurrentCalculation().project != savedBuilding_.project)
        return true;
    const Calculation shown = ShownCalculation();
    for (std::size_t i = 0; i < building_.walls.size(); ++i) {
        const Korvel::BuildingWall& saved = savedBuilding_.walls[i];
        if (building_.walls[i].name != saved.name) return true;
        const bool current = static_cast<int>(i) == current_;
        if (!SameWall(current ? shown : building_.walls[i].calculation, saved.calculation))
            return true;
    }
    return false;
}

void TMainKORVELseinForm::RefreshWallList() {
    const QSignalBlocker quiet(SeinComboBox);
    bool same = SeinComboBox->count() == WallCount();
    for (int i = 0; same && i < WallCount(); ++i)
        same = SeinComboBox->itemText(i) == building_.walls[static_cast<std::size_t>(i)].name;
    if (!same) {
        SeinComboBox->clear();
        QStringList names;
        names.reserve(WallCount());
        for (const Korvel::BuildingWall& w : building_.walls)
            names << w.name;
        SeinComboBox->addItems(names);
    }
    SeinComboBox->setCurrentIndex(current_);
    if (outcomes_.size() == building_.walls.size()) ShowBuildingState();
}

void TMainKORVELseinForm::WallsChanged() {
    // A report on display names the walls as they were.
    HideResultsTab();
    RefreshWallList();
    DocumentChanged();
}
