// How the windows look on a system other than the one they were drawn on:
// CTest runs this with only DejaVu fonts offered and on a small screen.
#include "About.h"
#include "Andmed.h"
#include "Colours.h"
#include "Fonts.h"
#include "KoondjLisa.h"
#include "TulemusedValik.h"
#include "UiTest.h"

#include <QApplication>
#include <QFontInfo>
#include <QScreen>
#include <QStackedWidget>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTextEdit>
#include <vector>

namespace {

std::vector<QWidget*> Windows() {
    return {MainKORVELseinForm, AboutBox, KoondjLisaForm, AndmedForm, TulemusedValikForm};
}

// Shown in its window once that is on screen, whichever page is current.
bool ShownIn(const QWidget* widget, const QWidget* window) {
    for (const QWidget* w = widget; w && w != window; w = w->parentWidget()) {
        const bool isPage = qobject_cast<const QStackedWidget*>(w->parentWidget()) != nullptr;
        if (!isPage && w->isHidden()) return false;
    }
    return true;
}

template <typename F> void ForEachShown(F f) {
    for (QWidget* window : Windows())
        if (window->isVisible())
            for (QWidget* w : window->findChildren<QWidget*>())
                if (w->window() == window && ShownIn(w, window)) f(w);
}

// The width a control needs for its text, or 0 for one without text.
int NeededWidth(const QWidget* w) {
    if (auto* label = qobject_cast<const QLabel*>(w))
        return label->text().isEmpty() ? 0 : label->sizeHint().width();
    if (auto* box = qobject_cast<const QCheckBox*>(w)) return box->sizeHint().width();
    if (auto* edit = qobject_cast<const QLineEdit*>(w)) {
        // The room QLineEdit's own size hint adds around its text.
        QStyleOptionFrame opt;
        opt.initFrom(edit);
        opt.lineWidth = edit->hasFrame()
                            ? edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &opt, edit)
                            : 0;
        const QMargins tm = edit->textMargins();
        const int text = edit->fontMetrics().horizontalAdvance(edit->text()) + 4 + tm.left() +
                         tm.right() + edit->contentsMargins().left() +
                         edit->contentsMargins().right();
        return edit->style()
            ->sizeFromContents(QStyle::CT_LineEdit, &opt, QSize(text, edit->height()), edit)
            .width();
    }
    return 0;
}

void ExpectNothingClipped(const char* state) {
    ForEachShown([state](QWidget* w) {
        const int need = NeededWidth(w);
        if (need == 0) return;
        const std::string what = std::string(state) + ": " + w->objectName().toStdString() + " \"" +
                                 (qobject_cast<QLineEdit*>(w) ? static_cast<QLineEdit*>(w)->text()
                                                              : w->property("text").toString())
                                     .toStdString() +
                                 "\"";
        EXPECT_LE(need, w->width()) << what;
        EXPECT_TRUE(w->parentWidget()->rect().contains(w->geometry())) << what << " leaves its box";
    });
}

void ExpectReadable(const char* state) {
    ForEachShown([state](QWidget* w) {
        const QPalette& pal = w->palette();
        double ratio = 0;
        if (auto* label = qobject_cast<QLabel*>(w)) {
            if (label->text().isEmpty()) return;
            ratio =
                Korvel::ContrastRatio(pal.color(QPalette::WindowText), pal.color(QPalette::Window));
        } else if (qobject_cast<QLineEdit*>(w)) {
            ratio = Korvel::ContrastRatio(pal.color(QPalette::Text), pal.color(QPalette::Base));
        } else {
            return;
        }
        EXPECT_GE(ratio, 4.5) << state << ": " << w->objectName().toStdString() << " on "
                              << ColourName(w).toStdString();
    });
}

QPalette DarkPalette() {
    QPalette p;
    const QColor window(53, 53, 53), base(35, 35, 35), light(230, 230, 230);
    for (auto [role, colour] : {std::pair{QPalette::Window, window},
                                {QPalette::WindowText, light},
                                {QPalette::Base, base},
                                {QPalette::AlternateBase, window},
                                {QPalette::Text, light},
                                {QPalette::Button, window},
                                {QPalette::ButtonText, light},
                                {QPalette::ToolTipBase, base},
                                {QPalette::ToolTipText, light},
                                {QPalette::Highlight, QColor(42, 130, 218)},
                                {QPalette::HighlightedText, light}})
        p.setColor(role, colour);
    return p;
}

} // namespace

using AppearanceTest = UiTest;

TEST_F(AppearanceTest, EveryWindowAndTheReportUseTheEmbeddedFace) {
    const QString family = Korvel::LayoutFontFamily();
    ASSERT_FALSE(family.isEmpty());
    for (QWidget* window : Windows())
        EXPECT_EQ(QFontInfo(window->font()).family(), family) << window->objectName().toStdString();
    EXPECT_EQ(QFontInfo(W->RichEdit->document()->defaultFont()).family(), family);
    const QFontInfo bold(AboutBox->ProductName->font());
    EXPECT_EQ(bold.family(), family);
    EXPECT_TRUE(bold.bold());
}

TEST_F(AppearanceTest, NoTextIsCutInAnyStateTheWindowsReach) {
    ShowMainWindow();
    ExpectNothingClipped("start");
    for (QWidget* dialog : {static_cast<QWidget*>(AboutBox), static_cast<QWidget*>(AndmedForm),
                            static_cast<QWidget*>(TulemusedValikForm)}) {
        dialog->show();
        ExpectNothingClipped(dialog->objectName().toUtf8().constData());
        dialog->hide();
    }
    Click(W->Button1);
    ExpectNothingClipped("vertical capacity");
    Paste(W->PvldEdit, "700");
    Click(W->Button1);
    ExpectNothingClipped("vertical capacity failing");

    W->KoondjClick();
    Click(W->Button2); // the start bearing area does not fit: yellow fields
    ExpectNothingClipped("concentrated load to review");
    Click(W->CheckBox2);
    Paste(W->tkjEdit, "150");
    Click(W->Button2);
    ExpectNothingClipped("concentrated load and corner");
    Click(W->CheckBox2);
    Paste(W->altEdit, "0");
    Click(W->Button2);
    ASSERT_TRUE(KoondjLisaForm->isVisible());
    ExpectNothingClipped("special case");
    KoondjLisaForm->hide();

    W->ToesClick();
    Click(W->Button3);
    ExpectNothingClipped("support node");
    Click(W->CheckBox1);
    for (QRadioButton* b : {W->RadioButton1, W->RadioButton2, W->RadioButton3}) {
        Click(b);
        Click(W->Button3);
        ExpectNothingClipped(b->objectName().toUtf8().constData());
    }
}

class DarkThemeTest : public UiTest {
protected:
    void SetUp() override {
        saved_ = QApplication::palette();
        QApplication::setPalette(DarkPalette());
        UiTest::SetUp();
    }
    void TearDown() override {
        UiTest::TearDown();
        QApplication::setPalette(saved_);
    }

private:
    QPalette saved_;
};

TEST_F(DarkThemeTest, MarkersYellowFieldsAndCaptionsReadInPassAndFail) {
    ShowMainWindow();
    ExpectReadable("start");
    Click(W->Button1);
    ExpectReadable("vertical capacity");
    Paste(W->PvldEdit, "700");
    Click(W->Button1);
    ExpectReadable("vertical capacity failing");

    W->KoondjClick();
    Click(W->Button2);
    ExpectReadable("concentrated load to review");
    Click(W->CheckBox2);
    Paste(W->tkjEdit, "150");
    Paste(W->LEdit, "5000");
    Paste(W->akaEdit, "700");
    Click(W->Button2);
    ASSERT_TRUE(W->NtLabel1->isVisible());
    ExpectReadable("corner to reinforce");

    W->ToesClick();
    Paste(W->stEdit, "6000");
    Paste(W->LEdit, "400");
    Click(W->CheckBox1);
    Click(W->RadioButton3);
    Click(W->Button3);
    ExpectReadable("support node to review");
}

TEST_F(AppearanceTest, WindowsLargerThanTheScreenKeepTheirTitleBarOnIt) {
    const QRect avail = W->screen()->availableGeometry();
    ASSERT_GT(W->sizeHint().height(), avail.height()) << "the screen is not small";
    ShowMainWindow();
    // The window takes the screen's height; its content scrolls.
    EXPECT_EQ(W->frameGeometry().height(), avail.height());
    EXPECT_EQ(W->frameGeometry().top(), avail.top());
    EXPECT_GE(W->frameGeometry().left(), avail.left());

    // Dragged up and left, the main window takes its dialogs off the screen.
    W->move(avail.topLeft() - QPoint(500, 500));
    QApplication::processEvents();
    AndmedForm->show();
    QApplication::processEvents();
    EXPECT_GE(AndmedForm->frameGeometry().top(), avail.top());
    EXPECT_GE(AndmedForm->frameGeometry().left(), avail.left());
    AndmedForm->hide();
    KoondjLisaForm->ShowCentred(W);
    EXPECT_GE(KoondjLisaForm->frameGeometry().top(), avail.top());
    EXPECT_GE(KoondjLisaForm->frameGeometry().left(), avail.left());
}
