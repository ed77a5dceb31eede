#pragma once

// The report window's printer, clipboard and messages on Qt: the default
// printer through CUPS, the system clipboard, the program's message boxes.

#include <QFontMetricsF>
#include <QPointF>
#include <QString>
#include <QTextOption>
#include <string_view>
#include <utility>
#include <vector>

#include "forms/report_commands.h"

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

// The printer itself comes from a module loaded on the first print (see
// src/print), installed beside the program; tests name their build's here.
void UsePrintModuleAt(const QString& path);

// Prints each page as its own job on the default printer, never asking which
// one: the page's top-left corner at (100, 100) printer pixels from the top
// left of the sheet, the printer's default font, tabs expanded to the stops of
// the report's columns (those of the whole report when given, else of the
// page), a new line at each line feed, no wrapping and no clipping. The
// default printer is looked up anew for every page.
class QtReportPrinter : public ReportPrinter {
public:
    bool PrintPage(std::string_view pageText) override;
    // The columns of the whole report, so that every page uses its stops.
    void SetColumns(ReportColumns columns) { columns_ = std::move(columns); }

private:
    ReportColumns columns_;
};

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

class QtReportClipboard : public ReportClipboard {
public:
    bool SetText(std::string_view text) override;
};

// "PRINTER ERROR !!!" and its kind, owned by no window, with the error icon.
class QtReportMessages : public ReportMessages {
public:
    void ShowError(std::string_view caption, std::string_view text) override;
};

// The printer and clipboard every report window uses. Tests put their own in
// place; a null member puts the real one back. Returns what was in place.
struct ReportPorts {
    ReportPrinter* printer = nullptr;
    ReportClipboard* clipboard = nullptr;
};
ReportPorts SetReportPorts(ReportPorts ports);
ReportPrinter& CurrentReportPrinter();
ReportClipboard& CurrentReportClipboard();

}  // namespace orvanta::ui
