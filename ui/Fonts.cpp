#include "Fonts.h"

#include <QFontDatabase>
#include <QStringList>
#include <QtGlobal>

namespace Korvel {

QString LayoutFontFamily() {
    static const QString family = [] {
        QString name;
        for (const char* file :
             {":/fonts/LiberationSans-Regular.ttf", ":/fonts/LiberationSans-Bold.ttf"}) {
            const int id = QFontDatabase::addApplicationFont(QString::fromLatin1(file));
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

} // namespace Korvel
