// Ends the program right after the window's first paint. It ends there and
// then, without the orderly shutdown: the work a program queues once it is on
// the screen, and its teardown, are not part of its start-up.
#pragma once

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <unistd.h>

class QuitAfterFirstPaint : public QObject {
public:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint && !done_) {
            done_ = true;
            QTimer::singleShot(0, qApp, [] { _exit(0); });
        }
        return false;
    }

private:
    bool done_ = false;
};
