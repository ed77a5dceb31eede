#include "economics/turnover.h"

namespace orvanta {

using enum ValidationKind;
using formula::Input;
using formula::IsZero;
using formula::Named;

namespace {

constexpr InputField kCashPeriodLength{
    "Accounting period length (365 days recommended)", NaturalNumber,
    "Accounting period length must be possitive natural number !!!"};
constexpr InputField kAverageCashBalanceDuringPeriod{
    "Average cash balance (during period)", PositiveDecimal,
    "Average cash balance must be real possitive number !!!"};
constexpr InputField kCashRevenue{"Cash revenue", PositiveDecimal,
                                  "Cash revenue must be real possitive number !!!"};
constexpr InputField kManufacturedProductionStock{
    "Manufactured production stock", PositiveDecimal,
    "Manufactured production stock must be real possitive number !!!"};
constexpr InputField kAverageValueOfDayProductionSales{
    "Average value of day production sales", PositiveDecimal,
    "Average value of day production sales must be real possitive number !!!"};
constexpr InputField kCostOfGoodsSold{"Cost of goods sold", PositiveDecimal,
                                      "Inventories cost of sale must be real possitive number !!!"};
constexpr InputField kAverageInventoryValue{
    "Average inventory value", PositiveDecimal,
    "Average inventory value must be real possitive number !!!"};
constexpr InputField kCostOfSales{"Cost of goods sold", PositiveDecimal,
                                  "Cost of sales must be real possitive number !!!"};
constexpr InputField kInventoryPeriodLength{"Accounting period length (365 days recomended)",
                                            NaturalNumber,
                                            "No. of days must be possitive natural number !!!"};
constexpr InputField kTotalSalesRevenue{"Total sales revenue", PositiveDecimal,
                                        "Total sales revenue must be real possitive number !!!"};
constexpr InputField kAverageAssetValue{"Average asset value", PositiveDecimal,
                                        "Average asset value must be real possitive number !!!"};
constexpr InputField kAccountsReceivable{"Accounts receivable (average value)", PositiveDecimal,
                                         "Accounts receivable must be real possitive number !!!"};
constexpr InputField kSales{"Sales", PositiveDecimal, "Sales must be real possitive number !!!"};
constexpr InputField kNoOfDays365Recomended{"No. of days (365 recomended)", NaturalNumber,
                                            "No. of days must be possitive natural number !!!"};

}  // namespace

const FormDescription PINIGU_APYVARTOS_CIKLO_TRUKME_5_12{
    .className = "PINIGU_APYVARTOS_CIKLO_TRUKME_5_12",
    .title = "12. Cash turnover cycle length",
    .sections = {{
        .inputs = {kCashPeriodLength, kAverageCashBalanceDuringPeriod, kCashRevenue},
        .resultCaption = "Cash turnover cycle length",
        .resultLabels = {"Cash turnover cycle length"},
        .format = ResultFormat::SixDecimals,
        .compute = formula::Quotient(
            Input(kAverageCashBalanceDuringPeriod) * Input(kCashPeriodLength), Input(kCashRevenue)),
    }},
};

const FormDescription PPRODUKCIJOS_BUVIMO_SANDELIUOSE_L_DIEN_5_13{
    .className = "PPRODUKCIJOS_BUVIMO_SANDELIUOSE_L_DIEN_5_13",
    .title = "13. Storing of production length period (days)",
    .sections = {{
        .inputs = {kManufacturedProductionStock, kAverageValueOfDayProductionSales},
        .resultCaption = "Storing of production length period (days)",
        .resultLabels = {"Storing of production length period (days)"},
        .format = ResultFormat::TwoDecimals,
        .compute = formula::Quotient(Input(kManufacturedProductionStock),
                                     Input(kAverageValueOfDayProductionSales)),
    }},
};

const FormDescription ATSARGU_APYVARTUMAS_KARTAIS_5_14{
    .className = "ATSARGU_APYVARTUMAS_KARTAIS_5_14",
    .title = "14. Inventory turnover (times)",
    .sections = {{
        .inputs = {kCostOfGoodsSold, kAverageInventoryValue},
        .resultCaption = "Inventory turnover (times)",
        .resultLabels = {"Inventory turnover (times)"},
        .format = ResultFormat::TwoDecimals,
        .compute = formula::Quotient(Input(kCostOfGoodsSold), Input(kAverageInventoryValue)),
    }},
};

const FormDescription ATSARGU_APYVARTUMAS_DIENOMIS_5_15{
    .className = "ATSARGU_APYVARTUMAS_DIENOMIS_5_15",
    .title = "15. Inventory turnover (days)",
    .sections = {{
        .inputs = {kCostOfSales, kAverageInventoryValue, kInventoryPeriodLength},
        .resultCaption = "Inventory turnover (days)",
        .resultLabels = {"Inventory turnover (days)"},
        .format = ResultFormat::TwoDecimals,
        // The cost of goods sold is the divisor here, not the inventory.
        .compute =
            formula::Calculation{
                .results = {Input(kAverageInventoryValue) / Input(kCostOfSales) *
                            Input(kInventoryPeriodLength)},
                .guards = {IsZero(Input(kCostOfSales))},
            },
    }},
};

const FormDescription vTURTO_APYVARTUMAS_KARTAIS_5_16{
    .className = "vTURTO_APYVARTUMAS_KARTAIS_5_16",
    .title = "16. Asset turnover (times)",
    .sections = {{
        .inputs = {kTotalSalesRevenue, kAverageAssetValue},
        .resultCaption = "Asset turnover (times)",
        .resultLabels = {"Asset turnover (times)"},
        .format = ResultFormat::TwoDecimals,
        .compute = formula::Quotient(Input(kTotalSalesRevenue), Input(kAverageAssetValue)),
    }},
};

const FormDescription DEBITORINIO_ISISKOLINIMO_APYV_DIENOMIS_5_17{
    .className = "DEBITORINIO_ISISKOLINIMO_APYV_DIENOMIS_5_17",
    .title = "17. Accounts receivable turnover (in days)",
    .heading = "17.  Accounts receivable turnover (in days)",
    .sections = {{
        .inputs = {kAccountsReceivable, kSales, kNoOfDays365Recomended},
        .resultCaption = "Accounts receivable turnover (in days)",
        .resultLabels = {"Accounts receivable turnover (in days)"},
        .format = ResultFormat::TwoDecimals,
        .compute =
            formula::Calculation{
                .results = {Input(kAccountsReceivable) / Input(kSales) *
                            Input(kNoOfDays365Recomended)},
                .guards = {IsZero(Input(kSales))},
            },
    }},
};

}  // namespace orvanta
