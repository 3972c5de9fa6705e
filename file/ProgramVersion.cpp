#include "ProgramVersion.h"

// The build gives the project's version; this stands in for other builds.
#ifndef KORVEL_VERSION
#define KORVEL_VERSION "1.2.0"
#endif

namespace Korvel {

QString ProgramVersion() {
    return QStringLiteral(KORVEL_VERSION);
}

} // namespace Korvel
