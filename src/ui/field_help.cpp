#include "ui/field_help.h"

#include <QWidget>

#include "forms/field_help.h"
#include "ui/qt_text.h"

namespace orvanta::ui {
namespace {

void ShowHelp(QWidget* field, const std::string& help) {
    if (!field || help.empty()) return;
    const QString text = ToQString(help);
    field->setToolTip(HelpToolTip(text));
    field->setAccessibleDescription(text);
    field->setWhatsThis(text);
}

}  // namespace

QString HelpToolTip(const QString& text) {
    return QStringLiteral("<p>") + text.toHtmlEscaped() + QStringLiteral("</p>");
}

void ShowInputHelp(QWidget* field, const orvanta::InputField& input) {
    ShowHelp(field, InputHelp(input));
}

void ShowResultHelp(QWidget* field, const Section& section, std::size_t result) {
    ShowHelp(field, ResultHelp(section, result));
}

}  // namespace orvanta::ui
