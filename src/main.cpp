#include <QApplication>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QEvent>
#include <QStringList>
#include <QTimer>
#include <QWindow>
#include <cstdio>
#include <string_view>

#include "forms/product.h"
#include "shell/command_line.h"
#include "shell/orvanta_app.h"
#include "ui/logo.h"
#include "ui/qt_text.h"
#include "ui/startup_probe.h"

namespace {

// "--version" and "--help" answer on a terminal without a display: they are
// parsed under a non-GUI application object, which needs no windowing system.
bool AsksOnlyForText(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--version" || arg == "-v" || arg == "--help" || arg == "-h" ||
            arg == "--help-all" || arg == "-?")
            return true;
    }
    return false;
}

void AddOptions(QCommandLineParser& parser, const QCommandLineOption& screenshot,
                const QCommandLineOption& open) {
    parser.setApplicationDescription(QStringLiteral("Orvanta: calculators for business finance."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOption(screenshot);
    parser.addOption(open);
}

// Work that can wait until the first frame is on screen.
// - The first frame draws only pictures built into Qt, which its own PNG
//   reader reads; but loading any picture by name makes Qt open every
//   image-format plugin first to ask whether it reads PNG. So the plugin
//   folders are hidden until then and given back before anything else can
//   need a plugin.
// - The large sizes of the window icon (128 and 256 px, for task switchers)
//   cost more to draw and send than all the small ones together.
class AfterFirstFrame : public QObject {
public:
    explicit AfterFirstFrame(QCoreApplication& app)
        : QObject(&app), paths_(QCoreApplication::libraryPaths()) {
        QCoreApplication::setLibraryPaths({});
        app.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show && !waiting_ && qobject_cast<QWindow*>(watched)) {
            // Printing needs its plugin: should the window never be exposed
            // (a window manager that starts the program minimised), give the
            // folders back a while after it was shown.
            waiting_ = true;
            QTimer::singleShot(3000, this, &AfterFirstFrame::Finish);
        } else if (event->type() == QEvent::Expose) {
            auto* window = qobject_cast<QWindow*>(watched);
            // After this expose has been painted.
            if (window && window->isExposed()) {
                QTimer::singleShot(0, this, &AfterFirstFrame::Finish);
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    void Finish() {
        if (finished_) return;
        finished_ = true;
        QCoreApplication::instance()->removeEventFilter(this);
        QCoreApplication::setLibraryPaths(paths_);
        QApplication::setWindowIcon(orvanta::ui::ApplicationIcon());
    }

    QStringList paths_;
    bool waiting_ = false;
    bool finished_ = false;
};

}  // namespace

int main(int argc, char** argv) {
    const QCommandLineOption screenshot(
        QStringLiteral("screenshot"),
        QStringLiteral("Render the main window to a PNG file and exit."), QStringLiteral("FILE"));
    const QCommandLineOption open(
        QStringLiteral("open"),
        QStringLiteral("With --screenshot: render the form of this class name over the main "
                       "window (e.g. ROA_3_2)."),
        QStringLiteral("CLASS"));

    if (AsksOnlyForText(argc, argv)) {
        QCoreApplication text(argc, argv);
        QCoreApplication::setApplicationName(orvanta::ui::ToQString(orvanta::kProductName));
        QCoreApplication::setApplicationVersion(orvanta::ui::ToQString(orvanta::kVersion));
        QCommandLineParser parser;
        AddOptions(parser, screenshot, open);
        parser.process(text);  // prints and exits for the text options
    }

    orvanta::COrvantaApp app(argc, argv);
    orvanta::ui::StartupProbe::InstallIfAsked(app);

    QCommandLineParser parser;
    AddOptions(parser, screenshot, open);
    parser.process(app);

    if (parser.isSet(screenshot)) {
        return orvanta::SaveScreenshot(parser.value(screenshot), parser.value(open));
    }
    if (parser.isSet(open)) {
        std::fputs("orvanta: --open needs --screenshot FILE\n", stderr);
        return 2;
    }
    new AfterFirstFrame(app);
    return app.Run();
}
