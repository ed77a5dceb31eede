#include "investment/investment_forms.h"

#include "investment/investment_return.h"
#include "investment/mortgage_forms.h"

namespace orvanta {

std::span<const FormDescription* const> InvestmentForms() {
    static const FormDescription* const forms[] = {
        &ROI_6_1,           &EVA_6_2,
        &ROCE_6_3,          &ARR_6_4,
        &DISCOUNTING_6_5,   &COMPOUNDING_6_6,
        &PASKOLOS_MAIN_6_7, &PASKOLOS_6_7,
        &PASKOLOS_GRAF_6_7, &PASKOLOS_DALINAI_APMOKETOS_6_7,
    };
    return forms;
}

}  // namespace orvanta
