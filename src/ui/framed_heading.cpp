#include "ui/framed_heading.h"

#include <QLabel>

namespace orvanta::ui {

QLabel* MakeHeadingLabel(const QString& text, HeadingStyle style, QWidget* parent) {
    auto* heading = new QLabel(text, parent);
    heading->setObjectName(QStringLiteral("heading"));
    heading->setAlignment(Qt::AlignCenter);
    if (style == HeadingStyle::Framed) {
        // The style's own panel: a closed outline in light and dark palettes,
        // where a sunken bevel loses its light edges on a light window.
        heading->setFrameStyle(QFrame::StyledPanel | QFrame::Plain);
        heading->setMargin(4);
    }
    return heading;
}

}  // namespace orvanta::ui
