#include "forms/report_commands.h"

#include <string>

#include "forms/report_pages.h"

namespace orvanta {

bool PrintReport(std::string_view text, ReportPrinter& printer, ReportMessages& messages) {
    bool allPrinted = true;
    for (const std::string& page : SplitReportPages(text)) {
        if (printer.PrintPage(page)) continue;
        allPrinted = false;
        messages.ShowError(kPrinterErrorCaption, kPrinterErrorText);
    }
    return allPrinted;
}

bool CopyReport(std::string_view text, ReportClipboard& clipboard) {
    return clipboard.SetText(text);
}

}  // namespace orvanta
