#pragma once

// The printer comes from a module loaded on the first print (see src/print),
// installed beside the program, so that QtPrintSupport is not loaded at every
// start.

#include <QString>
#include <memory>

class QPaintDevice;

namespace orvanta::ui {

// Tests name their build's module here, before the first print.
void UsePrintModuleAt(const QString& path);

// The default printer, set up for one report page: no document name on the
// job, device coordinates from the sheet's corner. Null when the module or
// the default printer is missing.
std::unique_ptr<QPaintDevice> OpenDefaultPrinter();

}  // namespace orvanta::ui
