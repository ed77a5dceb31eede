// Drives the report window's printing and rendering from the command line, for
// the end-to-end print check against a real print server and for screenshots.
//
//   report_print_tool print AMOUNT RATE PERIODS DIR
//       prints the payment plan on the default printer, one job a page, and
//       writes the text of page N to DIR/page-N.txt; exit 0 when every page
//       reached the printer, 3 when some did not (each said on stderr).
//   report_print_tool screenshot FILE [AMOUNT RATE PERIODS]
//       renders the report window to a PNG file.
#include <QApplication>
#include <QFile>
#include <QPixmap>
#include <cstdio>
#include <string>

#include "forms/report_commands.h"
#include "forms/report_pages.h"
#include "investment/mortgage_plan.h"
#include "shell/orvanta_app.h"
#include "ui/message_box.h"
#include "ui/print_module.h"
#include "ui/qt_text.h"
#include "ui/report_layout.h"
#include "ui/report_printer.h"
#include "ui/report_window.h"

namespace {

using namespace orvanta;

int Usage() {
    std::fputs(
        "usage: report_print_tool print AMOUNT RATE PERIODS DIR\n"
        "       report_print_tool screenshot FILE [AMOUNT RATE PERIODS]\n",
        stderr);
    return 2;
}

MortgagePlanInputs Inputs(char** argv) {
    return {std::stod(argv[0]), std::stod(argv[1]), std::stod(argv[2])};
}

int Print(const MortgagePlanInputs& inputs, const QString& dir) {
    const std::string text = BuildPaymentPlanText(inputs);
    int page = 0;
    for (const std::string& pageText : SplitReportPages(text)) {
        QFile file(QStringLiteral("%1/page-%2.txt").arg(dir).arg(++page));
        if (!file.open(QIODevice::WriteOnly) ||
            file.write(pageText.data(), static_cast<qint64>(pageText.size())) < 0) {
            std::fprintf(stderr, "report_print_tool: cannot write %s\n",
                         file.fileName().toLocal8Bit().constData());
            return 1;
        }
    }
    int failures = 0;
    ui::SetMessageHandler([&](const ui::MessageRequest& m) {
        ++failures;
        std::fprintf(stderr, "%s: %s\n", m.caption.toUtf8().constData(),
                     m.text.toUtf8().constData());
    });
    ui::QtReportMessages messages;
    // Every page in the stops of the whole report, as the report window prints it.
    ui::QtReportPrinter printer(ui::FindReportColumns(ui::ToQString(text)));
    PrintReport(text, printer, messages);
    std::printf("%d pages, %d not printed\n", page, failures);
    return failures == 0 ? 0 : 3;
}

int Screenshot(const MortgagePlanInputs& inputs, const QString& file) {
    ui::ReportWindow window(kPaymentPlanReport, BuildPaymentPlanText(inputs));
    window.show();
    QApplication::processEvents();
    if (!window.grab().save(file, "PNG")) {
        std::fprintf(stderr, "report_print_tool: cannot write %s\n",
                     file.toLocal8Bit().constData());
        return 1;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    COrvantaApp app(argc, argv);
    ui::UsePrintModuleAt(QStringLiteral(ORVANTA_TEST_PRINT_MODULE));
    const QStringList args = QApplication::arguments();
    try {
        if (args.size() == 6 && args[1] == QStringLiteral("print")) {
            return Print(Inputs(argv + 2), args[5]);
        }
        if (args.size() == 3 && args[1] == QStringLiteral("screenshot")) {
            return Screenshot({1000, 1, 12}, args[2]);
        }
        if (args.size() == 6 && args[1] == QStringLiteral("screenshot")) {
            return Screenshot(Inputs(argv + 3), args[2]);
        }
    } catch (const std::exception&) {
        // A number that does not read: the usage says what is wanted.
    }
    return Usage();
}
