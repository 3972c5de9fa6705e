// Fixed colours of markers and review cells, always with a text colour that
// reads on them, and the contrast arithmetic behind that.
#pragma once

#include <QColor>

class QLabel;
class QWidget;

namespace Korvel {

inline const QColor MarkerGreen(0, 255, 0);
inline const QColor MarkerRed(255, 0, 0);
inline const QColor ReviewYellow(255, 255, 0);

// Contrast of two colours by the relative luminance formula of WCAG 2
// (1 to 21), and black or white, whichever reads better on background.
double ContrastRatio(const QColor& a, const QColor& b);
QColor ReadableOn(const QColor& background);

// A label's text in colour, or in one near it that reads on the background.
void SetTextColour(QWidget* widget, const QColor& colour);

// Background colour of a label or an edit, with a text colour that reads on
// it; ResetBackground gives the normal ones back.
void SetBackground(QWidget* widget, const QColor& colour);
void ResetBackground(QWidget* widget);
QColor BackgroundOf(const QWidget* widget);

struct Comparison;

// The relation of the effect to its limit ("<", "=", ">"), on green when the
// check holds and on red when it does not: a resistance that is not positive
// fails, and its marker is red whatever the relation.
void SetMarker(QLabel* marker, const Comparison& c);
// From a comparison result (-1, 0, 1 for below, equal, above): equality passes.
void SetMarkerSign(QLabel* marker, int comparison);

} // namespace Korvel
