#include <QCommandLineParser>
#include <QCoreApplication>
#include <cstdio>
#include <string_view>

#include "forms/product.h"
#include "shell/command_line.h"
#include "shell/orvanta_app.h"
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
    return app.Run();
}
