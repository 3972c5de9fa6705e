#include "ScreenFit.h"

#include "Placement.h"

#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QTabBar>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <QWindow>

namespace Korvel {

ScrollView::ScrollView(QWidget* content, bool resizable, QWidget* parent) : QScrollArea(parent) {
    setFrameShape(QFrame::NoFrame);
    // The view itself is no stop for Tab: the controls are.
    setFocusPolicy(Qt::NoFocus);
    setWidgetResizable(resizable);
    setWidget(content);
    focusConnection_ = connect(qApp, &QApplication::focusChanged, this,
                               [this](QWidget*, QWidget* now) { FocusChanged(now); });
}

ScrollView::~ScrollView() {
    // The children go in QWidget's destructor, each moving the focus: by then
    // this is no longer a scroll view to tell.
    disconnect(focusConnection_);
}

QSize ScrollView::sizeHint() const {
    const QWidget* content = widget();
    if (!content) return QScrollArea::sizeHint();
    const QSize own = widgetResizable() ? content->minimumSize() : content->size();
    const int f = 2 * frameWidth();
    return own + QSize(f, f);
}

void ScrollView::FocusChanged(QWidget* now) {
    if (!now || !widget() || !widget()->isAncestorOf(now)) return;
    // A click shows where the user is; Tab, Enter and the program's own
    // focus moves may go below the view.
    if (QGuiApplication::mouseButtons() != Qt::NoButton) return;
    ensureWidgetVisible(now, 8, 8);
}

void ScrollView::showEvent(QShowEvent* event) {
    QScrollArea::showEvent(event);
    if (!widget()) return;
    for (QWidget* w : widget()->findChildren<QWidget*>())
        if (qobject_cast<QComboBox*>(w) || qobject_cast<QTabBar*>(w)) w->installEventFilter(this);
}

bool ScrollView::eventFilter(QObject* watched, QEvent* event) {
    // While the content scrolls, the wheel over a block list or the page tabs
    // that the user has not chosen scrolls, rather than changing the block.
    if (event->type() == QEvent::Wheel && verticalScrollBar()->isVisible()) {
        auto* w = qobject_cast<QWidget*>(watched);
        if (w && !w->hasFocus() && widget() && widget()->isAncestorOf(w)) {
            wheelEvent(static_cast<QWheelEvent*>(event));
            return true;
        }
    }
    return QScrollArea::eventFilter(watched, event);
}

ScrollView* ScrollWindowContent(QWidget* window) {
    auto* content = new QWidget;
    content->setObjectName(window->objectName() + "Content");
    content->setFixedSize(window->size());
    for (QObject* child : window->children()) {
        auto* w = qobject_cast<QWidget*>(child);
        if (w && !w->isWindow()) w->setParent(content);
    }
    auto* view = new ScrollView(content, false, window);
    view->setObjectName(window->objectName() + "View");
    auto* layout = new QVBoxLayout(window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view);
    return view;
}

QSize FittedSize(const QSize& natural, const QSize& room, int bar) {
    QSize size = natural;
    const bool down = size.height() > room.height();
    if (down) size.rwidth() += bar;
    if (size.width() > room.width()) {
        size.rheight() += bar;
        if (!down && size.height() > room.height()) size.rwidth() += bar;
    }
    return size.boundedTo(room);
}

QScreen* ScreenHolding(const QWidget* window) {
    if (QScreen* s = QGuiApplication::screenAt(window->frameGeometry().center())) return s;
    return window->screen();
}

namespace {

class ScreenFitter : public QObject {
public:
    explicit ScreenFitter(QWidget* window) : QObject(window), window_(window) {
        window->installEventFilter(this);
        for (QScreen* s : QGuiApplication::screens())
            Watch(s);
        connect(qApp, &QGuiApplication::screenAdded, this, [this](QScreen* s) {
            Watch(s);
            Queue();
        });
        connect(qApp, &QGuiApplication::screenRemoved, this, [this] { Queue(); });
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != window_) return false;
        if (event->type() == QEvent::Show) {
            Fit();
            WatchOwner();
        } else if (event->type() == QEvent::Move && Margins() != margins_) {
            // The window manager has put its frame around the window: the
            // title bar takes room from the content.
            Queue();
        }
        return false;
    }

private:
    QWidget* Owner() const {
        QWidget* parent = window_->parentWidget();
        return parent ? parent->window() : window_;
    }

    QMargins Margins() const {
        const QWindow* handle = window_->windowHandle();
        return handle ? handle->frameMargins() : QMargins();
    }

    void Watch(QScreen* s) {
        connect(s, &QScreen::availableGeometryChanged, this, [this] { Queue(); });
        connect(s, &QScreen::geometryChanged, this, [this] { Queue(); });
        connect(s, &QScreen::logicalDotsPerInchChanged, this, [this] { Queue(); });
    }

    // A docked laptop or a changed scale moves the window to another screen.
    void WatchOwner() {
        QWindow* handle = Owner()->windowHandle();
        if (!handle || handle == ownerHandle_) return;
        if (ownerHandle_) disconnect(ownerHandle_, nullptr, this, nullptr);
        ownerHandle_ = handle;
        connect(handle, &QWindow::screenChanged, this, [this] { Queue(); });
    }

    void Queue() {
        if (queued_) return;
        queued_ = true;
        QMetaObject::invokeMethod(
            this,
            [this] {
                queued_ = false;
                if (window_->isVisible()) Fit();
            },
            Qt::QueuedConnection);
    }

    void Fit() {
        const QScreen* screen = ScreenHolding(Owner());
        if (!screen) return;
        margins_ = Margins();
        const QSize room =
            screen->availableGeometry().size() -
            QSize(margins_.left() + margins_.right(), margins_.top() + margins_.bottom());
        const int bar = window_->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, window_);
        const bool fixed = window_->minimumSize() == window_->maximumSize();
        QSize size;
        if (fixed) {
            size = FittedSize(window_->sizeHint(), room, bar);
            if (size == window_->minimumSize()) return;
        } else {
            // A resizable window keeps the size the user gave it where it fits.
            if (window_->width() <= room.width() && window_->height() <= room.height()) return;
            size = FittedSize(window_->size(), room, bar);
        }
        const QPoint centre = window_->frameGeometry().center();
        if (fixed)
            window_->setFixedSize(size);
        else
            window_->resize(size);
        const QSize frame = window_->frameGeometry().size();
        PlaceOnScreen(window_, centre - QPoint(frame.width() / 2, frame.height() / 2));
    }

    QWidget* window_;
    QPointer<QWindow> ownerHandle_;
    QMargins margins_;
    bool queued_ = false;
};

} // namespace

void FitToScreen(QWidget* window) {
    new ScreenFitter(window);
}

} // namespace Korvel
