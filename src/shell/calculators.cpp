#include "shell/calculators.h"

#include <memory>
#include <string>

#include "economics/economics_forms.h"
#include "investment/investment_forms.h"
#include "ratios/ratio_forms.h"
#include "ui/calculator_dialog.h"
#include "ui/window_registry.h"

namespace orvanta {

std::vector<const FormDescription*> AllFormDescriptions() {
    std::vector<const FormDescription*> all;
    for (const auto list : {RatioForms(), EconomicsForms(), InvestmentForms()}) {
        all.insert(all.end(), list.begin(), list.end());
    }
    return all;
}

const FormDescription* FindFormDescription(std::string_view className) {
    for (const FormDescription* form : AllFormDescriptions()) {
        if (form->className == className) return form;
    }
    return nullptr;
}

void RegisterWindows() {
    for (const FormDescription* form : AllFormDescriptions()) {
        ui::RegisterWindow(std::string(form->className), [form](QWidget* owner) {
            return std::make_unique<ui::CalculatorDialog>(*form, owner);
        });
    }
}

}  // namespace orvanta
