#include "ratios/profitability_ratios.h"

namespace orvanta {
namespace {

using enum ValidationKind;

// Every form of this page is one percentage of a numerator over a denominator;
// they differ in their texts and in which figure may be negative.
FormDescription PercentageForm(std::string_view className, std::string_view title,
                               std::string_view caption, InputField numerator,
                               InputField denominator) {
    return {
        .className = className,
        .title = title,
        .sections = {{
            .inputs = {numerator, denominator},
            .resultCaption = caption,
            .resultLabels = {caption},
            .format = ResultFormat::TwoDecimals,
            .compute = formula::Percentage(formula::Input(numerator), formula::Input(denominator)),
        }},
    };
}

constexpr InputField kNetProfit{"Net profit", SignedDecimal, "Net profit must be real number !!!"};
constexpr InputField kSales{"Sales", PositiveDecimal, "Sales must be real possitive number !!!"};
constexpr InputField kCashFlow{"Cash flow from operations", SignedDecimal,
                               "Cash flow must be real number !!!"};
constexpr InputField kTotalLiabilities{"Total liabilities", PositiveDecimal,
                                       "Total liabilities must be real possitive number !!!"};

}  // namespace

const FormDescription GRYN_PARD_PELNINGUMAS_4_1 =
    PercentageForm("GRYN_PARD_PELNINGUMAS_4_1", "1. Net profit to sales ratio",
                   "Net profit to sales ratio %", kNetProfit, kSales);

const FormDescription GRYNOJO_VEIKL_RENTAB_ROD_4_2 = PercentageForm(
    "GRYNOJO_VEIKL_RENTAB_ROD_4_2", "2. Profit percentage", "Profit percentage %", kNetProfit,
    {"Total expenses", PositiveDecimal, "Total cost must be real possitive number !!!"});

const FormDescription NUOSAVO_KAPITALO_PELNINGUMAS_4_3 = PercentageForm(
    "NUOSAVO_KAPITALO_PELNINGUMAS_4_3", "3. Return on equity (ROE)", "Return on equity (ROE) %",
    kNetProfit, {"Equity", SignedDecimal, "Equity must be real number !!!"});

const FormDescription GRYNOJO_PINIGU_SRAUTO_GRI_IS_PARD_4_4 =
    PercentageForm("GRYNOJO_PINIGU_SRAUTO_GRI_IS_PARD_4_4", "4. Operating cash flow to sales ratio",
                   "Operating cash flow to sales ratio %", kCashFlow, kSales);

const FormDescription GRYN_PIN_SR_GRAZA_IS_TT_4_5 = PercentageForm(
    "GRYN_PIN_SR_GRAZA_IS_TT_4_5", "5. Operating cash flow to current assets ratio %",
    "Operating cash flow to current assets ratio %", kCashFlow,
    {"Current assets", PositiveDecimal, "Current assets must be real possitive number !!!"});

const FormDescription GRYN_PINIGU_SR_IR_PELNAS_4_6 =
    PercentageForm("GRYN_PINIGU_SR_IR_PELNAS_4_6", "6. Cash flow to net profit ratio",
                   "Cash flow to net profit ratio %", kCashFlow, kNetProfit);

// Entries 7 and 8 give the same figure; only 8 refuses a negative cash flow.
const FormDescription PINIGU_SR_IR_ISLAIDU_ATITIKIMAS_4_7 =
    PercentageForm("PINIGU_SR_IR_ISLAIDU_ATITIKIMAS_4_7", "7. Cash flow to total debt ratio",
                   "Cash flow to total debt ratio %", kCashFlow, kTotalLiabilities);

const FormDescription VISU_ISIP_APM_PINIG_KOEF_4_8 =
    PercentageForm("VISU_ISIP_APM_PINIG_KOEF_4_8", "8. Cash coverage of all liabilities",
                   "Cash coverage of all liabilities ratio %",
                   {"Cash flow from operations", PositiveDecimal,
                    "Cash flow from operations must be real possitive number !!!"},
                   kTotalLiabilities);

}  // namespace orvanta
