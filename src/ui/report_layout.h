#pragma once

// How a report's text is laid out, on the screen and on paper alike: its
// tab-separated columns, the tab stops that line up their decimals, and each
// page's runs of text.

#include <QFontMetricsF>
#include <QPointF>
#include <QString>
#include <QTextOption>
#include <vector>

class QPainter;

namespace orvanta::ui {

// The tab-separated columns of a report: the widest text of each (by
// characters: its figures have digits of one width, so one measurement per
// column does), and the line of bullets that names them, if there is one.
struct ReportColumns {
    std::vector<QString> widest;  // [i]: what follows the i-th tab of a line
    QString header;
};
ReportColumns FindReportColumns(QStringView text);

// One stop per tab of the widest line, measured with `metrics`: a column of
// text ends at a right-aligned stop, so that its decimals line up, and its
// widest entry starts under the bullet of its name where the columns before
// it leave room (columns are matched to bullets from the right); a column
// that is always empty (the second of two tabs) gets a left stop just past the
// one before. Empty when the text has no tabs.
QList<QTextOption::Tab> ReportTabStops(const ReportColumns& columns, const QFontMetricsF& metrics);

// The page text as it is drawn: a new line at each line feed (the CR before
// it is dropped), each tab moving on to its stop of `columns` (past the last
// one, or with no columns, to the next multiple of eight average character
// widths), counted from the start of the line. Baselines, not tops.
struct PlacedRun {
    QPointF baseline;
    QString text;
};
std::vector<PlacedRun> LayOutReportPage(const QString& pageText, const QFontMetricsF& metrics,
                                        QPointF topLeft, const ReportColumns& columns = {});
void DrawReportPage(QPainter& painter, const QString& pageText, QPointF topLeft,
                    const ReportColumns& columns = {});

}  // namespace orvanta::ui
