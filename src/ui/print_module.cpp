#include "ui/print_module.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>
#include <QPaintDevice>
#include <QStringList>

namespace orvanta::ui {
namespace {

QString& PrintModuleOverride() {
    static QString path;
    return path;
}

using OpenPrinter = QPaintDevice* (*)();

// The printer module: where it is installed beside the program, or next to
// the program in a build tree. Loaded once and kept; null when it is missing,
// and every page then reports its error.
OpenPrinter PrinterModule() {
    static const OpenPrinter open = [] {
        const QDir dir(QCoreApplication::applicationDirPath());
        const QStringList candidates =
            PrintModuleOverride().isEmpty()
                ? QStringList{dir.filePath(QStringLiteral(ORVANTA_PRINT_MODULE_FROM_BINDIR)),
                              dir.filePath(QStringLiteral(ORVANTA_PRINT_MODULE_NAME))}
                : QStringList{PrintModuleOverride()};
        for (const QString& path : candidates) {
            QLibrary module(path);
            if (auto f =
                    reinterpret_cast<OpenPrinter>(module.resolve("orvanta_open_default_printer")))
                return f;
        }
        return OpenPrinter{};
    }();
    return open;
}

}  // namespace

void UsePrintModuleAt(const QString& path) { PrintModuleOverride() = path; }

std::unique_ptr<QPaintDevice> OpenDefaultPrinter() {
    const OpenPrinter open = PrinterModule();
    return std::unique_ptr<QPaintDevice>(open ? open() : nullptr);
}

}  // namespace orvanta::ui
