// What the dialogs share: their place over the window that opened them,
// Enter on a focused button, and the program's warning box.
#pragma once

#include <QString>

class QKeyEvent;
class QWidget;

namespace Korvel {

// Moves window so that it stands centred on over (a window that may have been
// moved), as far as the available screen area allows.
void CentreOver(QWidget* window, const QWidget* over);

// Enter on a focused push button of a dialog without a default button presses
// it; returns whether the key was taken.
bool PressFocusedButton(QWidget* dialog, QKeyEvent* event);

// The program's warning box: caption "Warning", warning icon, one "OK".
void ShowWarning(QWidget* parent, const QString& text);

} // namespace Korvel
