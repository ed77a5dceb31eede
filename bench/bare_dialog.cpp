// A bare Qt Widgets program: one empty dialog, run modally. With
// ORVANTA_BENCH=1 it writes the monotonic clock when its first frame is on
// screen and quits, exactly as orvanta does. With --text the dialog holds one
// label and one button, to show what the first text on screen costs.
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindow>
#include <cstdio>
#include <ctime>

namespace {

class ShownProbe : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!done_ && event->type() == QEvent::Expose) {
            auto* window = qobject_cast<QWindow*>(watched);
            if (window && window->isExposed()) {
                done_ = true;
                // Read the clock once this expose has been handled: the
                // first frame is painted and flushed by then.
                QTimer::singleShot(0, [] {
                    timespec now{};
                    clock_gettime(CLOCK_MONOTONIC, &now);
                    std::printf("shown %lld\n",
                                static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec);
                    std::fflush(stdout);
                    QCoreApplication::exit(0);
                });
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool done_ = false;
};

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (qEnvironmentVariable("ORVANTA_BENCH") == QLatin1String("1")) {
        app.installEventFilter(new ShownProbe);
    }
    QDialog dialog;
    dialog.setWindowTitle(QStringLiteral("Bare dialog"));
    if (app.arguments().contains(QStringLiteral("--text"))) {
        auto* layout = new QVBoxLayout(&dialog);
        layout->addWidget(new QLabel(QStringLiteral("Net profit"), &dialog));
        layout->addWidget(new QPushButton(QStringLiteral("OK"), &dialog));
    }
    dialog.exec();
    return 0;
}
