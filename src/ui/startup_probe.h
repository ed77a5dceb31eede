#pragma once

// With ORVANTA_BENCH=1 a program writes the monotonic clock once its first
// window has been exposed and painted, then quits: bench/startup.sh turns that
// into an exec-to-shown time. Header-only, so that the bare dialog program the
// benchmark compares against measures itself in exactly the same way.

#include <QCoreApplication>
#include <QTimer>
#include <cstdio>
#include <ctime>

#include "ui/first_frame.h"

namespace orvanta::ui {

class StartupProbe : public QObject {
public:
    using QObject::QObject;

    // Installs a probe on the application when ORVANTA_BENCH=1 is set.
    static void InstallIfAsked(QCoreApplication& app) {
        if (qEnvironmentVariable("ORVANTA_BENCH") == QLatin1String("1")) {
            app.installEventFilter(new StartupProbe(&app));
        }
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!done_ && ExposedWindow(watched, event)) {
            done_ = true;
            // Read the clock once this expose has been handled: the first
            // frame is painted and flushed by then.
            QTimer::singleShot(0, [] {
                timespec now{};
                clock_gettime(CLOCK_MONOTONIC, &now);
                std::printf("shown %lld\n",
                            static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec);
                std::fflush(stdout);
                QCoreApplication::exit(0);
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool done_ = false;
};

}  // namespace orvanta::ui
