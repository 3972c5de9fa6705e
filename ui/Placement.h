// Keeps windows where the user can reach them: a fixed-size window larger
// than the screen must still show its title bar and menu.
#pragma once

#include <QPoint>
#include <QRect>

class QWidget;

namespace Korvel {

// The top left for a frame of frameSize wanted at wanted, moved so that the
// frame lies inside available; on an axis where it does not fit, the frame
// starts at the available area's start (never above or left of it).
QPoint FitInto(const QPoint& wanted, const QSize& frameSize, const QRect& available);

// Moves window's frame to wanted, kept inside the available area of the
// screen that holds the frame's centre.
void PlaceOnScreen(QWidget* window, const QPoint& wanted);

// Centres window's frame on area, kept inside the available screen area.
void CentreOn(QWidget* window, const QRect& area);

} // namespace Korvel
