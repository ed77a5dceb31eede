#include "shell/catalogue.h"

namespace orvanta {

const std::array<CatalogPageInfo, kCatalogPageCount>& Catalogue() {
    static const std::array<CatalogPageInfo, kCatalogPageCount> pages{{
        {"CTabThree",
         "1. Enterprise financial ratios",
         "1. Enterprise financial ratios",
         {
             {"1. Altman Z bankrupt probability model", "ALTMAN_Z_3"},
             {"2. ROA (Return on Assets)", "ROA_3_2"},
             {"3. Leverage ratio", "BSR_3_3"},
             {"4. Absolute solvency ratio", "ABSOLIUTAUS_MOKUMO_KOEF_3_4"},
             {"5. Short term solvency ratio", "BTMK_3_5"},
             {"6. Non-current liabilities to Total assets ratio", "ILGALAIKIU_SKOLU_KEOF_3_6"},
             {"7. Working capital ratio", "APYVARTINIO_KAPITALO_KOEF_3_7"},
             {"8. Working capital turnover ratio", "APYVARTINIO_KAPITALO_APYV_3_8"},
         }},
        {"CTabOne",
         "2. Staff accounting",
         "2. Staff accounting",
         {
             {"1. Employee turnover rate", "DARBUOTOJU_TEKAMUMAS"},
             {"2. Ratio of administrative staff", "DU_ADMINISTRACIJOS_DARBUOTOJAI"},
         }},
        {"CTabFour",
         "3. Solvency ratios",
         "3. Solvency ratios",
         {
             {"1. Net profit to sales ratio", "GRYN_PARD_PELNINGUMAS_4_1"},
             {"2. Profit percentage", "GRYNOJO_VEIKL_RENTAB_ROD_4_2"},
             {"3. Return on equity (ROE)", "NUOSAVO_KAPITALO_PELNINGUMAS_4_3"},
             {"4. Operating cash flow to sales ratio", "GRYNOJO_PINIGU_SRAUTO_GRI_IS_PARD_4_4"},
             {"5. Operating cash flow to current assets ratio %", "GRYN_PIN_SR_GRAZA_IS_TT_4_5"},
             {"6. Cash flow to net profit ratio", "GRYN_PINIGU_SR_IR_PELNAS_4_6"},
             {"7. Cash flow to total debt ratio", "PINIGU_SR_IR_ISLAIDU_ATITIKIMAS_4_7"},
             {"8. Cash coverage of all liabilities", "VISU_ISIP_APM_PINIG_KOEF_4_8"},
         }},
        {"CTabFive",
         "4. Enterprise economics",
         "4. Enterprise economics",
         {
             {"1. Break-even point (BEP)", "LUZIO_TASKAS_5_1"},
             {"2. Break-even point (BEP) in units", "LUZIO_TASKAS_VIENETAIS_5_2"},
             {"3. Marginal revenue", "RIBINIS_PELNAS_5_3"},
             {"4. Economies of scale", "MASTO_EKONOMIJA_5_4"},
             {"5. Optimal capital structure", "OPTIMALUS_SKOLINTO_KAPITALO_DYDIS_5_5"},
             {"6. Cost of capital", "KAPITALO_KAINA_5_20"},
             {"7. Variable cost (min-max method)", "KINTAMOS_ISLAIDOS_MIN_MAX_5_6"},
             {"8. Variable cost (least squares method)", "KINTAMOS_ISLAIDOS_MAZIUSI_KVADRATAI_5_7"},
             {"9. Fixed cost (least squares method)", "PASTOVIOS_ISLAIDOS_MAZIAUSI_KVADRATAI_5_8"},
             {"10. Profit wanted", "NORIMAS_GAUTI_PELNAS_5_9"},
             {"11. Wanted net profit after taxes", "NORIMAS_GAUTI_PELNAS_PO_MOK_5_11", 1},
             {"12. Cash turnover cycle length", "PINIGU_APYVARTOS_CIKLO_TRUKME_5_12", 1},
             {"13. Storing of production length period (days)",
              "PPRODUKCIJOS_BUVIMO_SANDELIUOSE_L_DIEN_5_13", 1},
             {"14. Inventory turnover (times)", "ATSARGU_APYVARTUMAS_KARTAIS_5_14", 1},
             {"15. Inventory turnover (days)", "ATSARGU_APYVARTUMAS_DIENOMIS_5_15", 1},
             {"16. Asset turnover (times)", "vTURTO_APYVARTUMAS_KARTAIS_5_16", 1},
             {"17.  Accounts receivable turnover (in days)",
              "DEBITORINIO_ISISKOLINIMO_APYV_DIENOMIS_5_17", 1},
             {"18. Economic Order Quantity (EOQ)", "OPTIMALUS_UZSAKYMAS_5_18", 1},
             {"19.  Economic Order Value", "INVESTICIJOS_I_ATSARGAS_ESANT_OUD_5_19", 1},
         }},
        {"CTabSix",
         "5. Discounting \\ Project economics \\ Mortgage calc.",
         "6. Discounting \\ Project economics \\ Mortgage calc.",
         {
             {"1. ROI (Return on Investment)", "ROI_6_1"},
             {"2. Economic Value Added (EVA) ratio", "EVA_6_2"},
             {"3. ROCE (Return on Capital Emplyed)", "ROCE_6_3"},
             {"4. ARR (Accounting Rate of Return)", "ARR_6_4"},
             {"5. Discounting", "DISCOUNTING_6_5"},
             {"6. Compounding", "COMPOUNDING_6_6"},
             {"7. Mortgage calculator", "PASKOLOS_MAIN_6_7", 1},
         }},
    }};
    return pages;
}

}  // namespace orvanta
