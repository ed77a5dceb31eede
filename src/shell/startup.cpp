#include "shell/startup.h"

#include <fontconfig/fontconfig.h>
#include <malloc.h>

#include <QApplication>
#include <QEvent>
#include <QFontDatabase>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include "ui/first_frame.h"
#include "ui/logo.h"

namespace orvanta {
namespace {

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
        } else if (ui::ExposedWindow(watched, event)) {
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
            if (window->isVisible()) window->setWindowIcon(ui::ApplicationIcon());
        }
        // Start-up and the large icon sizes leave freed pages behind in both
        // threads' heaps; hand them back once, now that the window is up.
        QTimer::singleShot(0, this, [] { malloc_trim(0); });
    }

    bool waiting_ = false;
    bool finished_ = false;
};

}  // namespace

FontsOnTheSide::FontsOnTheSide()
    : thread_([this] {
          FcInit();
          if (appReady_.get_future().get()) QFontDatabase::families();
      }) {}

FontsOnTheSide::~FontsOnTheSide() {
    Tell(false);
    Join();
}

void FontsOnTheSide::Join() {
    if (thread_.joinable()) thread_.join();
}

void FontsOnTheSide::Tell(bool appExists) {
    if (told_) return;
    told_ = true;
    appReady_.set_value(appExists);
}

void FinishAfterFirstFrame(QCoreApplication& app) { new AfterFirstFrame(app); }

}  // namespace orvanta
