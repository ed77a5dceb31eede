#include "investment/investment_return.h"

namespace orvanta {

using enum ValidationKind;
using formula::Input;

namespace {

constexpr InputField kProfitFromInvestment{"Profit from investment", SignedDecimal,
                                           "Profit from investment must be real number !!!"};
constexpr InputField kTotalSumInvested{"Total sum invested", PositiveDecimal,
                                       "Total sum invested must be real possitive number !!!"};
constexpr InputField kNetProfit{"Net profit", PositiveDecimal,
                                "Net profit must be real possitive number !!!"};
constexpr InputField kCapitalInvested{"Capital invested", PositiveDecimal,
                                      "Invested capital must be real possitive number !!!"};
constexpr InputField kCostOfCapital{"Cost of capital %", PositiveDecimal,
                                    "Cost of capital must be real possitive number !!!"};
constexpr InputField kEbit{"EBIT (earnings before interest and taxes)", PositiveDecimal,
                           "EBIT must be real possitive number !!!"};
constexpr InputField kCapitalEmployed{"Capital employed", PositiveDecimal,
                                      "Capital employed must be real possitive number !!!"};
constexpr InputField kIncomeFromInvestments{
    "Income from investments (during all periods)", PositiveDecimal,
    "Income from investment must be real possitive number !!!"};
constexpr InputField kSumInvested{"Sum invested (during all periods)", PositiveDecimal,
                                  "Invested sum must be real possitive number !!!"};
constexpr InputField kInvestmentLiquidationCost{
    "Investment liquidation cost", PositiveDecimal,
    "Investment liquidation cost must be real possitive number !!!"};
constexpr InputField kNoOfPeriodsInvested{"No. of periods invested", NaturalNumber,
                                          "Investment periods mus be natural possitive number !!!"};
constexpr InputField kValueToBeDiscounted{"Value to be discounted", PositiveDecimal,
                                          "Discount value must be real possitive number !!!"};
constexpr InputField kDiscountRatePeriod{"Discount rate (period) %", PositiveDecimal,
                                         "Discount rate must be real possitive number !!!"};
constexpr InputField kNoOfPeriods{"No. of periods", NaturalNumber,
                                  "No. of periods must be possitive natural number !!!"};
constexpr InputField kCurrentValue{"Current value", PositiveDecimal,
                                   "Present value must be real possitive number !!!"};
constexpr InputField kInterestRatePeriod{"Interest rate (period) %", PositiveDecimal,
                                         "Discount rate must be real possitive number !!!"};

}  // namespace

const FormDescription ROI_6_1{
    .className = "ROI_6_1",
    .title = "1. ROI (Return on Investment)",
    .sections = {{
        .inputs = {kProfitFromInvestment, kTotalSumInvested},
        .resultCaption = "ROI (Return on Investment) %",
        .resultLabels = {"ROI (Return on Investment) %"},
        .format = ResultFormat::FourDecimals,
        .compute = formula::Percentage(Input(kProfitFromInvestment), Input(kTotalSumInvested)),
    }},
};

const FormDescription EVA_6_2{
    .className = "EVA_6_2",
    .title = "2. EVA (Economic Value Added) ratio",
    .sections = {{
        .inputs = {kNetProfit, kCapitalInvested, kCostOfCapital},
        .resultCaption = "EVA (Economic Value Added) ratio",
        .resultLabels = {"EVA (Economic Value Added) ratio"},
        .format = ResultFormat::SixDecimals,
        // Negative when capital costs more than it earns.
        .compute = formula::Calculation{.results = {Input(kNetProfit) -
                                                    formula::Grouped(Input(kCostOfCapital) / 100 *
                                                                     Input(kCapitalInvested))}},
    }},
};

const FormDescription ROCE_6_3{
    .className = "ROCE_6_3",
    .title = "3. ROCE (Return on Capital Emplyed)",
    .sections = {{
        .inputs = {kEbit, kCapitalEmployed},
        .resultCaption = "ROCE (Return on Capital Emplyed) %",
        .resultLabels = {"ROCE (Return on Capital Emplyed) %"},
        .format = ResultFormat::TwoDecimals,
        .compute = formula::Percentage(Input(kEbit), Input(kCapitalEmployed)),
    }},
};

const FormDescription ARR_6_4{
    .className = "ARR_6_4",
    .title = "4. ARR (Accounting Rate of Return)",
    .sections = {{
        .inputs = {kIncomeFromInvestments, kSumInvested, kInvestmentLiquidationCost,
                   kNoOfPeriodsInvested},
        .resultCaption = "ARR (Accounting Rate of Return) %",
        .resultLabels = {"ARR (Accounting Rate of Return) %"},
        .format = ResultFormat::SixDecimals,
        // An average investment of 0 divides by zero; the result is then no
        // figure and shows as "NaN" like any other.
        .compute =
            [] {
                const formula::Expr invested = Input(kSumInvested);
                const formula::Expr periods = Input(kNoOfPeriodsInvested);
                const formula::Expr averageInvestment =
                    invested * 0.5 + Input(kInvestmentLiquidationCost) * 0.5;
                return formula::Calculation{
                    .results = {formula::Grouped((Input(kIncomeFromInvestments) - invested) /
                                                 periods) /
                                averageInvestment * 100},
                    .guards = {formula::IsZero(periods)},
                    .unguarded = {formula::IsZero(averageInvestment)},
                };
            }(),
    }},
};

const FormDescription DISCOUNTING_6_5{
    .className = "DISCOUNTING_6_5",
    .title = "5. Discounting",
    .sections = {{
        .inputs = {kValueToBeDiscounted, kDiscountRatePeriod, kNoOfPeriods},
        .resultCaption = "Discounted value",
        .resultLabels = {"Discounted value"},
        .format = ResultFormat::TwoDecimals,
        // The factor is at least 1: no guard needed.
        .compute =
            formula::Calculation{
                .results = {1 /
                            formula::Named("f", formula::Pow(Input(kDiscountRatePeriod) / 100 + 1,
                                                             Input(kNoOfPeriods))) *
                            Input(kValueToBeDiscounted)}},
    }},
};

const FormDescription COMPOUNDING_6_6{
    .className = "COMPOUNDING_6_6",
    .title = "6. Compounding",
    .sections = {{
        .inputs = {kCurrentValue, kInterestRatePeriod, kNoOfPeriods},
        .resultCaption = "Compounding",
        .resultLabels = {"Compounding"},
        .format = ResultFormat::TwoDecimals,
        .compute =
            formula::Calculation{.results = {formula::Pow(Input(kInterestRatePeriod) / 100 + 1,
                                                          Input(kNoOfPeriods)) *
                                             Input(kCurrentValue)}},
    }},
};

}  // namespace orvanta
