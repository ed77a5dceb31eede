#include "economics/economics_forms.h"

#include "economics/break_even.h"
#include "economics/capital.h"
#include "economics/cost_behaviour.h"
#include "economics/inventory.h"
#include "economics/target_profit.h"
#include "economics/turnover.h"

namespace orvanta {

std::span<const FormDescription* const> EconomicsForms() {
    // In the order of the page's entries 1 to 19; the class suffixes do not
    // follow it (the cost of capital, 5_20, is entry 6).
    static const FormDescription* const forms[] = {
        &LUZIO_TASKAS_5_1,
        &LUZIO_TASKAS_VIENETAIS_5_2,
        &RIBINIS_PELNAS_5_3,
        &MASTO_EKONOMIJA_5_4,
        &OPTIMALUS_SKOLINTO_KAPITALO_DYDIS_5_5,
        &KAPITALO_KAINA_5_20,
        &KINTAMOS_ISLAIDOS_MIN_MAX_5_6,
        &KINTAMOS_ISLAIDOS_MAZIUSI_KVADRATAI_5_7,
        &PASTOVIOS_ISLAIDOS_MAZIAUSI_KVADRATAI_5_8,
        &NORIMAS_GAUTI_PELNAS_5_9,
        &NORIMAS_GAUTI_PELNAS_PO_MOK_5_11,
        &PINIGU_APYVARTOS_CIKLO_TRUKME_5_12,
        &PPRODUKCIJOS_BUVIMO_SANDELIUOSE_L_DIEN_5_13,
        &ATSARGU_APYVARTUMAS_KARTAIS_5_14,
        &ATSARGU_APYVARTUMAS_DIENOMIS_5_15,
        &vTURTO_APYVARTUMAS_KARTAIS_5_16,
        &DEBITORINIO_ISISKOLINIMO_APYV_DIENOMIS_5_17,
        &OPTIMALUS_UZSAKYMAS_5_18,
        &INVESTICIJOS_I_ATSARGAS_ESANT_OUD_5_19,
    };
    return forms;
}

}  // namespace orvanta
