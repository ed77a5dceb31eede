#include "ui/report_layout.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace orvanta::ui {
namespace {

constexpr int kTabStopChars = 8;

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

}  // namespace orvanta::ui
