#include "shell/orvanta_app.h"

#include "forms/product.h"
#include "shell/main_tab.h"
#include "shell/register_windows.h"
#include "ui/caching_style.h"
#include "ui/logo.h"
#include "ui/qt_text.h"

namespace orvanta {

COrvantaApp::COrvantaApp(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName(ui::ToQString(kProductName));
    setApplicationVersion(ui::ToQString(kVersion));
    setDesktopFileName(ui::ToQString(kDesktopFileName));
    // Every window's icon; the main window adds the large sizes after its first frame.
    setWindowIcon(ui::ApplicationIcon(ui::IconSizes::UpTo64));
    ui::InstallCachingStyle();  // forms repeat the same antialiased frames dozens of times
    RegisterWindows();
}

int COrvantaApp::Run() {
    MAIN_TAB window;
    window.exec();
    return 0;
}

}  // namespace orvanta
