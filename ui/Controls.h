// The controls the windows are built of: labels sized to their text, labels
// with subscripts, comparison markers, captions, picture boxes, the
// "ARVUTA" buttons, group boxes, and the hints that name them.
#pragma once

#include <QRect>
#include <QString>

class QGroupBox;
class QLabel;
class QPushButton;
class QWidget;

namespace Korvel {

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

// Tool tip, status tip and accessible name of a control (description of a label).
void SetHint(QWidget* widget, const QString& hint);
template <typename Widget> Widget* WithHint(Widget* widget, const QString& hint) {
    SetHint(widget, hint);
    return widget;
}

} // namespace Korvel
