#pragma once
// Lets the event loop run until `done` holds; what a widget test waits for
// when the window system delivers focus, paints and timers later than the
// call that asked for them. False only when the wait reached kHangLimit.
#include <functional>

#include <QApplication>
#include <QDeadlineTimer>
#include <QTimer>

#include "HangLimit.h"

inline bool WaitFor(const std::function<bool()>& done) {
    const QDeadlineTimer hang(kHangLimit);
    // Wakes the loop now and then: what `done` looks at may change without
    // an event (a byte from another thread), and the loop sleeps otherwise.
    QTimer look;
    look.start(5);
    while (!done() && !hang.hasExpired()) QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    return done();
}
