#include "shell/screenshot.h"

#include <QApplication>
#include <QDialog>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <cstdio>

#include "shell/main_tab.h"
#include "ui/window_registry.h"

namespace orvanta {

int SaveScreenshot(const QString& file, const QString& className) {
    MAIN_TAB window;
    window.show();
    QApplication::processEvents();
    QPixmap shot = window.grab();

    if (!className.isEmpty()) {
        const std::string name = className.toStdString();
        std::unique_ptr<QDialog> form = ui::CreateWindow(name, &window);
        if (!form) {
            std::fprintf(stderr, "orvanta: no window named %s\n", name.c_str());
            return 2;
        }
        form->show();
        QApplication::processEvents();
        const QPixmap formShot = form->grab();
        // The form over the main window, centred, on a canvas that holds both.
        // Sizes in device-independent pixels: the canvas takes the shots'
        // device pixel ratio (2 under QT_SCALE_FACTOR=2).
        const QSize formSize = formShot.deviceIndependentSize().toSize();
        const QSize canvasSize =
            shot.deviceIndependentSize().toSize().expandedTo(formSize + QSize(40, 40));
        QPixmap canvas(canvasSize * shot.devicePixelRatio());
        canvas.setDevicePixelRatio(shot.devicePixelRatio());
        canvas.fill(QColor(0x6b, 0x7b, 0x8c));
        QPainter painter(&canvas);
        painter.drawPixmap(0, 0, shot);
        painter.fillRect(canvas.rect(), QColor(0, 0, 0, 60));
        const QPoint at((canvasSize.width() - formSize.width()) / 2,
                        (canvasSize.height() - formSize.height()) / 2);
        painter.setPen(QColor(0x30, 0x30, 0x30));
        painter.drawRect(QRect(at - QPoint(1, 1), formSize + QSize(1, 1)));
        painter.drawPixmap(at, formShot);
        painter.end();
        shot = canvas;
        form->close();
    }
    if (!shot.save(file, "PNG")) {
        std::fprintf(stderr, "orvanta: cannot write %s\n", file.toLocal8Bit().constData());
        return 1;
    }
    return 0;
}

}  // namespace orvanta
