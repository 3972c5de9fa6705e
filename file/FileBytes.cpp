#include "FileBytes.h"

#include <QFile>

namespace Korvel {

QString ReadAtMost(const QString& path, qint64 most, QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return "faili ei saa lugeda: seda ei ole või selle lugemiseks puudub õigus";
    bytes = file.read(most + 1);
    if (file.error() != QFileDevice::NoError) return "faili lugemine katkes";
    return {};
}

} // namespace Korvel
