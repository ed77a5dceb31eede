#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "economics/break_even.h"
#include "economics/capital.h"
#include "economics/cost_behaviour.h"
#include "economics/inventory.h"
#include "economics/target_profit.h"
#include "economics/turnover.h"
#include "support/press_case.h"

namespace orvanta {
namespace {

using testing::ExpectPress;
using testing::PressCase;

const std::string kHuge = "1" + std::string(400, '0');  // beyond a double: infinity

// Good fields only: the exact result text, or "NaN" from a guard, never a message.
TEST(EconomicsWorkedValues, ResultsAndGuards) {
    const PressCase cases[] = {
        // Break-even point: fixed cost spread over the production, plus unit cost.
        {&LUZIO_TASKAS_5_1, 0, {"20", "100", "1000"}, "30.00"},
        {&LUZIO_TASKAS_5_1, 0, {"20", "0", "1000"}, "NaN"},
        {&LUZIO_TASKAS_5_1, 0, {"20", "000", "1000"}, "NaN"},
        {&LUZIO_TASKAS_5_1, 1, {"50", "30", "1000"}, "2500.00"},
        {&LUZIO_TASKAS_5_1, 1, {"30", "50", "1000"}, "-1500.00"},
        {&LUZIO_TASKAS_5_1, 1, {"40", "40.0", "1000"}, "NaN"},
        {&LUZIO_TASKAS_VIENETAIS_5_2, 0, {"30", "1000", "50"}, "50.00"},
        {&LUZIO_TASKAS_VIENETAIS_5_2, 0, {"50", "1000", "50"}, "NaN"},
        {&LUZIO_TASKAS_VIENETAIS_5_2, 1, {"5000", "3000", "1000", "100"}, "50.00"},
        {&LUZIO_TASKAS_VIENETAIS_5_2, 1, {"5000", "3000", "1000", "150"}, "75.00"},
        {&LUZIO_TASKAS_VIENETAIS_5_2, 1, {"5000", "3000", "1000", "0"}, "NaN"},
        {&LUZIO_TASKAS_VIENETAIS_5_2, 1, {"5000", "5000", "1000", "100"}, "NaN"},
        {&LUZIO_TASKAS_VIENETAIS_5_2, 1, {"5000", "5000", "1000", "0"}, "NaN"},
        {&RIBINIS_PELNAS_5_3, 0, {"-100", "50"}, "-150.00"},
        {&RIBINIS_PELNAS_5_3, 0, {"-", "0"}, "0.00"},
        // Economies of scale: only equal amounts are refused.
        {&MASTO_EKONOMIJA_5_4, 0, {"1000", "100", "1800", "200"}, "11.1111"},
        {&MASTO_EKONOMIJA_5_4, 0, {"900", "100", "1800", "150"}, "-25.0000"},
        {&MASTO_EKONOMIJA_5_4, 0, {"1000", "100", "1800", "100"}, "NaN"},
        {&MASTO_EKONOMIJA_5_4, 0, {"1000", "100", "1800", "0"}, "-100.0000"},
        {&MASTO_EKONOMIJA_5_4, 0, {"1000", "0", "1800", "100"}, "NaN"},
        {&OPTIMALUS_SKOLINTO_KAPITALO_DYDIS_5_5, 0, {"15", "12", "8", "500", "1000"}, "1.7000"},
        {&OPTIMALUS_SKOLINTO_KAPITALO_DYDIS_5_5, 0, {"0", "5", "8", "1000", "1000"}, "-3.0000"},
        {&OPTIMALUS_SKOLINTO_KAPITALO_DYDIS_5_5, 0, {"15", "12", "8", "500", "0"}, "NaN"},
        {&KAPITALO_KAINA_5_20, 0, {"5", "100", "7", "200", "11", "300", "13", "400"}, "10.40"},
        {&KAPITALO_KAINA_5_20, 0, {"10", "1000", "20", "1000", "30", "0", "40", "0"}, "15.00"},
        {&KAPITALO_KAINA_5_20, 0, {"5", "0", "7", "0", "11", "0", "13", "0"}, "NaN"},
        {&KAPITALO_KAINA_5_20, 1, {"10", "25"}, "2.50"},
        {&KAPITALO_KAINA_5_20, 1, {"10", "0"}, "0.00"},
        // Min-max: the sign follows the order of the observations.
        {&KINTAMOS_ISLAIDOS_MIN_MAX_5_6, 0, {"1000", "100", "1600", "200"}, "6.0000"},
        {&KINTAMOS_ISLAIDOS_MIN_MAX_5_6, 0, {"1600", "100", "1000", "200"}, "-6.0000"},
        {&KINTAMOS_ISLAIDOS_MIN_MAX_5_6, 0, {"1000", "150", "1600", "150"}, "NaN"},
        // Profit wanted.
        {&NORIMAS_GAUTI_PELNAS_5_9, 0, {"1000", "20", "5000", "100"}, "80.00"},
        {&NORIMAS_GAUTI_PELNAS_5_9, 0, {"1000", "20", "5000", "0"}, "NaN"},
        {&NORIMAS_GAUTI_PELNAS_5_9, 1, {"1000", "50", "30", "5000"}, "300.00"},
        {&NORIMAS_GAUTI_PELNAS_5_9, 1, {"1000", "30", "30", "5000"}, "NaN"},
        {&NORIMAS_GAUTI_PELNAS_5_9, 2, {"1200", "1000"}, "20.0000"},
        {&NORIMAS_GAUTI_PELNAS_5_9, 2, {"200", "1000"}, "-80.0000"},
        {&NORIMAS_GAUTI_PELNAS_5_9, 2, {"1000", "1000"}, "0.0000"},
        {&NORIMAS_GAUTI_PELNAS_5_9, 2, {"1200", "0"}, "NaN"},
        {&NORIMAS_GAUTI_PELNAS_5_9, 3, {"1000", "5000", "100"}, "60.00"},
        {&NORIMAS_GAUTI_PELNAS_5_9, 3, {"1000", "5000", "2.5"}, "2400.00"},
        {&NORIMAS_GAUTI_PELNAS_5_9, 3, {"1000", "5000", "0"}, "NaN"},
        // After taxes: the profit is grossed up first; a rate over 100 is accepted.
        {&NORIMAS_GAUTI_PELNAS_PO_MOK_5_11, 0, {"800", "20", "100", "20", "5000"}, "80.00"},
        {&NORIMAS_GAUTI_PELNAS_PO_MOK_5_11, 0, {"800", "150", "100", "20", "5000"}, "54.00"},
        {&NORIMAS_GAUTI_PELNAS_PO_MOK_5_11, 0, {"800", "0", "100", "20", "5000"}, "78.00"},
        {&NORIMAS_GAUTI_PELNAS_PO_MOK_5_11, 0, {"800", "100", "100", "20", "5000"}, "NaN"},
        {&NORIMAS_GAUTI_PELNAS_PO_MOK_5_11, 0, {"800", "20", "0", "20", "5000"}, "NaN"},
        {&NORIMAS_GAUTI_PELNAS_PO_MOK_5_11, 0, {"800", "100", "0", "20", "5000"}, "NaN"},
        {&NORIMAS_GAUTI_PELNAS_PO_MOK_5_11, 1, {"800", "20", "50", "30", "5000"}, "300.00"},
        {&NORIMAS_GAUTI_PELNAS_PO_MOK_5_11, 1, {"800", "100", "50", "30", "5000"}, "NaN"},
        {&NORIMAS_GAUTI_PELNAS_PO_MOK_5_11, 1, {"800", "20", "30", "30", "5000"}, "NaN"},
        {&NORIMAS_GAUTI_PELNAS_PO_MOK_5_11, 2, {"800", "20", "100", "7000"}, "80.00"},
        {&NORIMAS_GAUTI_PELNAS_PO_MOK_5_11, 2, {"800", "100", "100", "7000"}, "NaN"},
        {&NORIMAS_GAUTI_PELNAS_PO_MOK_5_11, 2, {"800", "20", "0", "7000"}, "NaN"},
        // Turnover.
        {&PINIGU_APYVARTOS_CIKLO_TRUKME_5_12, 0, {"365", "1000", "36500"}, "10.000000"},
        {&PINIGU_APYVARTOS_CIKLO_TRUKME_5_12, 0, {"365", "1000", "0"}, "NaN"},
        {&PPRODUKCIJOS_BUVIMO_SANDELIUOSE_L_DIEN_5_13, 0, {"5000", "250"}, "20.00"},
        {&PPRODUKCIJOS_BUVIMO_SANDELIUOSE_L_DIEN_5_13, 0, {"5000", "0"}, "NaN"},
        {&PPRODUKCIJOS_BUVIMO_SANDELIUOSE_L_DIEN_5_13, 0, {std::string(100000, '9'), "1"}, "NaN"},
        {&ATSARGU_APYVARTUMAS_KARTAIS_5_14, 0, {"120000", "30000"}, "4.00"},
        {&ATSARGU_APYVARTUMAS_KARTAIS_5_14, 0, {"120000", "0"}, "NaN"},
        {&ATSARGU_APYVARTUMAS_DIENOMIS_5_15, 0, {"120000", "30000", "365"}, "91.25"},
        {&ATSARGU_APYVARTUMAS_DIENOMIS_5_15, 0, {"0", "30000", "365"}, "NaN"},
        {&ATSARGU_APYVARTUMAS_DIENOMIS_5_15, 0, {"120000", "0", "365"}, "0.00"},
        {&vTURTO_APYVARTUMAS_KARTAIS_5_16, 0, {"500000", "250000"}, "2.00"},
        {&vTURTO_APYVARTUMAS_KARTAIS_5_16, 0, {"500000", "0"}, "NaN"},
        {&DEBITORINIO_ISISKOLINIMO_APYV_DIENOMIS_5_17, 0, {"50000", "600000", "365"}, "30.42"},
        {&DEBITORINIO_ISISKOLINIMO_APYV_DIENOMIS_5_17, 0, {"50000", "600000", "360"}, "30.00"},
        {&DEBITORINIO_ISISKOLINIMO_APYV_DIENOMIS_5_17, 0, {"50000", "0", "365"}, "NaN"},
        // Inventory ordering.
        {&OPTIMALUS_UZSAKYMAS_5_18, 0, {"1000", "2", "50"}, "223.6068"},
        {&OPTIMALUS_UZSAKYMAS_5_18, 0, {"1200", "6", "100"}, "200.0000"},
        {&OPTIMALUS_UZSAKYMAS_5_18, 0, {"1000", "0", "50"}, "NaN"},
        {&OPTIMALUS_UZSAKYMAS_5_18, 0, {"0", "2", "50"}, "0.0000"},
        {&OPTIMALUS_UZSAKYMAS_5_18, 0, {kHuge, "2", "0"}, "NaN"},   // q undefined
        {&OPTIMALUS_UZSAKYMAS_5_18, 0, {kHuge, "2", "50"}, "NaN"},  // q infinite
        {&INVESTICIJOS_I_ATSARGAS_ESANT_OUD_5_19, 0, {"200", "6", "1200", "100"}, "1200.00"},
        {&INVESTICIJOS_I_ATSARGAS_ESANT_OUD_5_19, 0, {"0", "6", "1200", "100"}, "NaN"},
    };
    for (const PressCase& c : cases) ExpectPress(c);
}

TEST(EconomicsWorkedValues, BadFieldsShowTheirMessagesInReadingOrderThenNaN) {
    struct BadCase {
        const FormDescription* form;
        std::size_t section;
        std::vector<std::string> inputs;
        std::vector<std::string> messages;
    };
    const BadCase cases[] = {
        {&LUZIO_TASKAS_5_1,
         0,
         {"20", "2.5", "1000"},
         {"Production quantity in units must be possitive natural number !!!"}},
        // A bad field is reported even where a guard would also hold.
        {&LUZIO_TASKAS_5_1,
         0,
         {"", "0", "-1000"},
         {"Variable cost must be real possitive number !!!",
          "Fixed cost must be real possitive number !!!"}},
        {&LUZIO_TASKAS_5_1,
         1,
         {"", "", ""},
         {"Unit cost must be real possitive number !!!",
          "Unit variable cost must be real possitive number !!!",
          "Fixed cost must be real possitive number !!!"}},
        {&LUZIO_TASKAS_VIENETAIS_5_2,
         1,
         {"", "3000", "1000", "1.5"},
         {"Pardavimų pajamos must be real possitive number !!!",
          "Production in units must be possitive natural number !!!"}},
        {&RIBINIS_PELNAS_5_3,
         0,
         {"1000", "-5"},
         {"Variable cost must be real possitive number !!!"}},
        {&RIBINIS_PELNAS_5_3, 0, {"12,5", "5"}, {"Sales revenue must be real number !!!"}},
        {&MASTO_EKONOMIJA_5_4,
         0,
         {"1000", "", "1800", "1e2"},
         {"Total production ammount at point No.1 must be real possitive number !!!",
          "Total production ammount at point No.2 must be real possitive number !!!"}},
        {&OPTIMALUS_SKOLINTO_KAPITALO_DYDIS_5_5,
         0,
         {"-15", "12", "8", "500", "1000"},
         {"Taxes must be real possitive number !!!"}},
        {&KAPITALO_KAINA_5_20,
         0,
         {"5", "100", "7", "200", "", "0", "13", "400"},
         {"Capital source No.3 cost must be real possitive number !!!"}},
        {&KAPITALO_KAINA_5_20,
         1,
         {"", " 25"},
         {"Capital source cost must be real possitive number !!!",
          "Capital source share must be real possitive number !!!"}},
        {&KINTAMOS_ISLAIDOS_MIN_MAX_5_6,
         0,
         {"", "100", "x", "200"},
         {"Total cost must be real possitive number !!!",
          "Total cost must be real possitive number !!!"}},
        {&NORIMAS_GAUTI_PELNAS_5_9,
         0,
         {"1000", "20", "5000", "2.5"},
         {"Units produced must be possitive natural number !!!"}},
        {&NORIMAS_GAUTI_PELNAS_5_9,
         3,
         {"1000", "5000", ""},
         {"No. of units produced must be real possitive number !!!"}},
        {&NORIMAS_GAUTI_PELNAS_PO_MOK_5_11,
         0,
         {"800", "-5", "100", "20", "5000"},
         {"Taxes must be real possitive number !!!"}},
        {&NORIMAS_GAUTI_PELNAS_PO_MOK_5_11,
         1,
         {"x", "-5", "", "30", "5000"},
         {"Profit wanted must be real possitive number !!!",
          "Taxes must be real possitive number !!!",
          "Unit price must be real possitive number !!!"}},
        {&NORIMAS_GAUTI_PELNAS_PO_MOK_5_11,
         2,
         {"800", "20", "100.0", ""},
         {"No. of units must be possitive natural number !!!",
          "Total cost must be real possitive number !!!"}},
        {&PINIGU_APYVARTOS_CIKLO_TRUKME_5_12,
         0,
         {"365.5", "1000", "36500"},
         {"Accounting period length must be possitive natural number !!!"}},
        {&PPRODUKCIJOS_BUVIMO_SANDELIUOSE_L_DIEN_5_13,
         0,
         {std::string(100000, '9') + "x", "1"},
         {"Manufactured production stock must be real possitive number !!!"}},
        {&ATSARGU_APYVARTUMAS_KARTAIS_5_14,
         0,
         {"", ""},
         {"Inventories cost of sale must be real possitive number !!!",
          "Average inventory value must be real possitive number !!!"}},
        {&ATSARGU_APYVARTUMAS_DIENOMIS_5_15,
         0,
         {"120000", "30000", "30.5"},
         {"No. of days must be possitive natural number !!!"}},
        {&vTURTO_APYVARTUMAS_KARTAIS_5_16,
         0,
         {"-500000", "250000"},
         {"Total sales revenue must be real possitive number !!!"}},
        {&DEBITORINIO_ISISKOLINIMO_APYV_DIENOMIS_5_17,
         0,
         {"", "600000", "365 "},
         {"Accounts receivable must be real possitive number !!!",
          "No. of days must be possitive natural number !!!"}},
        {&OPTIMALUS_UZSAKYMAS_5_18,
         0,
         {"-50", "2", "50"},
         {"Inventory demand during the year must be real possitive number !!!"}},
        {&INVESTICIJOS_I_ATSARGAS_ESANT_OUD_5_19,
         0,
         {"200", "", "-50", "100"},
         {"Storing of one inventory unit must be real possitive number !!!",
          "Yearly inventory demand must be real possitive number !!!"}},
    };
    // ExpectPress puts a figure in the result first: a bad press replaces it.
    for (const BadCase& c : cases) ExpectPress({c.form, c.section, c.inputs, "NaN", c.messages});
}

}  // namespace
}  // namespace orvanta
