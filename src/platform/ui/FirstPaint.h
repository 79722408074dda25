#pragma once
// What waits for a window's first paint: the start-up work the first screen
// does not need, and the mark by which start-up is timed from outside.
#include <functional>

class QWidget;

namespace platform {

// Calls `then` once, when the first paint of a window that `isWindow`
// accepts has finished (a window paints itself and all its widgets in one
// pass, which has finished when the event loop next runs). Of several
// waiting for the same paint, the one asked for first runs first.
void AfterFirstPaint(std::function<bool(const QWidget& window)> isWindow, std::function<void()> then);

// For timing start-up from outside the program: when the environment
// variable KQ314_MARK_FIRST_PAINT is set, the line "first paint" is written
// to standard output once the first main window has finished its first
// paint. Without the variable nothing is installed. Call once, after the
// application object exists and before any window is shown.
void MarkFirstPaintWhenAsked();

}  // namespace platform
