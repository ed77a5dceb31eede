#include "ui/report_ports.h"

#include <utility>

#include "ui/report_clipboard.h"

namespace orvanta::ui {
namespace {

ReportPorts& Ports() {
    static ReportPorts ports;
    return ports;
}

}  // namespace

ReportPorts SetReportPorts(ReportPorts ports) { return std::exchange(Ports(), ports); }

ReportPrinter& CurrentReportPrinter(ReportPrinter& real) {
    return Ports().printer ? *Ports().printer : real;
}

ReportClipboard& CurrentReportClipboard() {
    static QtReportClipboard clipboard;
    return Ports().clipboard ? *Ports().clipboard : clipboard;
}

}  // namespace orvanta::ui
