// The embedded drawings in their picture boxes, decoded with libjpeg.
#pragma once

#include <QString>

class QLabel;

namespace Korvel {

// Shows the embedded picture resourceBase (".jpg", "@2x.jpg") in box, decoded
// with libjpeg; an undecodable picture leaves an empty frame.
void SetPicture(QLabel* box, const QString& resourceBase);

} // namespace Korvel
