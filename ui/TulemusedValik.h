// "Tulemuste kuvamine": the choice of report sections. A box is enabled only
// while its check's results belong to the current inputs.
#pragma once

#include <QDialog>

class QCheckBox;
class QGroupBox;
class QPushButton;

class TTulemusedValikForm : public QDialog {
    Q_OBJECT
public:
    explicit TTulemusedValikForm(QWidget* parent = nullptr);

    QGroupBox* TulemValikGroupBox = nullptr;
    QCheckBox* AVKYSKCheckBox = nullptr;
    QCheckBox* KKJCheckBox = nullptr;
    QCheckBox* ToesCheckBox = nullptr;
    QPushButton* KuvaButton = nullptr;
    QPushButton* LoobuButton2 = nullptr;

    void FormShow();
    void KuvaButtonClick();
    void LoobuButton2Click();

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

extern TTulemusedValikForm* TulemusedValikForm;
