#pragma once

#include <QApplication>

namespace orvanta {

// The application object: names the program for the desktop, gives it its
// icon and makes every window known by class name. It stores no settings.
class COrvantaApp : public QApplication {
    Q_OBJECT

public:
    COrvantaApp(int& argc, char** argv);

    // Runs the main window modally; returns when it has closed.
    int Run();
};

}  // namespace orvanta
