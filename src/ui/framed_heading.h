#pragma once

#include <QString>

#include "forms/form_description.h"

class QLabel;
class QWidget;

namespace orvanta::ui {

// The heading above a catalogue page or a form: its text centred and, when
// framed, inside the style's own panel with a little room around the text.
QLabel* MakeHeadingLabel(const QString& text, HeadingStyle style, QWidget* parent);

}  // namespace orvanta::ui
