#include <QCommandLineParser>
#include <QCoreApplication>
#include <QStringList>
#include <cstdio>

#include "forms/product.h"
#include "shell/orvanta_app.h"
#include "shell/screenshot.h"
#include "shell/startup.h"
#include "ui/qt_text.h"
#include "ui/startup_probe.h"

namespace {

// The options Qt's parser answers itself, by printing.
struct TextOptions {
    QCommandLineOption help;
    QCommandLineOption version;
};

TextOptions AddOptions(QCommandLineParser& parser, const QCommandLineOption& screenshot,
                       const QCommandLineOption& open) {
    parser.setApplicationDescription(QStringLiteral("Orvanta: calculators for business finance."));
    TextOptions text{parser.addHelpOption(), parser.addVersionOption()};
    parser.addOption(screenshot);
    parser.addOption(open);
    return text;
}

// Whether the command line asks for --help, --help-all or --version, which
// answer on a terminal without a display, under a non-GUI application object.
// Read with the program's own options; a command line they cannot read goes
// on to the application, which also knows Qt's (-platform, -style, ...).
bool AsksOnlyForText(int argc, char** argv, const QCommandLineOption& screenshot,
                     const QCommandLineOption& open) {
    QCommandLineParser parser;
    const TextOptions text = AddOptions(parser, screenshot, open);
    QStringList args;
    for (int i = 0; i < argc; ++i) args << QString::fromLocal8Bit(argv[i]);
    return parser.parse(args) && (parser.isSet(text.help) || parser.isSet(text.version) ||
                                  parser.isSet(QStringLiteral("help-all")));
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

    if (AsksOnlyForText(argc, argv, screenshot, open)) {
        QCoreApplication text(argc, argv);
        QCoreApplication::setApplicationName(orvanta::ui::ToQString(orvanta::kProductName));
        QCoreApplication::setApplicationVersion(orvanta::ui::ToQString(orvanta::kVersion));
        QCommandLineParser parser;
        AddOptions(parser, screenshot, open);
        parser.process(text);  // prints and exits for the text options
    }

    orvanta::FontsOnTheSide fonts;
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
        orvanta::FontsOnTheSide& fonts;
        ~FinishFirst() { fonts.Join(); }
    } finishFirst{fonts};

    if (parser.isSet(screenshot)) {
        return orvanta::SaveScreenshot(parser.value(screenshot), parser.value(open));
    }
    if (parser.isSet(open)) {
        std::fputs("orvanta: --open needs --screenshot FILE\n", stderr);
        return 2;
    }
    orvanta::FinishAfterFirstFrame(app);
    return app.Run();
}
