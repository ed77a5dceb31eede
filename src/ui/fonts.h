#pragma once

#include <QFont>

namespace orvanta::ui {

// The program's one typeface, for the main window, its pages, the forms and
// the report window, at `pointSize`.
QFont ProgramFont(int pointSize);

// The forms' font, 10 pt; the catalogue pages, the report window and the
// message box's "OK" wear it too.
QFont FormFont();

}  // namespace orvanta::ui
