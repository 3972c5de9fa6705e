// "Tulemused erijuhtudel": the concentrated-load results for a bearing area at
// the wall end or far from it. The main window fills every text.
#pragma once

#include <QWidget>

class QGroupBox;
class QLabel;

class TKoondjLisaForm : public QWidget {
    Q_OBJECT
public:
    explicit TKoondjLisaForm(QWidget* parent = nullptr);

    QGroupBox* GroupBox1 = nullptr;
    QLabel* althLabel = nullptr;
    QLabel* althLabel1 = nullptr;
    QGroupBox* SigmaCGroupBox1 = nullptr;
    QLabel* SigmaCLabel3 = nullptr;
    QLabel* SigmaCLabel4 = nullptr;
    QGroupBox* KTingGroupBox6 = nullptr;
    QLabel* KTingLabel8 = nullptr;
    QGroupBox* SigmaAdmGroupBox1 = nullptr;
    QLabel* fdLabel4 = nullptr;
    QGroupBox* SigmaCGroupBox2 = nullptr;
    QLabel* SigmaCLabel5 = nullptr;
    QLabel* SigmaCLabel6 = nullptr;
    QGroupBox* KTingGroupBox7 = nullptr;
    QLabel* KTingLabel9 = nullptr;
    QGroupBox* SigmaAdmGroupBox2 = nullptr;
    QLabel* fdLabel5 = nullptr;

    // Shows the window centred on the main window, without waiting for it.
    void ShowCentred(QWidget* over);
};

extern TKoondjLisaForm* KoondjLisaForm;
