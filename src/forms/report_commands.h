#pragma once

// The report window's Copy and Print, behind small ports so that the sequence
// (which pages, in which order, what is said when a page fails) is testable
// without a clipboard or a printer. The Qt report window implements the ports.

#include <string_view>

namespace orvanta {

inline constexpr std::string_view kPrinterErrorText = "PRINTER ERROR !!!";
inline constexpr std::string_view kPrinterErrorCaption = "ERROR !!!";

class ReportPrinter {
public:
    virtual ~ReportPrinter() = default;
    // Prints one page as a print job of its own on the default printer, without
    // asking which printer to use. False when no printer could be obtained or
    // the job could not be started.
    virtual bool PrintPage(std::string_view pageText) = 0;
};

class ReportMessages {
public:
    virtual ~ReportMessages() = default;
    // A modal message box with the error icon and one "OK"; returns when the
    // user dismissed it.
    virtual void ShowError(std::string_view caption, std::string_view text) = 0;
};

class ReportClipboard {
public:
    virtual ~ReportClipboard() = default;
    // Replaces the clipboard with the whole text (UTF-8; Unicode text on the
    // clipboard). False, with the clipboard left as it was, when it is not
    // available.
    virtual bool SetText(std::string_view text) = 0;
};

// Prints every page of the report in order, one job per page. A page that
// fails says so once and printing goes on with the next page. True only when
// every page reached the printer.
bool PrintReport(std::string_view text, ReportPrinter& printer, ReportMessages& messages);

// Puts the whole report on the clipboard. A clipboard that is not available
// is not reported to the user; the result only tells the caller.
bool CopyReport(std::string_view text, ReportClipboard& clipboard);

}  // namespace orvanta
