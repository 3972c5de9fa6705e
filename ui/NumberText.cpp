#include "NumberText.h"

#include "KorvelsInput.h"
#include "KorvelsNumbers.h"

namespace Korvel {

QString DecimalSeparator() {
    return DecimalSeparatorChar();
}

QString Fmt(const char* pattern, std::initializer_list<double> values) {
    return QString::fromStdString(FormatNumbers(pattern, values, DecimalSeparator().toStdString()));
}

QString Fmt(const QString& pattern, std::initializer_list<double> values) {
    return QString::fromStdString(
        FormatNumbers(pattern.toStdString(), values, DecimalSeparator().toStdString()));
}

} // namespace Korvel
