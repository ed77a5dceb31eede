#include "ratios/ratio_forms.h"

#include "ratios/balance_sheet_ratios.h"

namespace orvanta {

std::span<const FormDescription* const> RatioForms() {
    static const FormDescription* const forms[] = {
        &ROA_3_2,
    };
    return forms;
}

}  // namespace orvanta
