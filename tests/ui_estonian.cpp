// Qt's own texts the user meets are Estonian under every locale; the warning
// box keeps its fixed "Warning" and "OK".
#include "UiTest.h"

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QHeaderView>
#include <QMenu>
#include <QMessageBox>
#include <QPrintDialog>
#include <QTextEdit>
#include <QToolButton>
#include <QTreeView>

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

TEST_F(EstonianTest, NonNativeFileDialogInSaveMode) {
    // The dialog the calculation files are saved with where the desktop has
    // none of its own.
    QFileDialog dialog(W, QString(), QString(), "KORVEL arvutused (*.korvel)");
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix("korvel");
    QString title, lookIn, fileName, fileType, filter, backTip;
    QStringList buttons, header, menu;
    QTimer::singleShot(0, [&] {
        title = dialog.windowTitle();
        buttons = ButtonTexts(&dialog);
        const auto label = [&](const char* name) {
            const QLabel* l = dialog.findChild<QLabel*>(name);
            return l ? l->text() : QString();
        };
        lookIn = label("lookInLabel");
        fileName = label("fileNameLabel");
        fileType = label("fileTypeLabel");
        if (const auto* c = dialog.findChild<QComboBox*>("fileTypeCombo"))
            filter = c->currentText();
        if (const auto* b = dialog.findChild<QToolButton*>("backButton")) backTip = b->toolTip();
        if (const auto* v = dialog.findChild<QTreeView*>("treeView"))
            for (int i = 0; i < v->header()->count(); ++i)
                header << v->model()->headerData(i, Qt::Horizontal).toString();
        for (const char* name : {"qt_rename_action", "qt_delete_action", "qt_show_hidden_action",
                                 "qt_new_folder_action"})
            if (const auto* a = dialog.findChild<QAction*>(name)) menu << a->text();
        dialog.reject();
    });
    dialog.exec();
    EXPECT_EQ(title, "Faili salvestamine");
    EXPECT_EQ(buttons, (QStringList{"&Salvesta", "Loobu"})) << buttons.join('|').toStdString();
    EXPECT_EQ(lookIn, "Asukoht:");
    EXPECT_EQ(fileName, "Faili &nimi:");
    EXPECT_EQ(fileType, "Failitüüp:");
    EXPECT_EQ(filter, "KORVEL arvutused (*.korvel)");
    EXPECT_EQ(backTip, "Tagasi");
    EXPECT_EQ(header, (QStringList{"Nimi", "Suurus", "Tüüp", "Muutmisaeg"}));
    EXPECT_EQ(menu,
              (QStringList{"&Nimeta ümber", "&Kustuta", "Näita &peidetud faile", "&Uus kaust"}));
}
