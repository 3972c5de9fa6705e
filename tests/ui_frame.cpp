#include "About.h"
#include "NumberText.h"
#include "UiTest.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QTabWidget>
#include <QTest>
#include <utility>
#include <vector>

using FrameTest = UiTest;

TEST_F(FrameTest, StartsOnTheFirstPageWithTheResultsTabHiddenAndReportMenusDisabled) {
    ShowMainWindow();
    EXPECT_EQ(AboutBox->result(), QDialog::Accepted);
    EXPECT_EQ(W->ArvutPageControl->currentWidget(), W->KandevArvut);
    EXPECT_FALSE(W->ResultsTabVisible());
    EXPECT_FALSE(W->Print1->isEnabled());
    EXPECT_FALSE(W->KuvaTulemused->isEnabled());
}

namespace {

// Counts how often a widget is shown.
class ShowCounter : public QObject {
public:
    int shows = 0;

protected:
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Show) ++shows;
        return false;
    }
};

} // namespace

TEST_F(FrameTest, AboutBoxOpensOnceOnFirstShowAndAgainFromTheMenu) {
    ShowCounter counter;
    AboutBox->installEventFilter(&counter);
    ShowMainWindow();
    EXPECT_EQ(counter.shows, 1);
    EXPECT_FALSE(AboutBox->isVisible());
    EXPECT_TRUE(AboutBox->PhysMem->text().endsWith(" MB"));
    EXPECT_GT(AboutBox->PhysMem->text().size(), 3);
    EXPECT_EQ(AboutBox->windowTitle(), "KORVELsein programmist");

    W->hide();
    W->show();
    QTest::qWait(50);
    EXPECT_EQ(counter.shows, 1);

    QTimer closer;
    closer.setInterval(5);
    QObject::connect(&closer, &QTimer::timeout, [] {
        if (AboutBox->isVisible()) AboutBox->accept();
    });
    closer.start();
    W->About->trigger(); // modal until the closer answers
    closer.stop();
    EXPECT_EQ(counter.shows, 2);
    AboutBox->removeEventFilter(&counter);
}

TEST_F(FrameTest, CaptionAndFixedSize) {
    ShowMainWindow();
    EXPECT_EQ(W->windowTitle(), "KORVEL poorbetoonseinte arvutus");
    EXPECT_EQ(QApplication::applicationDisplayName(), "KORVEL poorbetoonseinte arvutus");
    EXPECT_EQ(W->minimumSize(), W->maximumSize());
    EXPECT_FALSE(W->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(W->centralWidget()->width(), 767);
    // 638 and the row that chooses the wall.
    EXPECT_EQ(W->centralWidget()->height() + W->StatusBar1->height(), 638 + 30);
}

TEST_F(FrameTest, DialogTitlesAreNotExtendedWithTheApplicationName) {
    // Only an explicit display name is appended by the platform to the title of
    // every dialog and warning box; the program sets the name alone.
    const QString name = QCoreApplication::applicationName();
    EXPECT_EQ(name, "KORVEL poorbetoonseinte arvutus");
    QCoreApplication::setApplicationName("probe");
    EXPECT_EQ(QGuiApplication::applicationDisplayName(), "probe");
    QCoreApplication::setApplicationName(name);
}

TEST_F(FrameTest, AboutBoxOpensInTheMiddleOfTheScreenWhereverTheWindowIs) {
    ShowMainWindow();
    const QRect screen = W->screen()->availableGeometry();
    W->move(W->pos() + QPoint(-120, 70));
    QPoint aboutCentre;
    QTimer closer;
    closer.setInterval(5);
    QObject::connect(&closer, &QTimer::timeout, [&] {
        if (!AboutBox->isVisible()) return;
        aboutCentre = AboutBox->frameGeometry().center();
        AboutBox->accept();
    });
    closer.start();
    W->About->trigger();
    closer.stop();
    EXPECT_LE((aboutCentre - screen.center()).manhattanLength(), 2)
        << aboutCentre.x() << "," << aboutCentre.y();
    EXPECT_GT((aboutCentre - W->frameGeometry().center()).manhattanLength(), 100);
}

TEST_F(FrameTest, MenuItemsHaveTheirNamesCaptionsOrderAndStartStates) {
    struct Menu {
        const char* name;
        const char* title;
        std::vector<std::pair<const char*, const char*>> items; // name, caption
    };
    const std::vector<Menu> menus = {
        {"File1",
         "Failid",
         {{"New1", "Uus"},
          {"Open1", "Ava ..."},
          {"Save1", "Salvesta"},
          {"SaveAs1", "Salvesta nimega ..."},
          {"ExportCsv1", "Ekspordi CSV-faili ..."},
          {"", ""},
          {"Print1", "Prindi ..."},
          {"N1", ""},
          {"Exit1", "Välju"}}},
        {"Andmed", "Andmed", {{"Sisestandmed", "Sisesta arvutuse andmed ..."}}},
        {"Arvutused1",
         "Arvutused",
         {{"Kandev", "Avadeta vertikaalkoormusega ühekihilise seina kandevõime"},
          {"Koondj", "Koormamine koondatud jõuga"},
          {"Toes", "Toesõlmed"},
          {"", ""},
          {"Plokid1", "Sobivad plokid ..."}}},
        {"HooneMenu",
         "Hoone",
         {{"LisaSein1", "Lisa sein"},
          {"NimetaSein1", "Nimeta ümber ..."},
          {"KustutaSein1", "Kustuta sein"},
          {"", ""},
          {"EelmineSein1", "Eelmine sein"},
          {"JargmineSein1", "Järgmine sein"},
          {"", ""},
          {"HooneAruanne1", "Hoone aruanne"}}},
        {"Tulemused", "Tulemused", {{"KuvaTulemused", "Kuva tulemused ..."}}},
        {"Help1", "AbiInfo", {{"About", "Programmist ..."}}}};

    const QList<QAction*> bar = W->menuBar()->actions();
    ASSERT_EQ(bar.size(), static_cast<qsizetype>(menus.size()));
    EXPECT_EQ(W->menuBar()->objectName(), "MainMenu");
    for (std::size_t m = 0; m < menus.size(); ++m) {
        SCOPED_TRACE(menus[m].name);
        QMenu* menu = bar[static_cast<qsizetype>(m)]->menu();
        ASSERT_TRUE(menu);
        EXPECT_EQ(menu->objectName(), menus[m].name);
        EXPECT_EQ(menu->title(), QString::fromUtf8(menus[m].title));
        const QList<QAction*> items = menu->actions();
        ASSERT_EQ(items.size(), static_cast<qsizetype>(menus[m].items.size()));
        for (std::size_t i = 0; i < menus[m].items.size(); ++i) {
            const auto& [name, caption] = menus[m].items[i];
            QAction* a = items[static_cast<qsizetype>(i)];
            EXPECT_EQ(a->objectName(), name);
            if (*caption) {
                EXPECT_EQ(a->text(), QString::fromUtf8(caption));
            }
            // With one wall there is none to delete or to go to.
            const bool disabledAtStart = a == W->Print1 || a == W->KuvaTulemused ||
                                         a == W->KustutaSein1 || a == W->EelmineSein1 ||
                                         a == W->JargmineSein1;
            EXPECT_EQ(a->isEnabled(), !disabledAtStart) << name;
        }
    }
    EXPECT_TRUE(W->N1->isSeparator());
}

TEST_F(FrameTest, CalculationMenuSwitchesPagesLikeTheTabs) {
    ShowMainWindow();
    W->Koondj->trigger();
    EXPECT_EQ(W->ArvutPageControl->currentWidget(), W->KoondjArvut);
    W->Toes->trigger();
    EXPECT_EQ(W->ArvutPageControl->currentWidget(), W->ToesArvut);
    W->Kandev->trigger();
    EXPECT_EQ(W->ArvutPageControl->currentWidget(), W->KandevArvut);
    EXPECT_EQ(W->ArvutPageControl->tabText(W->ArvutPageControl->indexOf(W->KoondjArvut)),
              W->Koondj->text());
    EXPECT_FALSE(W->ResultsTabVisible());
}

TEST_F(FrameTest, ExitClosesTheMainWindowAndEndsTheEventLoopWithoutAQuestion) {
    ShowMainWindow();
    // Run the real message loop: "Välju" must end it by itself.
    QTimer::singleShot(0, W->Exit1, &QAction::trigger);
    QTimer guard;
    guard.setSingleShot(true);
    bool timedOut = false;
    QObject::connect(&guard, &QTimer::timeout, [&] {
        timedOut = true;
        QApplication::quit();
    });
    guard.start(3000);
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_FALSE(timedOut);
    EXPECT_FALSE(W->isVisible());
    EXPECT_TRUE(warnings.texts.isEmpty());
}

TEST_F(FrameTest, PointingAtAnInputShowsItsHintInTheStatusBar) {
    ShowMainWindow();
    QLineEdit* h = Edit("hEdit");
    ASSERT_TRUE(h);
    ASSERT_FALSE(h->statusTip().isEmpty());
    EXPECT_EQ(h->toolTip(), h->statusTip());
    EXPECT_TRUE(W->StatusBar1->currentMessage().isEmpty());
    QTest::mouseMove(h, h->rect().center());
    QTest::qWait(20);
    EXPECT_EQ(W->StatusBar1->currentMessage(), h->statusTip());
}

TEST(PhysMem, MegabytesWithAtMostOneDecimal) {
    auto num = [](const char* text) {
        return QString::fromUtf8(text).replace('.', Korvel::DecimalSeparator());
    };
    EXPECT_EQ(FormatPhysMem(2146959360ULL), num("2047.5 MB"));
    EXPECT_EQ(FormatPhysMem(2ULL << 30), "2048 MB");
    EXPECT_EQ(FormatPhysMem(64ULL << 30), "65536 MB");
    EXPECT_EQ(FormatPhysMem((64ULL << 30) + (1ULL << 19)), num("65536.5 MB"));
    EXPECT_EQ(FormatPhysMem(1023), "0 MB"); // whole kilobytes first
}
