#pragma once

#include <string_view>
#include <utility>

#include "forms/report_commands.h"
#include "ui/report_layout.h"

namespace orvanta::ui {

// Prints each page as its own job on the default printer, never asking which
// one: the page's top-left corner at (100, 100) printer pixels from the top
// left of the sheet, the printer's default font, tabs expanded to the stops of
// the report's columns (those of the whole report when given, else of the
// page), a new line at each line feed, no wrapping and no clipping. The
// default printer is looked up anew for every page.
class QtReportPrinter : public ReportPrinter {
public:
    // `columns`: those of the whole report, so that every page uses its stops.
    explicit QtReportPrinter(ReportColumns columns = {}) : columns_(std::move(columns)) {}

    bool PrintPage(std::string_view pageText) override;

private:
    ReportColumns columns_;
};

}  // namespace orvanta::ui
