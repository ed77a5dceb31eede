#include "ratios/balance_sheet_ratios.h"

#include "support/press_case.h"

namespace orvanta {
namespace {

using testing::PressCase;

const std::string kCurrentLiabilities = "Current liabilities must be real possitive number !!!";

TEST(BalanceSheetRatios, WorkedValuesGuardsAndSigns) {
    const PressCase cases[] = {
        {&ROA_3_2, {"150", "1000"}, {"15.00"}},
        {&ROA_3_2, {"100", "-1000"}, {"-10.00"}},
        {&ROA_3_2, {"150", "0"}, {"NaN"}},
        {&BSR_3_3, {"600", "1000"}, {"60.00"}},
        {&BSR_3_3, {"600", "0"}, {"NaN"}},
        {&BSR_3_3,
         {"-600", "1000"},
         {"NaN"},
         {"Total liabilities must be real possitive number !!!"}},
        {&ABSOLIUTAUS_MOKUMO_KOEF_3_4, {"50", "200"}, {"0.250000"}},
        {&ABSOLIUTAUS_MOKUMO_KOEF_3_4, {"50", "0"}, {"NaN"}},
        {&ABSOLIUTAUS_MOKUMO_KOEF_3_4, {"50", ""}, {"NaN"}, {kCurrentLiabilities}},
        {&ABSOLIUTAUS_MOKUMO_KOEF_3_4,
         {"-50", "200"},
         {"NaN"},
         {"Cash must be real possitive number !!!"}},
        {&BTMK_3_5, {"300", "200"}, {"1.500000"}},
        {&BTMK_3_5, {"300", "0.0"}, {"NaN"}},
        {&BTMK_3_5, {"300", "-200"}, {"NaN"}, {kCurrentLiabilities}},
        {&ILGALAIKIU_SKOLU_KEOF_3_6, {"250", "1000"}, {"25.00"}},
        {&ILGALAIKIU_SKOLU_KEOF_3_6, {"250", "0"}, {"NaN"}},
        {&ILGALAIKIU_SKOLU_KEOF_3_6,
         {"250", "-1000"},
         {"NaN"},
         {"Total assets must be real possitive number !!!"}},
        {&APYVARTINIO_KAPITALO_KOEF_3_7, {"500", "300", "1000"}, {"0.200000"}},
        {&APYVARTINIO_KAPITALO_KOEF_3_7, {"300", "500", "1000"}, {"-0.200000"}},
        {&APYVARTINIO_KAPITALO_KOEF_3_7, {"500", "300", "0"}, {"NaN"}},
        {&APYVARTINIO_KAPITALO_KOEF_3_7,
         {"-500", "300", "1000"},
         {"NaN"},
         {"Current assets must be real possitive number !!!"}},
        {&APYVARTINIO_KAPITALO_APYV_3_8, {"500", "300", "1000"}, {"5.000000"}},
        {&APYVARTINIO_KAPITALO_APYV_3_8, {"300", "500", "1000"}, {"-5.000000"}},
        {&APYVARTINIO_KAPITALO_APYV_3_8, {"500", "500", "1000"}, {"NaN"}},
        {&APYVARTINIO_KAPITALO_APYV_3_8, {"0.5", "0.50", "1000"}, {"NaN"}},
        {&APYVARTINIO_KAPITALO_APYV_3_8,
         {"500", "300", "-1000"},
         {"NaN"},
         {"Sales must be real possitive number !!!"}},
    };
    for (const PressCase& c : cases) ExpectPress(c);
}

}  // namespace
}  // namespace orvanta
