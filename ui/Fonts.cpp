#include "Fonts.h"

#include <QByteArray>
#include <QFontDatabase>
#include <QResource>
#include <QStringList>
#include <QtGlobal>

namespace Korvel {

QString LayoutFontFamily() {
    static const QString family = [] {
        QString name;
        for (const char* file :
             {":/fonts/LiberationSans-Regular.ttf", ":/fonts/LiberationSans-Bold.ttf"}) {
            // Read in place: a copy of the resource would cost start-up time.
            const QResource resource(QString::fromLatin1(file));
            const QByteArray data =
                resource.compressionAlgorithm() == QResource::NoCompression
                    ? QByteArray::fromRawData(reinterpret_cast<const char*>(resource.data()),
                                              static_cast<qsizetype>(resource.size()))
                    : resource.uncompressedData();
            const int id = QFontDatabase::addApplicationFontFromData(data);
            const QStringList families = QFontDatabase::applicationFontFamilies(id);
            if (families.isEmpty()) {
                // A build fault, not the user's: the system's fonts stand in.
                qWarning("Embedded font %s could not be loaded", file);
                continue;
            }
            name = families.first();
        }
        return name;
    }();
    return family;
}

QStringList LayoutFontFamilies() {
    QStringList families{"Liberation Sans", "Arial", "DejaVu Sans"};
    if (const QString embedded = LayoutFontFamily(); !embedded.isEmpty())
        families.prepend(embedded);
    return families;
}

} // namespace Korvel
