// Windows on screens smaller than they are: the window takes the available
// area of its screen and its content scrolls. Where it fits, nothing changes.
#pragma once

#include <QScrollArea>
#include <QSize>

class QScreen;

namespace Korvel {

// A frameless scroll area that asks for exactly its content's size, so that a
// window that fits looks as the content alone would. A control that gets the
// keyboard focus is scrolled into view.
class ScrollView : public QScrollArea {
    Q_OBJECT
public:
    // content keeps its own size; with resizable it grows with the view but
    // never below its minimum size.
    ScrollView(QWidget* content, bool resizable, QWidget* parent = nullptr);
    ~ScrollView() override;
    QSize sizeHint() const override;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FocusChanged(QWidget* now);
    QMetaObject::Connection focusConnection_;
};

// Moves the children of window, a window laid out by positions, into a scroll
// view that fills it.
ScrollView* ScrollWindowContent(QWidget* window);

// The size for a window that wants natural on a screen that leaves room to its
// client area: natural where it fits, else room, with space for the scroll
// bars (of extent bar) that the cut makes necessary.
QSize FittedSize(const QSize& natural, const QSize& room, int bar);

// Keeps window within the available area of the screen that holds its owner
// (the window it belongs to, or itself): on every show, and whenever the
// screens change while it is shown. A fixed-size window stays fixed.
void FitToScreen(QWidget* window);

// The screen that holds the centre of window's frame, or its own.
QScreen* ScreenHolding(const QWidget* window);

} // namespace Korvel
