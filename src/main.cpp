#include <fontconfig/fontconfig.h>
#include <malloc.h>

#include <QApplication>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QEvent>
#include <QFontDatabase>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <cstdio>
#include <future>
#include <string_view>
#include <thread>

#include "forms/product.h"
#include "shell/orvanta_app.h"
#include "shell/screenshot.h"
#include "ui/first_frame.h"
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

// Work that can wait until the first frame is on screen: the large sizes of
// the window icon (128 and 256 px, for task switchers) cost more to draw and
// send than all the small ones together. Only the main window gets them: the
// forms are its transient dialogs, and each window draws the icon's unheld
// sizes anew as it opens.
class AfterFirstFrame : public QObject {
public:
    explicit AfterFirstFrame(QCoreApplication& app) : QObject(&app) {
        app.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show && !waiting_ && qobject_cast<QWindow*>(watched)) {
            // Should the window never be exposed (a window manager that starts
            // the program minimised), its task bar entry still gets the icon.
            waiting_ = true;
            QTimer::singleShot(3000, this, &AfterFirstFrame::Finish);
        } else if (orvanta::ui::ExposedWindow(watched, event)) {
            // After this expose has been painted.
            QTimer::singleShot(0, this, &AfterFirstFrame::Finish);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    void Finish() {
        if (finished_) return;
        finished_ = true;
        QCoreApplication::instance()->removeEventFilter(this);
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (window->isVisible()) window->setWindowIcon(orvanta::ui::ApplicationIcon());
        }
        // Start-up and the large icon sizes leave freed pages behind in both
        // threads' heaps; hand them back once, now that the window is up.
        QTimer::singleShot(0, this, [] { malloc_trim(0); });
    }

    bool waiting_ = false;
    bool finished_ = false;
};

// Fonts take a third of the work before the first frame: fontconfig reading
// its configuration, then Qt listing every installed font. Neither needs the
// main thread, so both run on a second core while the main thread connects to
// the display, draws the icon and builds the window; its first text waits for
// the list (Qt's font database serialises its callers).
// - FcInit may be called from any thread: should anything else ask for
//   fontconfig meanwhile, one of the two configurations is kept.
// - Qt's list needs the application object, so that part waits for it.
class FontsOnTheSide {
public:
    FontsOnTheSide()
        : thread_([this] {
              FcInit();
              if (appReady_.get_future().get()) QFontDatabase::families();
          }) {}
    // Should main end before the application object existed, the thread stops
    // after fontconfig.
    ~FontsOnTheSide() {
        Tell(false);
        Join();
    }
    FontsOnTheSide(const FontsOnTheSide&) = delete;
    FontsOnTheSide& operator=(const FontsOnTheSide&) = delete;

    // The application object exists: Qt's font list may be built now.
    void AppReady() { Tell(true); }
    void Join() {
        if (thread_.joinable()) thread_.join();
    }

private:
    void Tell(bool appExists) {
        if (told_) return;
        told_ = true;
        appReady_.set_value(appExists);
    }

    std::promise<bool> appReady_;
    bool told_ = false;
    std::thread thread_;
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

    FontsOnTheSide fonts;
    orvanta::COrvantaApp app(argc, argv);
    orvanta::ui::StartupProbe::InstallIfAsked(app);

    QCommandLineParser parser;
    AddOptions(parser, screenshot, open);
    // An option it does not know makes the parser exit here, before the font
    // thread may touch Qt: at most it is still reading fontconfig's files.
    parser.process(app);
    fonts.AppReady();
    // Finished before the application object goes, whichever way main ends.
    const struct FinishFirst {
        FontsOnTheSide& fonts;
        ~FinishFirst() { fonts.Join(); }
    } finishFirst{fonts};

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
