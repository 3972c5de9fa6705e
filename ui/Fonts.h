// The typeface the layout is drawn for, carried in the program's resources:
// the fixed pixel positions only hold with its widths.
#pragma once

#include <QString>
#include <QStringList>

namespace Korvel {

// Registers the embedded regular and bold faces (once) and returns their
// family, or an empty text when they could not be loaded.
QString LayoutFontFamily();

// The families the windows and the printout use: the embedded face first,
// then the fallbacks should it fail to load.
QStringList LayoutFontFamilies();

} // namespace Korvel
