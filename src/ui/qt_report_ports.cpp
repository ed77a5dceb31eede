#include "ui/qt_report_ports.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QDir>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QLibrary>
#include <QMimeData>
#include <QPaintDevice>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <memory>
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

QString& PrintModuleOverride() {
    static QString path;
    return path;
}

using OpenPrinter = QPaintDevice* (*)();

// The printer module: where it is installed beside the program, or next to
// the program in a build tree. Loaded once and kept; null when it is missing,
// and every page then reports its error.
OpenPrinter PrinterModule() {
    static const OpenPrinter open = [] {
        const QDir dir(QCoreApplication::applicationDirPath());
        const QStringList candidates =
            PrintModuleOverride().isEmpty()
                ? QStringList{dir.filePath(QStringLiteral(ORVANTA_PRINT_MODULE_FROM_BINDIR)),
                              dir.filePath(QStringLiteral(ORVANTA_PRINT_MODULE_NAME))}
                : QStringList{PrintModuleOverride()};
        for (const QString& path : candidates) {
            QLibrary module(path);
            if (auto f =
                    reinterpret_cast<OpenPrinter>(module.resolve("orvanta_open_default_printer")))
                return f;
        }
        return OpenPrinter{};
    }();
    return open;
}

}  // namespace

ReportColumns FindReportColumns(QStringView text) {
    // One pass over the characters, keeping only where each column's widest
    // text lies: a long plan is thousands of lines.
    constexpr QChar kBullet(0x2022);
    std::vector<QStringView> widest;
    QStringView header;
    qsizetype lineStart = 0;
    while (lineStart <= text.size()) {
        qsizetype lineEnd = text.indexOf(QLatin1Char('\n'), lineStart);
        if (lineEnd < 0) lineEnd = text.size();
        QStringView line = text.sliced(lineStart, lineEnd - lineStart);
        if (line.endsWith(QLatin1Char('\r'))) line.chop(1);
        lineStart = lineEnd + 1;
        if (header.isEmpty() && line.count(kBullet) > 1) header = line;
        // Lines without a tab (title, rules, footer) belong to no column.
        if (!line.contains(QLatin1Char('\t'))) continue;
        std::size_t column = 0;
        qsizetype start = 0;
        while (true) {
            qsizetype end = line.indexOf(QLatin1Char('\t'), start);
            if (end < 0) end = line.size();
            if (column == widest.size()) widest.emplace_back();
            if (end - start > widest[column].size())
                widest[column] = line.sliced(start, end - start);
            if (end == line.size()) break;
            start = end + 1;
            ++column;
        }
    }
    ReportColumns columns;
    columns.header = header.toString();
    for (QStringView column : widest) columns.widest.push_back(column.toString());
    return columns;
}

QList<QTextOption::Tab> ReportTabStops(const ReportColumns& columns, const QFontMetricsF& metrics) {
    QList<QTextOption::Tab> stops;
    if (columns.widest.size() < 2) return stops;
    std::vector<qreal> bullets;
    for (qsizetype at = columns.header.indexOf(QChar(0x2022)); at >= 0;
         at = columns.header.indexOf(QChar(0x2022), at + 1)) {
        bullets.push_back(metrics.horizontalAdvance(columns.header.left(at)));
    }
    const auto filled = static_cast<std::ptrdiff_t>(
        std::count_if(columns.widest.begin() + 1, columns.widest.end(),
                      [](const QString& widest) { return !widest.isEmpty(); }));
    const qreal gap = 2 * metrics.averageCharWidth();
    qreal x = metrics.horizontalAdvance(columns.widest.front());
    std::ptrdiff_t bullet = static_cast<std::ptrdiff_t>(bullets.size()) - filled;
    for (std::size_t i = 1; i < columns.widest.size(); ++i) {
        if (columns.widest[i].isEmpty()) {
            x += gap / 2;
            stops.append(QTextOption::Tab(x, QTextOption::LeftTab));
            continue;
        }
        const qreal width = metrics.horizontalAdvance(columns.widest[i]);
        qreal right = x + gap + width;
        if (bullet >= 0) right = std::max(right, bullets[static_cast<std::size_t>(bullet)] + width);
        ++bullet;
        stops.append(QTextOption::Tab(right, QTextOption::RightTab));
        x = right;
    }
    return stops;
}

std::vector<PlacedRun> LayOutReportPage(const QString& pageText, const QFontMetricsF& metrics,
                                        QPointF topLeft, const ReportColumns& columns) {
    const qreal tabWidth = kTabStopChars * metrics.averageCharWidth();
    const QList<QTextOption::Tab> stops = ReportTabStops(columns, metrics);
    std::vector<PlacedRun> runs;
    qreal baseline = topLeft.y() + metrics.ascent();
    for (QStringView line : QStringView(pageText).split(QLatin1Char('\n'))) {
        if (line.endsWith(QLatin1Char('\r'))) line.chop(1);
        qreal x = 0;
        qsizetype tabs = 0;
        for (QStringView segment : line.split(QLatin1Char('\t'))) {
            const QString text = segment.toString();
            const qreal width = text.isEmpty() ? 0 : metrics.horizontalAdvance(text);
            if (tabs > 0 && tabs <= stops.size()) {
                const QTextOption::Tab& stop = stops[tabs - 1];
                x = std::max(
                    x, stop.type == QTextOption::RightTab ? stop.position - width : stop.position);
            } else if (tabs > 0 && tabWidth > 0) {
                x = (std::floor(x / tabWidth) + 1) * tabWidth;
            }
            ++tabs;
            if (text.isEmpty()) continue;
            runs.push_back({QPointF(topLeft.x() + x, baseline), text});
            x += width;
        }
        baseline += metrics.lineSpacing();
    }
    return runs;
}

void DrawReportPage(QPainter& painter, const QString& pageText, QPointF topLeft,
                    const ReportColumns& columns) {
    // Metrics of the device the painter draws on, not of the screen: on a
    // printer the two differ by the ratio of their resolutions. Each run is
    // drawn by itself, so no tab ever reaches the painter.
    const QFontMetricsF metrics(painter.font(), painter.device());
    for (const PlacedRun& run : LayOutReportPage(pageText, metrics, topLeft, columns)) {
        painter.drawText(run.baseline, run.text);
    }
}

void UsePrintModuleAt(const QString& path) { PrintModuleOverride() = path; }

bool QtReportPrinter::PrintPage(std::string_view pageText) {
    const OpenPrinter open = PrinterModule();
    if (!open) return false;
    // The default printer, no document name on the job, device coordinates
    // from the sheet's corner.
    const std::unique_ptr<QPaintDevice> printer(open());
    if (!printer) return false;
    QPainter painter;
    if (!painter.begin(printer.get())) return false;
    const QString page = ToQString(pageText);
    DrawReportPage(painter, page, QPointF(kPageOffset, kPageOffset),
                   columns_.widest.empty() ? FindReportColumns(page) : columns_);
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
