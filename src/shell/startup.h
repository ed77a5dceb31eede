#pragma once

// Start-up around the windows: fonts prepared on a second core while the main
// thread starts the application, and what waits for the first frame.

#include <QCoreApplication>
#include <future>
#include <thread>

namespace orvanta {

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
    FontsOnTheSide();
    // Should main end before the application object existed, the thread stops
    // after fontconfig.
    ~FontsOnTheSide();
    FontsOnTheSide(const FontsOnTheSide&) = delete;
    FontsOnTheSide& operator=(const FontsOnTheSide&) = delete;

    // The application object exists: Qt's font list may be built now.
    void AppReady() { Tell(true); }
    void Join();

private:
    void Tell(bool appExists);

    std::promise<bool> appReady_;
    bool told_ = false;
    std::thread thread_;
};

// Work that can wait until the first frame is on screen, installed on `app`:
// the main window's large icon sizes, and the heap pages start-up freed.
void FinishAfterFirstFrame(QCoreApplication& app);

}  // namespace orvanta
