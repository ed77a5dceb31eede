#include "ui/report_printer.h"

#include <QPaintDevice>
#include <QPainter>
#include <memory>

#include "ui/print_module.h"
#include "ui/qt_text.h"

namespace orvanta::ui {
namespace {

// Where the page text starts, in printer pixels from the top left of the sheet.
constexpr qreal kPageOffset = 100;

}  // namespace

bool QtReportPrinter::PrintPage(std::string_view pageText) {
    const std::unique_ptr<QPaintDevice> printer = OpenDefaultPrinter();
    if (!printer) return false;
    QPainter painter;
    if (!painter.begin(printer.get())) return false;
    const QString page = ToQString(pageText);
    DrawReportPage(painter, page, QPointF(kPageOffset, kPageOffset),
                   columns_.widest.empty() ? FindReportColumns(page) : columns_);
    // The job is handed to the print server when the painter ends.
    return painter.end();
}

}  // namespace orvanta::ui
