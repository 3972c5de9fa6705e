// The program's own Estonian translation of the texts Qt itself shows.
#pragma once

namespace Korvel {

// Installs the embedded translation once per process, before the windows are
// created; returns whether it is in place.
bool InstallEstonian();

} // namespace Korvel
