#include "catalogue/catalogue.h"

#include <algorithm>

#include "economics/break_even.h"
#include "economics/capital.h"
#include "economics/cost_behaviour.h"
#include "economics/inventory.h"
#include "economics/target_profit.h"
#include "economics/turnover.h"
#include "investment/investment_return.h"
#include "investment/mortgage_forms.h"
#include "ratios/altman_z.h"
#include "ratios/balance_sheet_ratios.h"
#include "ratios/profitability_ratios.h"
#include "ratios/staff_ratios.h"

namespace orvanta {

CatalogueEntry::CatalogueEntry(const FormDescription& form, int column)
    : CatalogueEntry(form.title, form, column) {}

CatalogueEntry::CatalogueEntry(std::string_view ownText, const FormDescription& form, int column)
    : text(ownText), opens(form), column(column) {}

const std::array<CataloguePageInfo, kCataloguePageCount>& Catalogue() {
    static const std::array<CataloguePageInfo, kCataloguePageCount> pages{{
        {"CTabThree",
         "1. Enterprise financial ratios",
         "1. Enterprise financial ratios",
         {
             {ALTMAN_Z_3},
             {ROA_3_2},
             {BSR_3_3},
             {ABSOLIUTAUS_MOKUMO_KOEF_3_4},
             {BTMK_3_5},
             {ILGALAIKIU_SKOLU_KEOF_3_6},
             {APYVARTINIO_KAPITALO_KOEF_3_7},
             {APYVARTINIO_KAPITALO_APYV_3_8},
         }},
        {"CTabOne",
         "2. Staff accounting",
         "2. Staff accounting",
         {
             // Both staff forms are titled "3." in their own windows.
             {"1. Employee turnover rate", DARBUOTOJU_TEKAMUMAS},
             {"2. Ratio of administrative staff", DU_ADMINISTRACIJOS_DARBUOTOJAI},
         }},
        {"CTabFour",
         "3. Solvency ratios",
         "3. Solvency ratios",
         {
             {GRYN_PARD_PELNINGUMAS_4_1},
             {GRYNOJO_VEIKL_RENTAB_ROD_4_2},
             {NUOSAVO_KAPITALO_PELNINGUMAS_4_3},
             {GRYNOJO_PINIGU_SRAUTO_GRI_IS_PARD_4_4},
             {GRYN_PIN_SR_GRAZA_IS_TT_4_5},
             {GRYN_PINIGU_SR_IR_PELNAS_4_6},
             {PINIGU_SR_IR_ISLAIDU_ATITIKIMAS_4_7},
             {VISU_ISIP_APM_PINIG_KOEF_4_8},
         }},
        {"CTabFive",
         "4. Enterprise economics",
         "4. Enterprise economics",
         {
             {LUZIO_TASKAS_5_1},
             {LUZIO_TASKAS_VIENETAIS_5_2},
             {RIBINIS_PELNAS_5_3},
             {MASTO_EKONOMIJA_5_4},
             {OPTIMALUS_SKOLINTO_KAPITALO_DYDIS_5_5},
             // The cost of capital came last and was moved up: its own
             // window and the three after it keep their old numbers.
             {"6. Cost of capital", KAPITALO_KAINA_5_20},
             {"7. Variable cost (min-max method)", KINTAMOS_ISLAIDOS_MIN_MAX_5_6},
             {"8. Variable cost (least squares method)", KINTAMOS_ISLAIDOS_MAZIUSI_KVADRATAI_5_7},
             {"9. Fixed cost (least squares method)", PASTOVIOS_ISLAIDOS_MAZIAUSI_KVADRATAI_5_8},
             {"10. Profit wanted", NORIMAS_GAUTI_PELNAS_5_9},
             {NORIMAS_GAUTI_PELNAS_PO_MOK_5_11, kRightColumn},
             {PINIGU_APYVARTOS_CIKLO_TRUKME_5_12, kRightColumn},
             {PPRODUKCIJOS_BUVIMO_SANDELIUOSE_L_DIEN_5_13, kRightColumn},
             {ATSARGU_APYVARTUMAS_KARTAIS_5_14, kRightColumn},
             {ATSARGU_APYVARTUMAS_DIENOMIS_5_15, kRightColumn},
             {vTURTO_APYVARTUMAS_KARTAIS_5_16, kRightColumn},
             {"17.  Accounts receivable turnover (in days)",
              DEBITORINIO_ISISKOLINIMO_APYV_DIENOMIS_5_17, kRightColumn},
             {OPTIMALUS_UZSAKYMAS_5_18, kRightColumn},
             {INVESTICIJOS_I_ATSARGAS_ESANT_OUD_5_19, kRightColumn},
         }},
        {"CTabSix",
         "5. Discounting \\ Project economics \\ Mortgage calc.",
         "6. Discounting \\ Project economics \\ Mortgage calc.",
         {
             {ROI_6_1},
             {"2. Economic Value Added (EVA) ratio", EVA_6_2},
             {ROCE_6_3},
             {ARR_6_4},
             {DISCOUNTING_6_5},
             {COMPOUNDING_6_6},
             {PASKOLOS_MAIN_6_7, kRightColumn},
         }},
    }};
    return pages;
}

namespace {

void AddWithChoices(const FormDescription& form, std::vector<const FormDescription*>& forms) {
    if (std::find(forms.begin(), forms.end(), &form) != forms.end()) return;
    forms.push_back(&form);
    for (const Choice& choice : form.choices) AddWithChoices(choice.opens.Form(), forms);
}

}  // namespace

std::vector<const FormDescription*> FormsOfPage(int page) {
    std::vector<const FormDescription*> forms;
    if (page < 0 || page >= kCataloguePageCount) return forms;
    for (const CatalogueEntry& entry : Catalogue()[static_cast<std::size_t>(page)].entries)
        AddWithChoices(entry.opens.Form(), forms);
    return forms;
}

const std::vector<const FormDescription*>& AllFormDescriptions() {
    static const std::vector<const FormDescription*> all = [] {
        std::vector<const FormDescription*> forms;
        for (const CataloguePageInfo& page : Catalogue())
            for (const CatalogueEntry& entry : page.entries)
                AddWithChoices(entry.opens.Form(), forms);
        return forms;
    }();
    return all;
}

const FormDescription* FindFormDescription(std::string_view className) {
    for (const FormDescription* form : AllFormDescriptions()) {
        if (form->className == className) return form;
    }
    return nullptr;
}

}  // namespace orvanta
