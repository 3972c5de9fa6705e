// The About box: product, version, authors, the cooperating company and the
// memory figure.
#pragma once

#include <QDialog>
#include <cstdint>

class QLabel;
class QPushButton;

// Total physical memory as the box shows it: whole kilobytes, then megabytes
// with at most one decimal ("2047,5 MB", "2048 MB").
QString FormatPhysMem(std::uint64_t bytes);

class TAboutBox : public QDialog {
    Q_OBJECT
public:
    explicit TAboutBox(QWidget* parent = nullptr);

    QLabel* ProgramIcon = nullptr;
    QLabel* ProductName = nullptr;
    QLabel* Version = nullptr;
    QLabel* Copyright = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* CompanyLogo = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* PhysMemLabel = nullptr;
    QLabel* PhysMem = nullptr;
    QPushButton* OKButton = nullptr;

    void FormCreate();

protected:
    void showEvent(QShowEvent* event) override;
};

extern TAboutBox* AboutBox;
