#include "SingleLine.h"

namespace Korvel {

namespace {
bool IsControl(QChar c) {
    return c.category() == QChar::Other_Control || c == QChar::LineSeparator ||
           c == QChar::ParagraphSeparator;
}
} // namespace

bool HasControl(const QString& s) {
    for (QChar c : s)
        if (IsControl(c)) return true;
    return false;
}

QString ControlsAsBlanks(QString s) {
    for (QChar& c : s)
        if (IsControl(c)) c = ' ';
    return s;
}

QString LineBreaksAsBlanks(QString s) {
    for (QChar& c : s)
        if (c == '\n' || c == '\r' || c == QChar::LineSeparator || c == QChar::ParagraphSeparator)
            c = ' ';
    return s;
}

} // namespace Korvel
