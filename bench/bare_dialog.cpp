// A bare Qt Widgets program: one empty dialog, run modally. With
// ORVANTA_BENCH=1 it writes the monotonic clock when its first frame is on
// screen and quits, exactly as orvanta does. With --text the dialog holds one
// label and one button, to show what the first text on screen costs.
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/startup_probe.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    orvanta::ui::StartupProbe::InstallIfAsked(app);
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
