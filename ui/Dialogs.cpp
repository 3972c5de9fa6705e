#include "Dialogs.h"

#include "Placement.h"

#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>

namespace Korvel {

void CentreOver(QWidget* window, const QWidget* over) {
    if (!over) return;
    CentreOn(window, over->frameGeometry());
}

bool PressFocusedButton(QWidget* dialog, QKeyEvent* event) {
    if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter) return false;
    auto* button = qobject_cast<QPushButton*>(dialog->focusWidget());
    if (!button) return false;
    event->accept();
    button->click();
    return true;
}

void ShowWarning(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::Warning, "Warning", text, QMessageBox::Ok, parent);
    // A message may name a file the user typed: never taken as markup.
    box.setTextFormat(Qt::PlainText);
    box.setObjectName("WarningBox");
    box.exec();
}

} // namespace Korvel
