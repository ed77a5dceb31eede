#pragma once

#include <QIcon>
#include <QPixmap>

namespace orvanta::ui {

// Our mark, drawn in code so that no image plugin is needed: a teal tile with
// a white ring and three rising bars. resources/orvanta.svg is the same drawing.
QPixmap DrawLogo(int size);

// The application icon. The title bar and the task bar need only the small
// sizes; drawing and sending the large ones (nine tenths of the pixels) can
// wait until the first frame is on screen.
enum class IconSizes { UpTo64, All };
QIcon ApplicationIcon(IconSizes sizes = IconSizes::All);

}  // namespace orvanta::ui
