#include "AtomicWrite.h"

#include <QFileInfo>
#include <QSaveFile>

namespace Korvel {

QString WriteAtomically(const QString& path, const QByteArray& data) {
    if (path.isEmpty()) return "faili nimi puudub";
    const QFileInfo info(path);
    if (info.exists() && !info.isFile()) return "see ei ole tavaline fail";
    QSaveFile file(path);
    // Unbuffered, so that the count of every write is the count on disk: a
    // buffered write that fills the disk could still be committed short.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return "kausta ei ole olemas või sinna ei ole kirjutamisõigust";
    qint64 done = 0;
    while (done < data.size()) {
        const qint64 n = file.write(data.constData() + done, data.size() - done);
        if (n <= 0) {
            file.cancelWriting();
            return "kirjutamine katkes (ketas võib olla täis)";
        }
        done += n;
    }
    if (!file.commit()) return "kirjutamine katkes (ketas võib olla täis)";
    return {};
}

} // namespace Korvel
