#include "Placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>
#include <algorithm>

namespace Korvel {

QPoint FitInto(const QPoint& wanted, const QSize& frameSize, const QRect& available) {
    const auto fit = [](int pos, int size, int start, int length) {
        return std::max(start, std::min(pos, start + length - size));
    };
    return {fit(wanted.x(), frameSize.width(), available.x(), available.width()),
            fit(wanted.y(), frameSize.height(), available.y(), available.height())};
}

void PlaceOnScreen(QWidget* window, const QPoint& wanted) {
    const QSize size = window->frameGeometry().size();
    const QScreen* screen = QGuiApplication::screenAt(QRect(wanted, size).center());
    if (!screen) screen = window->screen();
    if (!screen) {
        window->move(wanted);
        return;
    }
    const QPoint place = FitInto(wanted, size, screen->availableGeometry());
    window->move(place);
    // Once the native window exists, move() places the client area by the
    // frame size known so far, which is none before the first map: the title
    // bar would end up above the place. Let the window manager place the frame.
    if (QWindow* handle = window->windowHandle()) handle->setFramePosition(place);
}

void CentreOn(QWidget* window, const QRect& area) {
    const QSize own = window->frameGeometry().size();
    PlaceOnScreen(window, area.center() - QPoint(own.width() / 2, own.height() / 2));
}

} // namespace Korvel
