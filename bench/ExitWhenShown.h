#pragma once

// What the start-up benchmark's programs share: the process ends as soon as its first window is on the
// screen and painted, without taking anything down, so that a start is timed to its shown window.
#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWindow>
#include <cstdlib>

namespace bench {

class ExitWhenShown final : public QObject {
public:
    explicit ExitWhenShown(QApplication& application) { application.installEventFilter(this); }

    bool eventFilter(QObject* watched, QEvent* event) override {
        // The window paints while it handles the event: the end waits for the next pass of the loop.
        if (event->type() == QEvent::Expose && watched->isWindowType() &&
            static_cast<QWindow*>(watched)->isExposed())
            QTimer::singleShot(0, [] { std::_Exit(EXIT_SUCCESS); });
        return false;
    }
};

} // namespace bench
