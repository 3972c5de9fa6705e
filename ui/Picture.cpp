#include "Picture.h"

#include "JpegImage.h"

#include <QFile>
#include <QLabel>
#include <QPixmap>

namespace {

QImage Decode(const QString& path, QString* reason) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (reason) *reason = file.errorString();
        return {};
    }
    return DecodeJpeg(file.readAll(), reason);
}

} // namespace

namespace Korvel {

void SetPicture(QLabel* box, const QString& resourceBase) {
    if (!box) return;
    // The sharper version first on a high-density screen, the other one when
    // it is missing or broken.
    const bool dense = box->devicePixelRatioF() > 1;
    const struct {
        const char* suffix;
        qreal ratio;
    } tries[2] = {{dense ? "@2x.jpg" : ".jpg", dense ? 2.0 : 1.0},
                  {dense ? ".jpg" : "@2x.jpg", dense ? 1.0 : 2.0}};
    QImage image;
    for (const auto& t : tries) {
        image = Decode(resourceBase + QLatin1String(t.suffix), nullptr);
        if (!image.isNull()) {
            image.setDevicePixelRatio(t.ratio);
            break;
        }
    }
    if (image.isNull()) {
        box->clear();
        return;
    }
    if (!box->hasScaledContents()) box->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    box->setPixmap(QPixmap::fromImage(image));
}

} // namespace Korvel
