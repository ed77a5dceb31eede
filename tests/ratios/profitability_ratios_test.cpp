#include "ratios/profitability_ratios.h"

#include "support/press_case.h"

namespace orvanta {
namespace {

using testing::PressCase;

TEST(ProfitabilityRatios, WorkedValuesGuardsAndSigns) {
    const PressCase cases[] = {
        {&GRYN_PARD_PELNINGUMAS_4_1, {"-50", "1000"}, {"-5.00"}},
        {&GRYN_PARD_PELNINGUMAS_4_1, {"1", "3"}, {"33.33"}},
        {&GRYN_PARD_PELNINGUMAS_4_1, {"2", "3"}, {"66.67"}},
        {&GRYN_PARD_PELNINGUMAS_4_1, {"100", "0"}, {"NaN"}},
        {&GRYN_PARD_PELNINGUMAS_4_1,
         {"100", "-5"},
         {"NaN"},
         {"Sales must be real possitive number !!!"}},
        {&GRYNOJO_VEIKL_RENTAB_ROD_4_2, {"-30", "120"}, {"-25.00"}},
        {&GRYNOJO_VEIKL_RENTAB_ROD_4_2,
         {"100", ""},
         {"NaN"},
         {"Total cost must be real possitive number !!!"}},
        {&NUOSAVO_KAPITALO_PELNINGUMAS_4_3, {"100", "-500"}, {"-20.00"}},
        {&NUOSAVO_KAPITALO_PELNINGUMAS_4_3, {"100", "-0"}, {"NaN"}},
        {&GRYNOJO_PINIGU_SRAUTO_GRI_IS_PARD_4_4, {"-40", "800"}, {"-5.00"}},
        {&GRYNOJO_PINIGU_SRAUTO_GRI_IS_PARD_4_4,
         {"40", "-800"},
         {"NaN"},
         {"Sales must be real possitive number !!!"}},
        {&GRYN_PIN_SR_GRAZA_IS_TT_4_5, {"1", "0.0001"}, {"1000000.00"}},
        {&GRYN_PIN_SR_GRAZA_IS_TT_4_5,
         {"1", "-1"},
         {"NaN"},
         {"Current assets must be real possitive number !!!"}},
        {&GRYN_PINIGU_SR_IR_PELNAS_4_6, {"-30", "-60"}, {"50.00"}},
        {&GRYN_PINIGU_SR_IR_PELNAS_4_6, {"-30", "0"}, {"NaN"}},
        // The same figure on both; only the coverage form refuses a negative cash flow.
        {&PINIGU_SR_IR_ISLAIDU_ATITIKIMAS_4_7, {"-10", "200"}, {"-5.00"}},
        {&VISU_ISIP_APM_PINIG_KOEF_4_8,
         {"-10", "200"},
         {"NaN"},
         {"Cash flow from operations must be real possitive number !!!"}},
        {&PINIGU_SR_IR_ISLAIDU_ATITIKIMAS_4_7, {"10", "200"}, {"5.00"}},
        {&VISU_ISIP_APM_PINIG_KOEF_4_8, {"10", "200"}, {"5.00"}},
        {&PINIGU_SR_IR_ISLAIDU_ATITIKIMAS_4_7,
         {"10", "-200"},
         {"NaN"},
         {"Total liabilities must be real possitive number !!!"}},
        {&VISU_ISIP_APM_PINIG_KOEF_4_8, {"10", "0"}, {"NaN"}},
    };
    for (const PressCase& c : cases) ExpectPress(c);
}

}  // namespace
}  // namespace orvanta
