#include "ui/qt_report_ports.h"

#include <QClipboard>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QMimeData>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <cmath>
#include <utility>

#include "ui/message_box.h"
#include "ui/qt_text.h"

namespace orvanta::ui {
namespace {

// Where the page text starts, in printer pixels from the top left of the sheet.
constexpr qreal kPageOffset = 100;
constexpr int kTabStopChars = 8;

ReportPorts& Ports() {
    static ReportPorts ports;
    return ports;
}

}  // namespace

std::vector<PlacedRun> LayOutReportPage(const QString& pageText, const QFontMetricsF& metrics,
                                        QPointF topLeft) {
    const qreal tabWidth = kTabStopChars * metrics.averageCharWidth();
    std::vector<PlacedRun> runs;
    qreal baseline = topLeft.y() + metrics.ascent();
    for (QStringView line : QStringView(pageText).split(QLatin1Char('\n'))) {
        if (line.endsWith(QLatin1Char('\r'))) line.chop(1);
        qreal x = 0;
        bool first = true;
        for (QStringView segment : line.split(QLatin1Char('\t'))) {
            if (!first && tabWidth > 0) x = (std::floor(x / tabWidth) + 1) * tabWidth;
            first = false;
            if (segment.isEmpty()) continue;
            runs.push_back({QPointF(topLeft.x() + x, baseline), segment.toString()});
            x += metrics.horizontalAdvance(runs.back().text);
        }
        baseline += metrics.lineSpacing();
    }
    return runs;
}

void DrawReportPage(QPainter& painter, const QString& pageText, QPointF topLeft) {
    // Metrics of the device the painter draws on, not of the screen: on a
    // printer the two differ by the ratio of their resolutions. Each run is
    // drawn by itself, so no tab ever reaches the painter.
    const QFontMetricsF metrics(painter.font(), painter.device());
    for (const PlacedRun& run : LayOutReportPage(pageText, metrics, topLeft)) {
        painter.drawText(run.baseline, run.text);
    }
}

bool QtReportPrinter::PrintPage(std::string_view pageText) {
    const QPrinterInfo printerInfo = QPrinterInfo::defaultPrinter();
    if (printerInfo.isNull()) return false;
    QPrinter printer(printerInfo, QPrinter::HighResolution);
    printer.setDocName(QString());  // the job carries no document name
    printer.setFullPage(true);      // device coordinates from the sheet's corner
    if (!printer.isValid()) return false;
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    DrawReportPage(painter, ToQString(pageText), QPointF(kPageOffset, kPageOffset));
    // The job is handed to the print server when the painter ends.
    return painter.end();
}

bool QtReportClipboard::SetText(std::string_view text) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard) return false;
    auto* data = new QMimeData;
    // Unicode text, with its CR LF line ends as they are.
    data->setText(ToQString(text));
    clipboard->setMimeData(data, QClipboard::Clipboard);
    return true;
}

void QtReportMessages::ShowError(std::string_view caption, std::string_view text) {
    ui::ShowMessage(nullptr, ToQString(caption), ToQString(text), QMessageBox::Critical);
}

ReportPorts SetReportPorts(ReportPorts ports) { return std::exchange(Ports(), ports); }

ReportPrinter& CurrentReportPrinter() {
    static QtReportPrinter printer;
    return Ports().printer ? *Ports().printer : printer;
}

ReportClipboard& CurrentReportClipboard() {
    static QtReportClipboard clipboard;
    return Ports().clipboard ? *Ports().clipboard : clipboard;
}

}  // namespace orvanta::ui
