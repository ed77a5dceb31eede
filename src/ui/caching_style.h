#pragma once

#include <QProxyStyle>

namespace orvanta::ui {

// The application's style, unchanged in look, with the antialiased primitives
// that every form repeats dozens of times (line-edit panels, radio indicators)
// drawn once per size, state and palette and then copied from QPixmapCache.
// Everything else, and every style whose drawing is not known to depend on the
// option alone, goes straight to the wrapped style.
// The menu bar's extension arrow, which shows only when the menus do not fit,
// is read from its picture files when it is first drawn or measured rather
// than when the menu bar is built, so the main window's first frame does not
// decode it.
// At a fractional ratio, a styled panel whose edges fall between device pixels
// (a framed heading) is drawn onto the whole pixels its widget shows on, so no
// edge of its outline is cut off.
class CachingStyle : public QProxyStyle {
    Q_OBJECT

public:
    // Takes ownership of `base`, as QProxyStyle does.
    explicit CachingStyle(QStyle* base);

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;

private:
    void DrawOnDevicePixels(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                            const QWidget* widget, const QRect& onDevice) const;

    bool cacheable_ = false;
};

// Wraps the style QApplication chose (platform theme, -style or
// QT_STYLE_OVERRIDE) in a CachingStyle, once.
void InstallCachingStyle();

}  // namespace orvanta::ui
