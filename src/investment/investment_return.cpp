#include "investment/investment_return.h"

namespace orvanta {

using enum ValidationKind;
using formula::Input;

const FormDescription ROI_6_1{
    .className = "ROI_6_1",
    .title = "1. ROI (Return on Investment)",
    .sections = {{
        .inputs = {{"Profit from investment", SignedDecimal,
                    "Profit from investment must be real number !!!"},
                   {"Total sum invested", PositiveDecimal,
                    "Total sum invested must be real possitive number !!!"}},
        .resultCaption = "ROI (Return on Investment) %",
        .resultLabels = {"ROI (Return on Investment) %"},
        .format = ResultFormat::FourDecimals,
        .compute =
            formula::Percentage(Input("Profit from investment"), Input("Total sum invested")),
    }},
};

const FormDescription EVA_6_2{
    .className = "EVA_6_2",
    .title = "2. EVA (Economic Value Added) ratio",
    .sections = {{
        .inputs = {{"Net profit", PositiveDecimal, "Net profit must be real possitive number !!!"},
                   {"Capital invested", PositiveDecimal,
                    "Invested capital must be real possitive number !!!"},
                   {"Cost of capital %", PositiveDecimal,
                    "Cost of capital must be real possitive number !!!"}},
        .resultCaption = "EVA (Economic Value Added) ratio",
        .resultLabels = {"EVA (Economic Value Added) ratio"},
        .format = ResultFormat::SixDecimals,
        // Negative when capital costs more than it earns.
        .compute =
            formula::Calculation{.results = {Input("Net profit") -
                                             formula::Grouped(Input("Cost of capital %") / 100 *
                                                              Input("Capital invested"))}},
    }},
};

const FormDescription ROCE_6_3{
    .className = "ROCE_6_3",
    .title = "3. ROCE (Return on Capital Emplyed)",
    .sections = {{
        .inputs = {{"EBIT (earnings before interest and taxes)", PositiveDecimal,
                    "EBIT must be real possitive number !!!"},
                   {"Capital employed", PositiveDecimal,
                    "Capital employed must be real possitive number !!!"}},
        .resultCaption = "ROCE (Return on Capital Emplyed) %",
        .resultLabels = {"ROCE (Return on Capital Emplyed) %"},
        .format = ResultFormat::TwoDecimals,
        .compute = formula::Percentage(Input("EBIT (earnings before interest and taxes)"),
                                       Input("Capital employed")),
    }},
};

const FormDescription ARR_6_4{
    .className = "ARR_6_4",
    .title = "4. ARR (Accounting Rate of Return)",
    .sections = {{
        .inputs = {{"Income from investments (during all periods)", PositiveDecimal,
                    "Income from investment must be real possitive number !!!"},
                   {"Sum invested (during all periods)", PositiveDecimal,
                    "Invested sum must be real possitive number !!!"},
                   {"Investment liquidation cost", PositiveDecimal,
                    "Investment liquidation cost must be real possitive number !!!"},
                   {"No. of periods invested", NaturalNumber,
                    "Investment periods mus be natural possitive number !!!"}},
        .resultCaption = "ARR (Accounting Rate of Return) %",
        .resultLabels = {"ARR (Accounting Rate of Return) %"},
        .format = ResultFormat::SixDecimals,
        // An average investment of 0 divides by zero; the result is then no
        // figure and shows as "NaN" like any other.
        .compute =
            [] {
                const formula::Expr invested = Input("Sum invested (during all periods)");
                const formula::Expr periods = Input("No. of periods invested");
                const formula::Expr averageInvestment =
                    invested * 0.5 + Input("Investment liquidation cost") * 0.5;
                return formula::Calculation{
                    .results = {formula::Grouped(
                                    (Input("Income from investments (during all periods)") -
                                     invested) /
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
        .inputs = {{"Value to be discounted", PositiveDecimal,
                    "Discount value must be real possitive number !!!"},
                   {"Discount rate (period) %", PositiveDecimal,
                    "Discount rate must be real possitive number !!!"},
                   {"No. of periods", NaturalNumber,
                    "No. of periods must be possitive natural number !!!"}},
        .resultCaption = "Discounted value",
        .resultLabels = {"Discounted value"},
        .format = ResultFormat::TwoDecimals,
        // The factor is at least 1: no guard needed.
        .compute =
            formula::Calculation{
                .results = {1 /
                            formula::Named("f",
                                           formula::Pow(Input("Discount rate (period) %") / 100 + 1,
                                                        Input("No. of periods"))) *
                            Input("Value to be discounted")}},
    }},
};

const FormDescription COMPOUNDING_6_6{
    .className = "COMPOUNDING_6_6",
    .title = "6. Compounding",
    .sections = {{
        .inputs = {{"Current value", PositiveDecimal,
                    "Present value must be real possitive number !!!"},
                   {"Interest rate (period) %", PositiveDecimal,
                    "Discount rate must be real possitive number !!!"},
                   {"No. of periods", NaturalNumber,
                    "No. of periods must be possitive natural number !!!"}},
        .resultCaption = "Compounding",
        .resultLabels = {"Compounding"},
        .format = ResultFormat::TwoDecimals,
        .compute = formula::Calculation{.results = {formula::Pow(
                                                        Input("Interest rate (period) %") / 100 + 1,
                                                        Input("No. of periods")) *
                                                    Input("Current value")}},
    }},
};

}  // namespace orvanta
