#pragma once

#include <QString>

#include "forms/form_description.h"

class QWidget;

namespace orvanta::ui {

// The field's help as its tooltip, its accessible description and its
// What's This text (Shift+F1). The accessible name stays the field's label.
void ShowInputHelp(QWidget* field, const orvanta::InputField& input);
void ShowResultHelp(QWidget* field, const Section& section, std::size_t result);

// The tooltip form of a help text: rich text, so that a long formula wraps.
QString HelpToolTip(const QString& text);

}  // namespace orvanta::ui
