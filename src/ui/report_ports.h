#pragma once

// The printer and clipboard every report window uses: the real ones, or those
// tests put in place.

#include "forms/report_commands.h"

namespace orvanta::ui {

// A null member puts the real one back. Returns what was in place.
struct ReportPorts {
    ReportPrinter* printer = nullptr;
    ReportClipboard* clipboard = nullptr;
};
ReportPorts SetReportPorts(ReportPorts ports);

// The printer put in place, else `real`: the window's own default printer,
// which knows the stops of its report.
ReportPrinter& CurrentReportPrinter(ReportPrinter& real);
ReportClipboard& CurrentReportClipboard();

}  // namespace orvanta::ui
