#include "economics/capital.h"

namespace orvanta {

using enum ValidationKind;
using formula::Input;
using formula::IsZero;
using formula::Named;

namespace {

constexpr std::string_view kSourceCosts[] = {
    "Capital source No.1 cost (year interest) %", "Capital source No.2 cost (year interest) %",
    "Capital source No.3 cost (year interest) %", "Capital source No.4 cost (year interest) %"};
constexpr std::string_view kSourceSums[] = {"Capital source No.1 sum", "Capital source No.2 sum",
                                            "Capital source No.3 sum", "Capital source No.4 sum"};

}  // namespace

const FormDescription MASTO_EKONOMIJA_5_4{
    .className = "MASTO_EKONOMIJA_5_4",
    .title = "4. Economies of scale",
    .sections = {{
        .inputs = {{"Total production expences No.1 point", PositiveDecimal,
                    "Total production expences at point No.1 must be real possitive number !!!"},
                   {"Total production ammount No.1 point", PositiveDecimal,
                    "Total production ammount at point No.1 must be real possitive number !!!"},
                   {"Total production expences No.2 point", PositiveDecimal,
                    "Total production expences at point No.2 must be real possitive number !!!"},
                   {"Total production ammount No.2 point", PositiveDecimal,
                    "Total production ammount at point No.2 must be real possitive number !!!"}},
        .resultCaption = "Economies of scale %",
        .resultLabels = {"Economies of scale %"},
        .format = ResultFormat::FourDecimals,
        // Only equal amounts are refused. An amount of 0 at point No.1 or
        // expenses of 0 at point No.2 leave no finite figure ("NaN"); an
        // amount of 0 at point No.2 makes its unit cost infinite: -100.
        .compute =
            [] {
                const formula::Expr expenses1 = Input("Total production expences No.1 point");
                const formula::Expr amount1 = Input("Total production ammount No.1 point");
                const formula::Expr expenses2 = Input("Total production expences No.2 point");
                const formula::Expr amount2 = Input("Total production ammount No.2 point");
                return formula::Calculation{
                    .results = {(formula::Grouped(expenses1 / amount1) / (expenses2 / amount2) -
                                 1) *
                                100},
                    .guards = {IsZero(amount1 - amount2)},
                    .unguarded = {IsZero(amount1), IsZero(expenses2)},
                };
            }(),
    }},
};

const FormDescription OPTIMALUS_SKOLINTO_KAPITALO_DYDIS_5_5{
    .className = "OPTIMALUS_SKOLINTO_KAPITALO_DYDIS_5_5",
    .title = "5. Optimal capital structure",
    .sections = {{
        .inputs = {{"Taxes %", PositiveDecimal, "Taxes must be real possitive number !!!"},
                   {"Total capital profitability %", PositiveDecimal,
                    "Capital profitability must be real possitive number !!!"},
                   {"Average interest rate %", PositiveDecimal,
                    "Average interest rate must be real possitive number !!!"},
                   {"Borowed capital", PositiveDecimal,
                    "Borowed capital must be real possitive number !!!"},
                   {"Owned capital", PositiveDecimal,
                    "Capital owned must be real possitive number !!!"}},
        .resultCaption = "Leverage effect",
        .resultLabels = {"Leverage effect"},
        .format = ResultFormat::FourDecimals,
        .compute =
            formula::Calculation{
                .results = {(1 - Input("Taxes %") / 100) *
                            (Input("Total capital profitability %") -
                             Input("Average interest rate %")) *
                            (Input("Borowed capital") / Input("Owned capital"))},
                .guards = {IsZero(Input("Owned capital"))},
            },
    }},
};

const FormDescription KAPITALO_KAINA_5_20{
    .className = "KAPITALO_KAINA_5_20",
    .title = "20. Cost of capital",
    .sections =
        {
            {
                .inputs = {{"Capital source No.1 cost (year interest) %", PositiveDecimal,
                            "Capital source No.1 cost must be real possitive number !!!"},
                           {"Capital source No.1 sum", PositiveDecimal,
                            "Capital source No.1 sum must be real possitive number !!!"},
                           {"Capital source No.2 cost (year interest) %", PositiveDecimal,
                            "Capital source No.2 cost must be real possitive number !!!"},
                           {"Capital source No.2 sum", PositiveDecimal,
                            "Capital source No.2 sum must be real possitive number !!!"},
                           {"Capital source No.3 cost (year interest) %", PositiveDecimal,
                            "Capital source No.3 cost must be real possitive number !!!"},
                           {"Capital source No.3 sum", PositiveDecimal,
                            "Capital source No.3 sum must be real possitive number !!!"},
                           {"Capital source No.4 cost (year interest) %", PositiveDecimal,
                            "Capital source No.4 cost must be real possitive number !!!"},
                           {"Capital source No.4 sum", PositiveDecimal,
                            "Capital source No.4 sum must be real possitive number !!!"}},
                .resultCaption = "Average weighted capital cost %",
                .resultLabels = {"Average weighted capital cost %"},
                .format = ResultFormat::TwoDecimals,
                // Each source is weighted by its share of the total; a source
                // with a sum of 0 adds nothing, whatever its cost.
                .compute =
                    [] {
                        const auto cost = [](int n) {
                            return Input(kSourceCosts[static_cast<std::size_t>(n - 1)]);
                        };
                        const auto sum = [](int n) {
                            return Input(kSourceSums[static_cast<std::size_t>(n - 1)]);
                        };
                        const formula::Expr total = Named("T", sum(1) + sum(2) + sum(3) + sum(4));
                        const auto weighted = [&](int n) {
                            return formula::Grouped(sum(n) / total) * cost(n);
                        };
                        return formula::Calculation{
                            .results = {weighted(1) + weighted(2) + weighted(3) + weighted(4)},
                            .guards = {IsZero(total)},
                        };
                    }(),
                .column = 0,
                .groupStyle = ResultGroupStyle::InputsInside,
            },
            {
                .inputs = {{"Capital source cost (year interest) %", PositiveDecimal,
                            "Capital source cost must be real possitive number !!!"},
                           {"Share of the source in all capital %", PositiveDecimal,
                            "Capital source share must be real possitive number !!!"}},
                .resultCaption = "Average weighted capital cost %",
                .resultLabels = {"Average weighted capital cost %"},
                .format = ResultFormat::TwoDecimals,
                .compute =
                    formula::Calculation{
                        .results = {Input("Share of the source in all capital %") / 100 *
                                    Input("Capital source cost (year interest) %")}},
                .column = 1,
                .groupStyle = ResultGroupStyle::InputsInside,
            },
        },
};

}  // namespace orvanta
