#pragma once

// The report window's printer, clipboard and messages on Qt: the default
// printer through CUPS, the system clipboard, the program's message boxes.

#include <QFontMetricsF>
#include <QPointF>
#include <QString>
#include <string_view>
#include <vector>

#include "forms/report_commands.h"

class QPainter;

namespace orvanta::ui {

// Prints each page as its own job on the default printer, never asking which
// one: the page's top-left corner at (100, 100) printer pixels from the top
// left of the sheet, the printer's default font, tabs expanded to stops every
// eight average character widths, a new line at each line feed, no wrapping
// and no clipping. The default printer is looked up anew for every page.
class QtReportPrinter : public ReportPrinter {
public:
    bool PrintPage(std::string_view pageText) override;
};

// The page text as it is drawn: a new line at each line feed (the CR before
// it is dropped), each tab moving on to the next stop, eight average character
// widths apart, counted from the start of the line. Baselines, not tops.
struct PlacedRun {
    QPointF baseline;
    QString text;
};
std::vector<PlacedRun> LayOutReportPage(const QString& pageText, const QFontMetricsF& metrics,
                                        QPointF topLeft);
void DrawReportPage(QPainter& painter, const QString& pageText, QPointF topLeft);

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
