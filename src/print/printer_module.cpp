// The printer side of the report window, in a module of its own: QtPrintSupport
// is loaded with it on the first print instead of at every start. The program
// reaches it by name alone (orvanta_open_default_printer) and draws on what it
// returns through QPainter, which needs nothing of QtPrintSupport.
#include <QPrinter>
#include <QPrinterInfo>
#include <QtGlobal>
#include <memory>

// The default printer, set up for one report page: no document name on the
// job, device coordinates from the sheet's corner. Null when there is no
// default printer or it cannot be used. The caller owns what is returned.
extern "C" Q_DECL_EXPORT QPaintDevice* orvanta_open_default_printer() {
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) return nullptr;
    auto printer = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    printer->setDocName(QString());
    printer->setFullPage(true);
    if (!printer->isValid()) return nullptr;
    return printer.release();
}
