#include "KorvelsInput.h"

#include "KorvelsNumbers.h"

#include <QLineEdit>
#include <QLocale>
#include <bitset>

namespace {
std::bitset<256> integerSet;
std::bitset<256> decimalSet;
QString decimalSeparator = ".";

const bool baseSetsReady = [] {
    integerSet.set('-');
    for (char c = '0'; c <= '9'; ++c)
        integerSet.set(static_cast<unsigned char>(c));
    decimalSet = integerSet;
    return true;
}();
} // namespace

void InitDecimalCharSet() {
    (void)baseSetsReady;
    decimalSeparator = QLocale::system().decimalPoint();
    // A separator outside the 8-bit range cannot be typed into a decimal field;
    // the point then stands in for it.
    if (decimalSeparator.size() != 1 || decimalSeparator[0].unicode() > 255) decimalSeparator = ".";
    decimalSet = integerSet;
    decimalSet.set(decimalSeparator[0].unicode());
}

QString DecimalSeparatorChar() {
    return decimalSeparator;
}

bool CharAllowed(QChar c, bool decimal) {
    const auto code = c.unicode();
    if (code > 255) return false;
    return decimal ? decimalSet.test(code) : integerSet.test(code);
}

bool FilterEditText(QLineEdit* edit, bool decimal) {
    const QString text = edit->text();
    if (text.isEmpty()) return false;
    QString kept;
    kept.reserve(text.size());
    qsizetype firstRemoved = -1;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (CharAllowed(text[i], decimal))
            kept += text[i];
        else if (firstRemoved < 0)
            firstRemoved = i;
    }
    if (firstRemoved < 0) return false;
    edit->setText(kept);
    edit->setCursorPosition(static_cast<int>(firstRemoved));
    return true;
}

bool ParseNumber(const QString& text, double& value) {
    QString s = text;
    if (decimalSeparator == ",") s.replace(',', '.');
    value = 0;
    // Anything outside plain ASCII cannot be part of a number.
    for (QChar c : s)
        if (c.unicode() > 127) return false;
    return Korvel::ParseNumberText(s.toStdString(), value);
}
