#include "ratios/ratio_forms.h"

#include "ratios/altman_z.h"
#include "ratios/balance_sheet_ratios.h"
#include "ratios/profitability_ratios.h"
#include "ratios/staff_ratios.h"

namespace orvanta {

std::span<const FormDescription* const> RatioForms() {
    // In catalogue order: the financial ratios page, the staff page, the
    // solvency ratios page.
    static const FormDescription* const forms[] = {
        &ALTMAN_Z_3,
        &ROA_3_2,
        &BSR_3_3,
        &ABSOLIUTAUS_MOKUMO_KOEF_3_4,
        &BTMK_3_5,
        &ILGALAIKIU_SKOLU_KEOF_3_6,
        &APYVARTINIO_KAPITALO_KOEF_3_7,
        &APYVARTINIO_KAPITALO_APYV_3_8,
        &DARBUOTOJU_TEKAMUMAS,
        &DU_ADMINISTRACIJOS_DARBUOTOJAI,
        &GRYN_PARD_PELNINGUMAS_4_1,
        &GRYNOJO_VEIKL_RENTAB_ROD_4_2,
        &NUOSAVO_KAPITALO_PELNINGUMAS_4_3,
        &GRYNOJO_PINIGU_SRAUTO_GRI_IS_PARD_4_4,
        &GRYN_PIN_SR_GRAZA_IS_TT_4_5,
        &GRYN_PINIGU_SR_IR_PELNAS_4_6,
        &PINIGU_SR_IR_ISLAIDU_ATITIKIMAS_4_7,
        &VISU_ISIP_APM_PINIG_KOEF_4_8,
    };
    return forms;
}

}  // namespace orvanta
