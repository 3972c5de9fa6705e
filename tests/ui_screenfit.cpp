// The windows on screens lower than they are. CTest runs this on screens side
// by side: 1920 x 1080 at 100 %, and what a desktop leaves to a window's
// content on 1366 x 768 at 125 %, on 1920 x 1080 at 150 % and on a tiny screen.
#include "Andmed.h"
#include "KoondjLisa.h"
#include "ScreenFit.h"
#include "TulemusedValik.h"
#include "UiTest.h"

#include <QApplication>
#include <QScreen>
#include <QScrollBar>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTest>
#include <QWindow>

namespace {

QScreen* ScreenNamed(const QString& name) {
    for (QScreen* s : QGuiApplication::screens())
        if (s->name() == name) return s;
    ADD_FAILURE() << "no screen " << name.toStdString();
    return QGuiApplication::primaryScreen();
}

Korvel::ScrollView* View(const QWidget* window) {
    return window->findChild<Korvel::ScrollView*>();
}

// Waits (a little) until window lies on screen with scroll bars where its
// content is larger than its view: geometry changes arrive as events.
void Settle(QWidget* window, const QRect& screen) {
    const Korvel::ScrollView* v = View(window);
    for (int i = 0; i < 100; ++i) {
        QTest::qWait(10);
        const QSize content = v->widget()->size(), port = v->viewport()->size();
        if (screen.contains(window->frameGeometry()) &&
            v->verticalScrollBar()->isVisible() == (content.height() > port.height()) &&
            v->horizontalScrollBar()->isVisible() == (content.width() > port.width()))
            return;
    }
}

// Dragged there by the user: the window changes screens.
void MoveTo(QWidget* window, const QString& screen) {
    const QRect avail = ScreenNamed(screen)->availableGeometry();
    window->move(avail.topLeft());
    Settle(window, avail);
}

bool ScrollBarsShown(const QWidget* window) {
    const Korvel::ScrollView* v = View(window);
    return v->verticalScrollBar()->isVisible() || v->horizontalScrollBar()->isVisible();
}

// Whole in the view and on the screen once the view has been scrolled to it.
void ExpectReachable(QWidget* w, const QRect& screen) {
    Korvel::ScrollView* view = View(w->window());
    view->ensureWidgetVisible(w, 0, 0);
    const QRect inView(w->mapTo(view->viewport(), QPoint()), w->size());
    const QRect onScreen(w->mapToGlobal(QPoint()), w->size());
    EXPECT_TRUE(view->viewport()->rect().contains(inView)) << w->objectName().toStdString();
    EXPECT_TRUE(screen.contains(onScreen)) << w->objectName().toStdString();
}

bool IsControl(const QWidget* w) {
    return qobject_cast<const QLabel*>(w) || qobject_cast<const QLineEdit*>(w) ||
           qobject_cast<const QAbstractButton*>(w) || qobject_cast<const QComboBox*>(w);
}

// Shown on the current page (or outside the pages).
bool ShownNow(const QWidget* w, const QWidget* window) {
    for (; w && w != window; w = w->parentWidget())
        if (w->isHidden()) return false;
    return true;
}

void ExpectWindowOnScreen(const QWidget* window, const QRect& screen) {
    EXPECT_TRUE(screen.contains(window->frameGeometry()))
        << window->objectName().toStdString() << " " << window->frameGeometry().height();
}

} // namespace

using ScreenFitTest = UiTest;

TEST_F(ScreenFitTest, OnALargeScreenTheWindowIsAsDesignedAndFitsAgainAfterEachScreenChange) {
    ShowMainWindow();
    const QSize designed = W->size();
    EXPECT_EQ(W->screen()->name(), "large");
    EXPECT_EQ(designed, W->sizeHint());
    EXPECT_EQ(W->Frame->size(), View(W)->viewport()->size());
    EXPECT_FALSE(ScrollBarsShown(W));

    for (const char* name : {"laptop125", "laptop150", "large"}) {
        SCOPED_TRACE(name);
        MoveTo(W, name);
        const QRect avail = ScreenNamed(name)->availableGeometry();
        ASSERT_EQ(W->screen()->name(), name);
        ExpectWindowOnScreen(W, avail);
        EXPECT_EQ(W->minimumSize(), W->maximumSize()) << "the frame stays fixed";
        EXPECT_FALSE(View(W)->horizontalScrollBar()->isVisible());
    }
    EXPECT_EQ(W->size(), designed);
    EXPECT_FALSE(ScrollBarsShown(W));
}

TEST_F(ScreenFitTest, OnALaptopEveryControlAndTheStatusBarCanBeReached) {
    ShowMainWindow();
    for (const char* name : {"laptop125", "laptop150"}) {
        SCOPED_TRACE(name);
        MoveTo(W, name);
        const QRect avail = ScreenNamed(name)->availableGeometry();
        ASSERT_TRUE(View(W)->verticalScrollBar()->isVisible());
        Click(W->CheckBox2);
        Click(W->CheckBox1);
        for (QWidget* page : {W->KandevArvut, W->KoondjArvut, W->ToesArvut, W->HooneArvut}) {
            W->ArvutPageControl->setCurrentWidget(page);
            for (QWidget* w : W->Frame->findChildren<QWidget*>())
                if (IsControl(w) && ShownNow(w, W)) ExpectReachable(w, avail);
            // The status bar stays in sight, wherever the content stands.
            const QRect bar(W->StatusBar1->mapToGlobal(QPoint()), W->StatusBar1->size());
            EXPECT_TRUE(W->StatusBar1->isVisible());
            EXPECT_TRUE(avail.contains(bar));
        }
        Click(W->CheckBox2);
        Click(W->CheckBox1);
    }
}

TEST_F(ScreenFitTest, FocusScrollsTheControlIntoView) {
    ShowMainWindow();
    MoveTo(W, "laptop125");
    Korvel::ScrollView* view = View(W);
    const auto inView = [view](const QWidget* w) {
        return view->viewport()->rect().contains(
            QRect(w->mapTo(view->viewport(), QPoint()), w->size()));
    };
    // "ARVUTA" by Tab from the top of the page.
    view->verticalScrollBar()->setValue(0);
    ASSERT_FALSE(inView(W->Button1));
    W->hEdit->setFocus(Qt::TabFocusReason);
    for (int i = 0; i < 40 && QApplication::focusWidget() != W->Button1; ++i)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), W->Button1);
    EXPECT_TRUE(inView(W->Button1));

    // And when the program moves the focus, as the Enter chain does.
    W->ToesClick();
    view->verticalScrollBar()->setValue(0);
    W->Button3->setFocus(Qt::OtherFocusReason);
    EXPECT_TRUE(inView(W->Button3));
}

TEST_F(ScreenFitTest, DialogsFitTheScreenThatHoldsTheMainWindow) {
    ShowMainWindow();
    MoveTo(W, "tiny");
    const QRect avail = ScreenNamed("tiny")->availableGeometry();
    ExpectWindowOnScreen(W, avail);
    for (QWidget* dialog :
         {static_cast<QWidget*>(AndmedForm), static_cast<QWidget*>(TulemusedValikForm)}) {
        dialog->show();
        Settle(dialog, avail);
        ExpectWindowOnScreen(dialog, avail);
        EXPECT_EQ(dialog->minimumSize(), dialog->maximumSize());
        for (QWidget* w : dialog->findChildren<QPushButton*>())
            ExpectReachable(w, avail);
        dialog->hide();
    }
    KoondjLisaForm->ShowCentred(W);
    Settle(KoondjLisaForm, avail);
    ExpectWindowOnScreen(KoondjLisaForm, avail);
    ExpectReachable(KoondjLisaForm->fdLabel5, avail);

    // Back on a large screen, the dialogs are as designed.
    MoveTo(W, "large");
    AndmedForm->show();
    Settle(AndmedForm, ScreenNamed("large")->availableGeometry());
    EXPECT_EQ(AndmedForm->size(), AndmedForm->sizeHint());
    EXPECT_FALSE(ScrollBarsShown(AndmedForm));
    AndmedForm->hide();
}
