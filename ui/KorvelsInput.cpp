#include "KorvelsInput.h"

#include "KorvelsNumbers.h"

#include <QLineEdit>
#include <QLocale>
#include <bitset>
#include <string>

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

namespace {
// The minus sign Qt writes for some locales, and the dashes a word processor
// puts in place of a hyphen: a pasted "–20" is minus twenty, not twenty.
bool IsMinus(QChar c) {
    switch (c.unicode()) {
    case '-':
    case 0x2010: // hyphen
    case 0x2011: // non-breaking hyphen
    case 0x2012: // figure dash
    case 0x2013: // en dash
    case 0x2014: // em dash
    case 0x2212: // minus sign
    case 0xFE63: // small hyphen-minus
    case 0xFF0D: // fullwidth hyphen-minus
        return true;
    default:
        return false;
    }
}

// A typed character as the filter reads it: every minus is "-"; in a decimal
// field the other separator is the locale's, so that "12.5" is never 125.
QChar Normalised(QChar c, bool decimal) {
    if (IsMinus(c)) return QChar('-');
    if (decimal && (c == '.' || c == ',')) return decimalSeparator[0];
    return c;
}
} // namespace

bool FilterEditText(QLineEdit* edit, bool decimal) {
    const QString text = edit->text();
    if (text.isEmpty()) return false;
    QString kept;
    kept.reserve(text.size());
    qsizetype firstRemoved = -1;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = Normalised(text[i], decimal);
        if (CharAllowed(c, decimal))
            kept += c;
        else if (firstRemoved < 0)
            firstRemoved = i;
    }
    if (kept == text) return false;
    const int caret = firstRemoved < 0 ? edit->cursorPosition() : static_cast<int>(firstRemoved);
    edit->setText(kept);
    // A refusal in the nested change has put back another text, selected.
    if (edit->text() == kept) edit->setCursorPosition(caret);
    return true;
}

bool HasFractionDigits(const QString& text) {
    // Letters vanish anyway; what stays decides, so "12,a5" counts too.
    QChar last;
    for (QChar c : text) {
        const bool digit = c >= '0' && c <= '9';
        if (!digit && c != '.' && c != ',' && !IsMinus(c)) continue;
        if (digit && (last == '.' || last == ',')) return true;
        last = c;
    }
    return false;
}

bool HasThousandsGroup(const QString& text) {
    const char other = decimalSeparator == "," ? '.' : ',';
    // What the filter keeps decides, as in HasFractionDigits.
    std::string kept;
    for (QChar c : text) {
        if (IsMinus(c))
            kept += '-';
        else if ((c >= '0' && c <= '9') || c == '.' || c == ',')
            kept += static_cast<char>(c.unicode());
    }
    return Korvel::HasThousandsGroup(kept, other);
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
