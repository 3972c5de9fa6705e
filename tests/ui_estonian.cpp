// Qt's own texts the user meets are Estonian under every locale; the warning
// box keeps its fixed "Warning" and "OK".
#include "UiTest.h"

#include <QApplication>
#include <QDialog>
#include <QMenu>
#include <QMessageBox>
#include <QPrintDialog>
#include <QTextEdit>

namespace {

QStringList MenuTexts(QMenu* menu) {
    QStringList texts;
    for (const QAction* a : menu->actions())
        if (!a->isSeparator()) texts << a->text().section('\t', 0, 0);
    delete menu;
    return texts;
}

QStringList ButtonTexts(const QWidget* dialog) {
    QStringList texts;
    for (const QPushButton* b : dialog->findChildren<QPushButton*>())
        if (b->isVisibleTo(dialog)) texts << b->text();
    return texts;
}

} // namespace

using EstonianTest = UiTest;

TEST_F(EstonianTest, ContextMenusOfTheEditsAndTheReport) {
    const QStringList edit = MenuTexts(W->hEdit->createStandardContextMenu());
    EXPECT_EQ(edit, (QStringList{"&Võta tagasi", "&Tee uuesti", "&Lõika", "&Kopeeri", "Kl&eebi",
                                 "Kustuta", "Vali kõik"}));
    const QStringList report = MenuTexts(W->RichEdit->createStandardContextMenu());
    EXPECT_TRUE(report.contains("&Kopeeri")) << report.join('|').toStdString();
    EXPECT_TRUE(report.contains("Vali kõik"));
}

TEST_F(EstonianTest, PrintDialogTitleAndButtonsWhileTheWarningBoxKeepsOk) {
    QString title;
    QStringList buttons;
    QTimer::singleShot(0, [&] {
        if (auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            title = d->windowTitle();
            buttons = ButtonTexts(d);
            d->reject();
        }
    });
    W->Print1Click();
    EXPECT_EQ(title, "Printimine");
    EXPECT_TRUE(buttons.contains("&Prindi")) << buttons.join('|').toStdString();
    EXPECT_TRUE(buttons.contains("Loobu"));
    EXPECT_TRUE(buttons.contains("&Suvandid >>"));

    // The standard button the warning box is made of.
    QMessageBox box(QMessageBox::Warning, "Warning", "x", QMessageBox::Ok);
    EXPECT_EQ(box.button(QMessageBox::Ok)->text(), "OK");
}
