#pragma once

#include <QIcon>
#include <QPixmap>

namespace orvanta::ui {

// Our mark, drawn in code so that no image plugin is needed: a teal tile with
// a white ring and three rising bars. resources/orvanta.svg is the same drawing.
QPixmap DrawLogo(int size);
QIcon ApplicationIcon();

}  // namespace orvanta::ui
