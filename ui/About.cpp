#include "About.h"

#include "Controls.h"
#include "KorvelsNumbers.h"
#include "NumberText.h"
#include "Picture.h"
#include "Placement.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <sys/sysinfo.h>

TAboutBox* AboutBox = nullptr;

QString FormatPhysMem(std::uint64_t bytes) {
    const double megabytes = static_cast<double>(bytes >> 10) / 1024;
    QString text = Korvel::Fmt("%.1f", {megabytes});
    const QString zeroFraction = Korvel::DecimalSeparator() + "0";
    if (text.endsWith(zeroFraction)) text.chop(zeroFraction.size());
    return text + " MB";
}

TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent) {
    setObjectName("AboutBox");
    setWindowTitle("KORVELsein programmist");
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFixedSize(298, 254);

    auto* panel = new QFrame(this);
    panel->setObjectName("Panel1");
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Raised);
    panel->setGeometry(5, 5, 287, 214);

    ProgramIcon = new QLabel(panel);
    ProgramIcon->setObjectName("ProgramIcon");
    ProgramIcon->setGeometry(10, 10, 90, 24);
    ProgramIcon->setScaledContents(true);
    Korvel::SetPicture(ProgramIcon, ":/pictures/korvel_logo");

    ProductName = Korvel::MakeLabel(panel, "ProductName", "poorbetoonseinte arvutus", 106, 14);
    QFont bold = ProductName->font();
    bold.setBold(true);
    ProductName->setFont(bold);
    ProductName->adjustSize();

    Version = Korvel::MakeLabel(panel, "Version", "Versioon 1.1.1", 10, 44);
    Copyright = Korvel::MakeLabel(panel, "Copyright", "Autorid: K. Tamm, M. Lepik, 2010", 10, 64);
    Label1 = Korvel::MakeLabel(panel, "Label1", "Programm on valminud koostöös:", 10, 92);

    CompanyLogo = new QLabel(panel);
    CompanyLogo->setObjectName("CompanyLogo");
    CompanyLogo->setGeometry(10, 112, 64, 48);
    CompanyLogo->setScaledContents(true);
    Korvel::SetPicture(CompanyLogo, ":/pictures/company_logo");

    Label2 = Korvel::MakeLabel(panel, "Label2", "Ehitusinsenerid Kask & Kivi OÜ", 82, 118);
    Label3 = Korvel::MakeLabel(panel, "Label3", "www.kaskkivi.ee", 82, 138);
    QFont underlined = Label3->font();
    underlined.setUnderline(true);
    Label3->setFont(underlined);
    Label3->adjustSize();

    PhysMemLabel =
        Korvel::MakeLabel(panel, "PhysMemLabel", "Windows'i kasutuses olev mälu:", 10, 184);
    PhysMem = Korvel::MakeLabel(panel, "PhysMem", "", 190, 184);

    OKButton = new QPushButton("OK", this);
    OKButton->setObjectName("OKButton");
    OKButton->setGeometry(111, 224, 75, 25);
    OKButton->setDefault(true);
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);

    FormCreate();
}

void TAboutBox::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (event->spontaneous()) return;
    // The box opens in the middle of the screen, wherever the main window was moved.
    const QWidget* owner = parentWidget() ? parentWidget() : this;
    if (const QScreen* s = owner->screen()) Korvel::CentreOn(this, s->availableGeometry());
}

void TAboutBox::FormCreate() {
    struct sysinfo info {};
    std::uint64_t bytes = 0;
    if (sysinfo(&info) == 0)
        bytes =
            static_cast<std::uint64_t>(info.totalram) * static_cast<std::uint64_t>(info.mem_unit);
    PhysMem->setText(FormatPhysMem(bytes));
    PhysMem->adjustSize();
    PhysMem->move(PhysMemLabel->x() + PhysMemLabel->width() + 6, PhysMem->y());
}
