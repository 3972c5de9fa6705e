// Any bytes given to the decoder come back as an image or as an empty image
// with a reason; nothing ends the process.
#include "JpegImage.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    QString reason;
    const QImage image = DecodeJpeg(
        QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)), &reason);
    if (image.isNull() && reason.isEmpty()) std::abort();
    return 0;
}
