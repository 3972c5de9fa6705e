// Writing a whole file so that it is either all there or not changed at all:
// the bytes go to a temporary file beside it, every one of them counted, and
// only then does the temporary file take the old one's place.
#pragma once

#include <QByteArray>
#include <QString>

namespace Korvel {

// Writes data to path atomically. Returns an empty string on success;
// otherwise why it failed, in Estonian, as a phrase to put after the file's
// name ("kausta ei ole olemas ..."). On failure the file that was there
// before is left as it was and no temporary file stays behind.
QString WriteAtomically(const QString& path, const QByteArray& data);

} // namespace Korvel
