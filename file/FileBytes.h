// A file's bytes for a reader that checks them whole: never more than the
// reader takes, so that a huge file is refused without being read.
#pragma once

#include <QByteArray>
#include <QString>

namespace Korvel {

// Reads at most most + 1 bytes of the file at path into bytes (one more
// than a reader takes tells it the file is too big). Returns why the file
// could not be read, or an empty text.
QString ReadAtMost(const QString& path, qint64 most, QByteArray& bytes);

} // namespace Korvel
