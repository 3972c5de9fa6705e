// Small building blocks shared by all windows: the number formatter with the
// locale's separator, labels with subscripts, comparison markers, colours,
// hints and the warning box.
#pragma once

#include <QColor>
#include <QRect>
#include <QString>
#include <initializer_list>

class QGroupBox;
class QKeyEvent;
class QLabel;
class QPushButton;
class QWidget;

namespace Korvel {

inline const QColor MarkerGreen(0, 255, 0);
inline const QColor MarkerRed(255, 0, 0);
inline const QColor ReviewYellow(255, 255, 0);

// The locale's decimal separator, read once at start-up (InitDecimalCharSet).
QString DecimalSeparator();

// Formats pattern ("%.f", "%.1f", "%.2f", "%.3f" in any text) with values,
// half away from zero, the locale's decimal separator in place of the point.
QString Fmt(const char* pattern, std::initializer_list<double> values);
QString Fmt(const QString& pattern, std::initializer_list<double> values);

// A label at (x, y) sized to its text.
QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, int x, int y);

// A new text for a label, which is then sized to it.
void SetLabelText(QLabel* label, const QString& text);

// A comparison marker: one centred character in a font of pixelSize.
QLabel* MakeMarker(QWidget* parent, const char* name, const QString& text, const QRect& geom,
                   int pixelSize = 15);

// A figure caption placed over a drawing, on the highlight colour.
QLabel* MakeCaption(QWidget* parent, const char* name, const QString& text, int x, int y);

// A picture box showing the embedded drawing resourceBase from its top left.
QLabel* MakePictureBox(QWidget* parent, const char* name, const QRect& geom,
                       const QString& resourceBase);

// A page's "ARVUTA" button.
QPushButton* MakeCalcButton(QWidget* parent, const char* name, const QRect& geom);

// A smaller label with sub placed in the gap after prefix, the leading part of
// main's text up to the blanks that leave room for it; dy moves it down
// (positive) or up (negative, for an exponent).
QLabel* AddSubscript(QLabel* main, const QString& prefix, const QString& sub, const char* name,
                     int dy = 4);

QGroupBox* MakeGroupBox(QWidget* parent, const char* name, const QString& title, const QRect& geom);

// Where the frame of a titled group box begins under its title, in its own coordinates.
int GroupFrameTop(const QGroupBox* box);

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

// "<" or "=" on green when acting <= limit, ">" on red otherwise.
void SetMarker(QLabel* marker, double acting, double limit);
// The same from a comparison result (-1, 0, 1 for below, equal, above).
void SetMarkerSign(QLabel* marker, int comparison);

// Tool tip, status tip and accessible name of a control (description of a label).
void SetHint(QWidget* widget, const QString& hint);
template <typename Widget> Widget* WithHint(Widget* widget, const QString& hint) {
    SetHint(widget, hint);
    return widget;
}

// Moves window so that it stands centred on over (a window that may have been
// moved), as far as the available screen area allows.
void CentreOver(QWidget* window, const QWidget* over);

// Enter on a focused push button of a dialog without a default button presses
// it; returns whether the key was taken.
bool PressFocusedButton(QWidget* dialog, QKeyEvent* event);

// The program's warning box: caption "Warning", warning icon, one "OK".
void ShowWarning(QWidget* parent, const QString& text);

// Shows the embedded picture resourceBase (".jpg", "@2x.jpg") in box, decoded
// with libjpeg; an undecodable picture leaves an empty frame.
void SetPicture(QLabel* box, const QString& resourceBase);

} // namespace Korvel
