#pragma once
// Lets the event loop run until `done` holds (at most two seconds); what a
// widget test waits for when the window system delivers focus and timers
// later than the call that asked for them.
#include <functional>

#include <QApplication>
#include <QElapsedTimer>

inline bool WaitFor(const std::function<bool()>& done) {
    QElapsedTimer t;
    t.start();
    while (!done() && t.elapsed() < 2000) QApplication::processEvents(QEventLoop::AllEvents, 20);
    return done();
}
