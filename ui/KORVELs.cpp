// The main window frame: menu, page control, status bar, start-up handlers.
#include "KORVELs.h"

#include "About.h"
#include "Dialogs.h"
#include "KoondjLisa.h"
#include "Placement.h"
#include "ScreenFit.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QKeySequence>
#include <QMenuBar>
#include <QScreen>
#include <QShowEvent>
#include <QStatusBar>
#include <QTabWidget>
#include <QThread>
#include <QTimer>
#include <utility>

TMainKORVELseinForm* MainKORVELseinForm = nullptr;

namespace {
constexpr int ClientWidth = 767;
constexpr int ClientHeight = 638;
constexpr int StatusBarHeight = 28;
} // namespace

TMainKORVELseinForm::TMainKORVELseinForm(QWidget* parent) : QMainWindow(parent) {
    setObjectName("MainKORVELseinForm");
    setWindowTitle("KORVEL poorbetoonseinte arvutus");
    // Fixed border, system menu and minimise only.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);

    BuildMenu();

    Frame = new QWidget;
    Frame->setObjectName("Frame");
    Frame->setFixedSize(ClientWidth, ClientHeight - StatusBarHeight);
    // On a screen lower than the window the frame scrolls between the menu
    // and the status bar, which stays in sight to explain the fields.
    auto* view = new Korvel::ScrollView(Frame, false, this);
    view->setObjectName("FrameView");
    setCentralWidget(view);

    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName("StatusBar1");
    StatusBar1->setFixedHeight(StatusBarHeight);
    StatusBar1->setSizeGripEnabled(false);
    setStatusBar(StatusBar1);

    ArvutPageControl = new QTabWidget(Frame);
    ArvutPageControl->setObjectName("ArvutPageControl");
    ArvutPageControl->setGeometry(7, 145, 754, 460);
    auto addPage = [this](const char* name, const QString& caption) {
        auto* page = new QWidget;
        page->setObjectName(name);
        ArvutPageControl->addTab(page, caption);
        return page;
    };
    KandevArvut =
        addPage("KandevArvut", "Avadeta vertikaalkoormusega ühekihilise seina kandevõime");
    KoondjArvut = addPage("KoondjArvut", "Koormamine koondatud jõuga");
    ToesArvut = addPage("ToesArvut", "Toesõlmed");
    HooneArvut = addPage("HooneArvut", "Hoone");
    TulemusedNt = addPage("TulemusedNt", "Tulemused");

    FormCrete();

    BuildPanel();
    BuildKandevPage();
    BuildKoondjPage();
    BuildToesPage();
    BuildTulemusedPage();
    BuildHoonePage();
    BuildWallRow();

    ArvutPageControl->setTabVisible(ArvutPageControl->indexOf(TulemusedNt), false);
    ArvutPageControl->setCurrentWidget(KandevArvut);
    lastPage_ = KandevArvut;
    connect(ArvutPageControl, &QTabWidget::currentChanged, this,
            &TMainKORVELseinForm::OnCurrentPageChanged);
    SetUpKeyboard();

    adjustSize();
    setFixedSize(sizeHint());
    Korvel::FitToScreen(this);
    // A calculation file dropped on the window opens it.
    setAcceptDrops(true);
}

TMainKORVELseinForm::~TMainKORVELseinForm() = default;

void TMainKORVELseinForm::BuildMenu() {
    auto* bar = menuBar();
    bar->setObjectName("MainMenu");
    auto action = [this](QMenu* menu, const char* name, const QString& caption) {
        auto* a = menu->addAction(caption);
        a->setObjectName(name);
        return a;
    };

    File1 = bar->addMenu("Failid");
    File1->setObjectName("File1");
    New1 = action(File1, "New1", "Uus");
    New1->setShortcut(QKeySequence("Ctrl+N"));
    Open1 = action(File1, "Open1", "Ava ...");
    Open1->setShortcut(QKeySequence("Ctrl+O"));
    Save1 = action(File1, "Save1", "Salvesta");
    Save1->setShortcut(QKeySequence("Ctrl+S"));
    SaveAs1 = action(File1, "SaveAs1", "Salvesta nimega ...");
    SaveAs1->setShortcut(QKeySequence("Ctrl+Shift+S"));
    ExportCsv1 = action(File1, "ExportCsv1", "Ekspordi CSV-faili ...");
    ExportCsv1->setShortcut(QKeySequence("Ctrl+E"));
    File1->addSeparator();
    Print1 = action(File1, "Print1", "Prindi ...");
    Print1->setShortcut(QKeySequence("Ctrl+P"));
    Print1->setEnabled(false);
    N1 = File1->addSeparator();
    N1->setObjectName("N1");
    Exit1 = action(File1, "Exit1", "Välju");
    Exit1->setShortcut(QKeySequence("Ctrl+Q"));

    AndmedMenu = bar->addMenu("Andmed");
    AndmedMenu->setObjectName("Andmed");
    Sisestandmed = action(AndmedMenu, "Sisestandmed", "Sisesta arvutuse andmed ...");

    Arvutused1 = bar->addMenu("Arvutused");
    Arvutused1->setObjectName("Arvutused1");
    Kandev =
        action(Arvutused1, "Kandev", "Avadeta vertikaalkoormusega ühekihilise seina kandevõime");
    Koondj = action(Arvutused1, "Koondj", "Koormamine koondatud jõuga");
    Toes = action(Arvutused1, "Toes", "Toesõlmed");
    Arvutused1->addSeparator();
    Plokid1 = action(Arvutused1, "Plokid1", "Sobivad plokid ...");

    Tulemused = bar->addMenu("Tulemused");
    BuildHooneMenu();
    Tulemused->setObjectName("Tulemused");
    KuvaTulemused = action(Tulemused, "KuvaTulemused", "Kuva tulemused ...");
    KuvaTulemused->setEnabled(false);

    Help1 = bar->addMenu("AbiInfo");
    Help1->setObjectName("Help1");
    About = action(Help1, "About", "Programmist ...");

    connect(New1, &QAction::triggered, this, &TMainKORVELseinForm::New1Click);
    connect(Open1, &QAction::triggered, this, &TMainKORVELseinForm::Open1Click);
    connect(Save1, &QAction::triggered, this, &TMainKORVELseinForm::Save1Click);
    connect(SaveAs1, &QAction::triggered, this, &TMainKORVELseinForm::SaveAs1Click);
    connect(ExportCsv1, &QAction::triggered, this, &TMainKORVELseinForm::ExportCsv1Click);
    connect(Print1, &QAction::triggered, this, &TMainKORVELseinForm::Print1Click);
    connect(Exit1, &QAction::triggered, this, &TMainKORVELseinForm::Exit1Click);
    connect(Sisestandmed, &QAction::triggered, this, &TMainKORVELseinForm::SisestandmedClick);
    connect(Kandev, &QAction::triggered, this, &TMainKORVELseinForm::KandevClick);
    connect(Koondj, &QAction::triggered, this, &TMainKORVELseinForm::KoondjClick);
    connect(Toes, &QAction::triggered, this, &TMainKORVELseinForm::ToesClick);
    connect(Plokid1, &QAction::triggered, this, &TMainKORVELseinForm::PlokidClick);
    connect(KuvaTulemused, &QAction::triggered, this, &TMainKORVELseinForm::KuvaTulemusedClick);
    connect(About, &QAction::triggered, this, &TMainKORVELseinForm::AboutClick);
}

void TMainKORVELseinForm::FormCrete() {
    ArvutPageControl->setCurrentWidget(KandevArvut);
    ARVUT = std::make_unique<TArvutused>();
}

void TMainKORVELseinForm::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (aboutShown_ || event->spontaneous()) return;
    aboutShown_ = true;
    // Centred, or from the top left where the fixed size does not fit.
    if (const QScreen* s = screen()) Korvel::CentreOn(this, s->availableGeometry());
    // The About box opens over the window once it is on the screen.
    QTimer::singleShot(0, this, &TMainKORVELseinForm::FormShow);
}

void TMainKORVELseinForm::closeEvent(QCloseEvent* event) {
    // Unsaved changes are not lost without a question.
    if (!MaybeSave()) {
        event->ignore();
        return;
    }
    QMainWindow::closeEvent(event);
    if (!event->isAccepted()) return;
    // Closing the main window ends the program, whatever else is open or
    // queued; the results window never outlives it.
    if (KoondjLisaForm) KoondjLisaForm->hide();
    if (QThread::currentThread()->loopLevel() > 0) QCoreApplication::exit(0);
}

void TMainKORVELseinForm::FormShow() {
    if (isVisible()) AboutClick();
    if (!startWarning_.isEmpty()) Korvel::ShowWarning(this, std::exchange(startWarning_, {}));
}

void TMainKORVELseinForm::AboutClick() {
    if (AboutBox) AboutBox->exec();
}

void TMainKORVELseinForm::Exit1Click() {
    close();
}

void TMainKORVELseinForm::KandevClick() {
    ArvutPageControl->setCurrentWidget(KandevArvut);
}
void TMainKORVELseinForm::KoondjClick() {
    ArvutPageControl->setCurrentWidget(KoondjArvut);
}
void TMainKORVELseinForm::ToesClick() {
    ArvutPageControl->setCurrentWidget(ToesArvut);
}

void TMainKORVELseinForm::HideResultsTab() {
    // A displayed report gives way to the page the user came from, before
    // the tab goes, so that the page change (and "Prindi ...") follows.
    if (ArvutPageControl->currentWidget() == TulemusedNt) {
        QWidget* back = pageBeforeResults_ ? pageBeforeResults_ : KandevArvut;
        ArvutPageControl->setCurrentWidget(back);
    }
    ArvutPageControl->setTabVisible(ArvutPageControl->indexOf(TulemusedNt), false);
}

void TMainKORVELseinForm::ShowResultsTab() {
    ArvutPageControl->setTabVisible(ArvutPageControl->indexOf(TulemusedNt), true);
}

bool TMainKORVELseinForm::ResultsTabVisible() const {
    return ArvutPageControl->isTabVisible(ArvutPageControl->indexOf(TulemusedNt));
}

void TMainKORVELseinForm::OnCurrentPageChanged(int index) {
    QWidget* page = ArvutPageControl->widget(index);
    if (lastPage_ == TulemusedNt && page != TulemusedNt) TulemusedNtHide();
    if (page == TulemusedNt && lastPage_ != TulemusedNt) {
        if (lastPage_) pageBeforeResults_ = lastPage_;
        TulemusedNtShow();
    }
    lastPage_ = page;
}
