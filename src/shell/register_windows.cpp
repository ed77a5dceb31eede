#include "shell/register_windows.h"

#include <memory>
#include <string>

#include "investment/mortgage_plan.h"
#include "shell/about_dlg.h"
#include "ui/calculator_dialog.h"
#include "ui/report_window.h"
#include "ui/window_registry.h"

namespace orvanta {

void RegisterWindows() {
    for (const FormDescription* form : AllFormDescriptions()) {
        ui::RegisterWindow(std::string(form->className), [form](QWidget* owner) {
            return std::make_unique<ui::CalculatorDialog>(*form, owner);
        });
    }
    // The plan is built as the report opens, from the inputs of the press that opened it.
    ui::RegisterWindow(std::string(kPaymentPlanReport), [](QWidget* owner) {
        return std::make_unique<ui::ReportWindow>(kPaymentPlanReport,
                                                  BuildPaymentPlanText(CurrentPlanInputs()), owner);
    });
    ui::RegisterWindow(std::string(ui::kAboutWindow),
                       [](QWidget* owner) { return std::make_unique<CAboutDlg>(owner); });
}

}  // namespace orvanta
