#pragma once

// How the program, its start-up probe and the benchmarks tell that a window
// is on screen. Header-only, so that the bare dialog program the start-up
// benchmark compares against tells it in exactly the same way.

#include <QEvent>
#include <QObject>
#include <QWindow>

namespace orvanta::ui {

// Qt paints and flushes a window inside the handler of the Expose event that
// finds it exposed; on X that event comes back from the server, so one pass
// of the event loop after show() is not enough. An event filter sees the
// event before Qt paints: the window's frame is on screen once the handler
// has returned. Returns that window, or null for any other event.
inline QWindow* ExposedWindow(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::Expose) return nullptr;
    auto* window = qobject_cast<QWindow*>(watched);
    return window && window->isExposed() ? window : nullptr;
}

}  // namespace orvanta::ui
