#include "ProgramVersion.h"

// The build gives the project's version; this stands in for other builds.
#ifndef KORVEL_VERSION
#define KORVEL_VERSION "1.1.1"
#endif

namespace Korvel {

QString ProgramVersion() {
    return QStringLiteral(KORVEL_VERSION);
}

} // namespace Korvel
