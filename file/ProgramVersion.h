// The program's version, as the About box shows it and a calculation file
// records it.
#pragma once

#include <QString>

namespace Korvel {

QString ProgramVersion();

} // namespace Korvel
