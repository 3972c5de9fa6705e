#include "KoondjLisa.h"

#include "Accessibility.h"
#include "Colours.h"
#include "Controls.h"
#include "Dialogs.h"
#include "ScreenFit.h"

#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QStyle>
#include <QStyleOptionGroupBox>
#include <QVBoxLayout>
#include <algorithm>

using Korvel::AddSubscript;
using Korvel::MakeLabel;

TKoondjLisaForm* KoondjLisaForm = nullptr;

using Korvel::WithHint;

namespace {

constexpr int DesignWidth = 438;
constexpr int DesignHeight = 198;

QLabel* MakeMarker(QWidget* parent, const char* name, const QString& text, int y) {
    return Korvel::MakeMarker(parent, name, text, QRect(4, y, 20, 24), 17);
}

} // namespace

TKoondjLisaForm::TKoondjLisaForm(QWidget* parent) : QWidget(parent) {
    setObjectName("KoondjLisaForm");
    setWindowTitle("Tulemused erijuhtudel");
    // A tool window of the main window: above it only, minimised and hidden
    // with it, and other programs may cover it.
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    QFont f = font();
    f.setPixelSize(13);
    setFont(f);

    GroupBox1 = new QGroupBox;
    GroupBox1->setObjectName("GroupBox1");
    // The frame is resizable: the group box follows the window, and scrolls
    // where the window is smaller than its design.
    auto* view = new Korvel::ScrollView(GroupBox1, true, this);
    view->setObjectName("KoondjLisaView");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view);
    auto* g = GroupBox1;

    althLabel =
        MakeLabel(g, "althLabel",
                  "Kuna  2a    /h = 0, siis peavad olema rahuldatud järgmised tingimused:", 6, 16);
    althLabel1 = AddSubscript(althLabel, "Kuna  2a", "lt", "althLabel1");

    // One row: acting stress, marker, limit.
    struct Row {
        QGroupBox*& left;
        const char* leftName;
        QLabel*& symbol;
        const char* symbolName;
        const char* subName;
        QLabel*& value;
        const char* valueName;
        QGroupBox*& middle;
        const char* middleName;
        QLabel*& marker;
        const char* markerName;
        const char* markerText;
        QGroupBox*& right;
        const char* rightName;
        QLabel*& limit;
        const char* limitName;
        const char* limitText;
        const char* limitPrefix;
        const char* limitSubName;
    };
    const Row rows[2] = {
        {SigmaCGroupBox1, "SigmaCGroupBox1", SigmaCLabel3, "SigmaCLabel3", "cLabel2", SigmaCLabel4,
         "SigmaCLabel4", KTingGroupBox6, "KTingGroupBox6", KTingLabel8, "KTingLabel8", ">",
         SigmaAdmGroupBox1, "SigmaAdmGroupBox1", fdLabel4, "fdLabel4", "f     = 1.16 MPa", "f",
         "dLabel5"},
        {SigmaCGroupBox2, "SigmaCGroupBox2", SigmaCLabel5, "SigmaCLabel5", "cLabel3", SigmaCLabel6,
         "SigmaCLabel6", KTingGroupBox7, "KTingGroupBox7", KTingLabel9, "KTingLabel9", "<",
         SigmaAdmGroupBox2, "SigmaAdmGroupBox2", fdLabel5, "fdLabel5", "1,25 x f     = 1.45 MPa",
         "1,25 x f", "dLabel6"},
    };
    const int rowY[2] = {48, 102};
    for (int i = 0; i < 2; ++i) {
        const Row& r = rows[i];
        const int y = rowY[i];
        r.left = Korvel::MakeGroupBox(g, r.leftName, "Survepinge jõu all", QRect(4, y, 200, 50));
        r.symbol = WithHint(MakeLabel(r.left, r.symbolName, "σ     =", 10, 24),
                            "Arvutuslik survepinge jõu all");
        AddSubscript(r.symbol, "σ", "c", r.subName);
        r.value = WithHint(
            MakeLabel(r.left, r.valueName, "1.50 MPa", r.symbol->x() + r.symbol->width() + 4, 24),
            "Arvutuslik survepinge jõu all");
        Korvel::JoinQuantity(r.value, r.symbol);

        // The caption-less marker box lines up with the frames of its neighbours.
        const int top = Korvel::GroupFrameTop(r.left);
        r.middle = Korvel::MakeGroupBox(g, r.middleName, "", QRect(208, y + top, 28, 50 - top));
        const int valueCentre = r.value->y() + r.value->height() / 2;
        r.marker = MakeMarker(r.middle, r.markerName, r.markerText, valueCentre - top - 12);

        r.right =
            Korvel::MakeGroupBox(g, r.rightName, "Lubatud pinge jõu all", QRect(242, y, 192, 50));
        r.limit =
            WithHint(MakeLabel(r.right, r.limitName, r.limitText, 10, 24), "Lubatud pinge jõu all");
        AddSubscript(r.limit, r.limitPrefix, "d", r.limitSubName);
    }
    Korvel::SetMarkerSign(KTingLabel8, 1);
    Korvel::SetMarkerSign(KTingLabel9, -1);

    // The headings are the widest texts; the window never cuts them off.
    const int headingWidth =
        std::max(QFontMetrics(althLabel->font())
                     .horizontalAdvance(
                         "Kuna  2a    /h > või = 1, siis peab olema rahuldatud järgmine tingimus:"),
                 althLabel->width());
    GroupBox1->setMinimumSize(std::max(DesignWidth, althLabel->x() + headingWidth + 8),
                              DesignHeight);
    resize(GroupBox1->minimumSize());
    Korvel::FitToScreen(this);
}

void TKoondjLisaForm::ShowCentred(QWidget* over) {
    Korvel::CentreOver(this, over);
    show();
}
