// JPEG decoding with libjpeg's own API: a corrupt or foreign input gives an
// empty image and a reason, never ends the program.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

QImage DecodeJpeg(const QByteArray& bytes, QString* reason = nullptr);
