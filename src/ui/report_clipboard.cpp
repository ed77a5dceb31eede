#include "ui/report_clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include "ui/qt_text.h"

namespace orvanta::ui {

bool QtReportClipboard::SetText(std::string_view text) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard) return false;
    auto* data = new QMimeData;
    data->setText(ToQString(text));
    clipboard->setMimeData(data, QClipboard::Clipboard);
    return true;
}

}  // namespace orvanta::ui
