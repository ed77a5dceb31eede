#include <QCommandLineParser>
#include <cstdio>

#include "shell/command_line.h"
#include "shell/orvanta_app.h"

int main(int argc, char** argv) {
    orvanta::COrvantaApp app(argc, argv);

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Orvanta: calculators for business finance."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption screenshot(
        QStringLiteral("screenshot"),
        QStringLiteral("Render the main window to a PNG file and exit."), QStringLiteral("FILE"));
    const QCommandLineOption open(
        QStringLiteral("open"),
        QStringLiteral("With --screenshot: render the form of this class name over the main "
                       "window (e.g. ROA_3_2)."),
        QStringLiteral("CLASS"));
    parser.addOption(screenshot);
    parser.addOption(open);
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
