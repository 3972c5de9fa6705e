// Single-line texts. A project field or a table cell with a control character
// (a line break, a tab) is refused; the window's own fields may hold one, and
// a file then keeps it as a blank. A report line has its line breaks as blanks.
#pragma once

#include <QString>

namespace Korvel {

bool HasControl(const QString& s);
QString ControlsAsBlanks(QString s);
QString LineBreaksAsBlanks(QString s);

} // namespace Korvel
