// "Arvutuse andmed": the project particulars that head the report. The dialog
// itself holds them for the whole run.
#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

class TAndmedForm : public QDialog {
    Q_OBJECT
public:
    explicit TAndmedForm(QWidget* parent = nullptr);

    QLabel* PealkiriLabel = nullptr;
    QLineEdit* PealkiriEdit = nullptr;
    QLabel* ObnimLabel = nullptr;
    QLineEdit* ObnimEdit = nullptr;
    QLabel* PrnrLabel = nullptr;
    QLineEdit* PrnrEdit = nullptr;
    QLabel* TellijaLabel = nullptr;
    QLineEdit* TellijaEdit = nullptr;
    QLabel* ProjektLabel = nullptr;
    QLineEdit* ProjektEdit = nullptr;
    QLabel* KuupaevLabel = nullptr;
    QLineEdit* KuupaevEdit = nullptr;
    QLabel* MarkusLabel = nullptr;
    QLineEdit* MarkusEdit = nullptr;
    QPushButton* SisestButton = nullptr;
    QPushButton* TuhvalButton = nullptr;
    QPushButton* LoobuButton = nullptr;

    void SisestButtonClick();
    void TuhvalButtonClick();
    void LoobuButtonClick();

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

extern TAndmedForm* AndmedForm;
