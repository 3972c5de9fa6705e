#include "Plokid.h"

#include "Colours.h"
#include "Dialogs.h"
#include "KORVELs.h"
#include "KorvelsBlocks.h"
#include "KorvelsInputs.h"
#include "KorvelsTable.h"
#include "NumberText.h"
#include "ScreenFit.h"
#include "TableSelection.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QTableWidget>
#include <QVBoxLayout>

using namespace Korvel;

namespace {

// Asks for room for every row and column: the dialog opens showing the whole
// table where the screen allows, and scrolls it where not.
class WholeTable : public QTableWidget {
public:
    using QTableWidget::QTableWidget;
    QSize sizeHint() const override {
        int width = 2 * frameWidth(), height = 2 * frameWidth();
        for (int c = 0; c < columnCount(); ++c)
            width += columnWidth(c);
        height += horizontalHeader()->sizeHint().height();
        for (int r = 0; r < rowCount(); ++r)
            height += rowHeight(r);
        return {width, height};
    }
};

const QString Dash = QString::fromUtf8("–");

// A check's cell in words, for a screen reader.
QString CheckWords(const CheckOutcome& c) {
    if (DoesNotFit(c)) return "ei mahu";
    switch (c.state) {
    case CheckState::Passed:
    case CheckState::Failed:
        return ComputedWords(c);
    case CheckState::Undefined:
        return "ei saa arvutada";
    case CheckState::Hidden:
        return "ei arvutata, sein on liiga sale";
    case CheckState::NotApplying:
        break;
    }
    return {};
}

} // namespace

TPlokidForm::TPlokidForm(TMainKORVELseinForm* main) : QDialog(main), main_(main) {
    setObjectName("PlokidForm");
    setWindowTitle("Sobivad plokid");
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    QFont f = font();
    f.setPixelSize(13);
    setFont(f);

    SoovitusLabel = new QLabel(this);
    SoovitusLabel->setObjectName("SoovitusLabel");
    SoovitusLabel->setTextFormat(Qt::PlainText);

    PlokidTable = new WholeTable(this);
    PlokidTable->setObjectName("PlokidTable");
    PlokidTable->setAccessibleName("Plokid");
    PlokidTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    PlokidTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    PlokidTable->setSelectionMode(QAbstractItemView::SingleSelection);
    // Tab leaves the table for the buttons; the arrows move between the rows.
    PlokidTable->setTabKeyNavigation(false);
    PlokidTable->setWordWrap(false);
    PlokidTable->verticalHeader()->hide();
    PlokidTable->verticalHeader()->setDefaultSectionSize(PlokidTable->fontMetrics().height() + 8);
    PlokidTable->horizontalHeader()->setHighlightSections(false);
    PlokidTable->setItemDelegate(new FramedSelection(PlokidTable));
    PlokidTable->installEventFilter(this);

    QFont buttonFont = font();
    buttonFont.setPixelSize(17);
    ValiPlokkButton = new QPushButton("Vali plokk", this);
    ValiPlokkButton->setObjectName("ValiPlokkButton");
    SulgePlokidButton = new QPushButton("Sulge", this);
    SulgePlokidButton->setObjectName("SulgePlokidButton");
    for (auto* b : {ValiPlokkButton, SulgePlokidButton}) {
        b->setFont(buttonFont);
        b->setAutoDefault(false);
        b->setMinimumWidth(110);
    }

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ValiPlokkButton);
    buttons->addWidget(SulgePlokidButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(SoovitusLabel);
    layout->addWidget(PlokidTable, 1);
    layout->addLayout(buttons);
    setTabOrder(PlokidTable, ValiPlokkButton);
    setTabOrder(ValiPlokkButton, SulgePlokidButton);
    Korvel::FitToScreen(this);

    connect(ValiPlokkButton, &QPushButton::clicked, this, &TPlokidForm::ValiPlokkButtonClick);
    connect(SulgePlokidButton, &QPushButton::clicked, this, &TPlokidForm::SulgePlokidButtonClick);
    connect(PlokidTable, &QTableWidget::doubleClicked, this, [this](const QModelIndex& index) {
        if (index.isValid()) ValiPlokkButtonClick();
    });
}

QString TPlokidForm::FormShow(const Calculation& wall) {
    const BlockChoice choice = ChooseBlock(wall, DecimalSeparator());
    if (!choice.error.isEmpty()) return choice.error;
    const auto catalogue = Catalogue();

    std::vector<CheckKind> applying;
    for (const CheckOutcome& c : choice.products.front().checks)
        if (c.Applies()) applying.push_back(c.kind);
    QStringList headers{"Plokk", "t, mm", "ρ, kg/m3", "f(b), MPa", "Saledus"};
    for (CheckKind kind : applying)
        headers << QString::fromUtf8(choice.products.front().Check(kind).column);
    headers << "Suurim";

    PlokidTable->clear();
    PlokidTable->setColumnCount(static_cast<int>(headers.size()));
    PlokidTable->setRowCount(static_cast<int>(choice.products.size()));
    PlokidTable->setHorizontalHeaderLabels(headers);
    for (const ProductOutcome& p : choice.products) {
        const Block& b = catalogue[static_cast<std::size_t>(p.block)];
        const QString name = QString::fromUtf8(b.name);
        const QColor background = p.Passes() ? MarkerGreen : MarkerRed;
        int column = 0;
        // Each cell is read as its product, its column and what it says.
        const auto put = [&](const QString& text, const QString& spoken,
                             const QString& tip = QString()) {
            auto* item = new QTableWidgetItem(text);
            item->setBackground(background);
            item->setForeground(ReadableOn(background));
            item->setTextAlignment(Qt::AlignVCenter |
                                   (column == 0 ? Qt::AlignLeft : Qt::AlignHCenter));
            item->setData(Qt::AccessibleTextRole, spoken);
            if (!tip.isEmpty()) item->setToolTip(tip);
            PlokidTable->setItem(p.block, column++, item);
        };
        const auto spoken = [&](const QString& what, const QString& says) {
            return name + ", " + what + ": " + says;
        };
        const bool current = p.block == choice.current;
        put(current ? name + " (praegune)" : name,
            name + (current ? ", praegune plokk: " : ": ") + (p.Passes() ? "sobib" : "ei sobi"));
        put(b.tItem, spoken("paksus", QString(b.tItem) + " mm"));
        const QString density = Fmt("%.f", {b.rooP * 100});
        put(density, spoken("tihedus", density + " kg/m3"));
        const QString strength = Fmt("%.1f", {b.fb});
        put(strength, spoken("tugevus f(b)", strength + " MPa"));
        const QString slenderness = Fmt("%.2f", {p.slenderness});
        put(slenderness + (p.slendernessOk ? " OK" : " NB"),
            spoken("saledus", slenderness + (p.slendernessOk ? ", vastab" : ", ei vasta")));
        for (CheckKind kind : applying) {
            const CheckOutcome& c = p.Check(kind);
            put(ProductCell(c), spoken(QString::fromUtf8(c.column).toLower(), CheckWords(c)),
                c.reason);
        }
        const QString largest = LargestText(p);
        put(largest, spoken("suurim kasutusaste", largest == Dash ? "puudub" : largest));
    }
    PlokidTable->resizeColumnsToContents();
    // Room between a cell's text and the grid.
    for (int c = 0; c < PlokidTable->columnCount(); ++c)
        PlokidTable->setColumnWidth(c, PlokidTable->columnWidth(c) + 12);

    if (choice.recommended >= 0) {
        const ProductOutcome& best = choice.products[static_cast<std::size_t>(choice.recommended)];
        SoovitusLabel->setText(
            QString("Kõige õhem sobiv plokk: %1, suurim kasutusaste %2.")
                .arg(
                    QString::fromUtf8(catalogue[static_cast<std::size_t>(choice.recommended)].name),
                    LargestText(best)));
    } else {
        SoovitusLabel->setText("Ükski plokk ei sobi.");
    }
    PlokidTable->setAccessibleDescription(SoovitusLabel->text());
    const int selected = choice.recommended >= 0 ? choice.recommended : choice.current;
    PlokidTable->setCurrentCell(selected, 0);
    PlokidTable->scrollToItem(PlokidTable->item(selected, 0));
    resize(sizeHint());
    return {};
}

int TPlokidForm::SelectedBlock() const {
    const QList<QTableWidgetSelectionRange> ranges = PlokidTable->selectedRanges();
    return ranges.isEmpty() ? -1 : ranges.front().topRow();
}

void TPlokidForm::ValiPlokkButtonClick() {
    const int block = SelectedBlock();
    accept();
    if (block < 0) return;
    // As a choice in the block list: the list's own handler does the rest.
    QComboBox* list = main_->TKComboBox;
    list->setCurrentIndex(block);
    emit list->activated(block);
}

void TPlokidForm::SulgePlokidButtonClick() {
    reject();
}

void TPlokidForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (event->spontaneous()) return;
    Korvel::CentreOver(this, parentWidget());
    PlokidTable->setFocus(Qt::OtherFocusReason);
}

void TPlokidForm::keyPressEvent(QKeyEvent* event) {
    // Enter presses the focused button; there is no default button.
    if (Korvel::PressFocusedButton(this, event)) return;
    QDialog::keyPressEvent(event);
}

bool TPlokidForm::eventFilter(QObject* watched, QEvent* event) {
    // Enter on a row chooses it, as a double click does.
    if (watched == PlokidTable && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            if (SelectedBlock() >= 0) ValiPlokkButtonClick();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TMainKORVELseinForm::PlokidClick() {
    auto* form = findChild<TPlokidForm*>(QString(), Qt::FindDirectChildrenOnly);
    if (!form) form = new TPlokidForm(this);
    if (const QString refused = form->FormShow(CurrentCalculation()); !refused.isEmpty()) {
        Korvel::ShowWarning(this, "Plokke ei saa proovida: " + refused + ".");
        return;
    }
    form->exec();
}
