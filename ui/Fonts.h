// The typeface the layout is drawn for, carried in the program's resources:
// the fixed pixel positions only hold with its widths.
#pragma once

#include <QString>

namespace Korvel {

// Registers the embedded regular and bold faces (once) and returns their
// family, or an empty text when they could not be loaded.
QString LayoutFontFamily();

} // namespace Korvel
