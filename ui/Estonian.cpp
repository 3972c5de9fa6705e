#include "Estonian.h"

#include <QCoreApplication>
#include <QTranslator>

namespace Korvel {

bool InstallEstonian() {
    static QTranslator* translator = nullptr;
    if (translator) return true;
    auto* candidate = new QTranslator(QCoreApplication::instance());
    // Under any locale: the interface is Estonian throughout. The warning
    // box keeps "OK", which the translation leaves as it is.
    if (!candidate->load(":/translations/korvelsein_et.qm") ||
        !QCoreApplication::installTranslator(candidate)) {
        delete candidate;
        return false;
    }
    translator = candidate;
    return true;
}

} // namespace Korvel
