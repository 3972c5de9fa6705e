// Ends the program right after the window's first paint.
#pragma once

#include <QApplication>
#include <QEvent>
#include <QTimer>

class QuitAfterFirstPaint : public QObject {
public:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint && !done_) {
            done_ = true;
            QTimer::singleShot(0, qApp, &QApplication::quit);
        }
        return false;
    }

private:
    bool done_ = false;
};
