// Qt's messages for a run without a window: what is no news to a script is
// left out, everything else passes to Qt's own handler.
#pragma once

namespace Korvel {

// Installs the filter; before any application object exists, so that the
// platform's start-up messages pass through it.
void InstallQuietMessages();

} // namespace Korvel
