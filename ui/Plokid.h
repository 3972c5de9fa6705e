// "Sobivad plokid": every product of the catalogue tried on the window's wall,
// the thinnest one that carries it recommended, and one chosen into the wall
// as the block list would choose it.
#pragma once

#include <QDialog>

namespace Korvel {
struct Calculation;
}
class QLabel;
class QPushButton;
class QTableWidget;
class TMainKORVELseinForm;

class TPlokidForm : public QDialog {
    Q_OBJECT
public:
    explicit TPlokidForm(TMainKORVELseinForm* main);

    QLabel* SoovitusLabel = nullptr;
    QTableWidget* PlokidTable = nullptr;
    QPushButton* ValiPlokkButton = nullptr;
    QPushButton* SulgePlokidButton = nullptr;

    // The table for wall, its recommended row selected; the reason when the
    // wall cannot be checked at all, and then nothing is shown.
    QString FormShow(const Korvel::Calculation& wall);
    // The product of the selected row, or -1.
    int SelectedBlock() const;
    void ValiPlokkButtonClick();
    void SulgePlokidButtonClick();

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    TMainKORVELseinForm* main_;
};
