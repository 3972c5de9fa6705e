// A building as a spreadsheet's CSV file, in the dialect an Estonian
// spreadsheet opens as it is: ';' between cells, the decimal comma, UTF-8
// with a byte-order mark, CRLF. Reading it back (KorvelsCsv.h) gives the
// same building: the cells of a check that does not apply, its option
// included, are left empty, which is how a row says the check does not apply.
#pragma once

#include "KorvelsBuilding.h"

#include <QByteArray>

namespace Korvel {

// The header "name", "block", the 22 edit names, "CheckBox1", "CheckBox2",
// "position", the seven project keys; then one row per wall, the project data
// on every row.
QByteArray WriteCsv(const Building& b);

} // namespace Korvel
