#include "economics/capital.h"

namespace orvanta {

using enum ValidationKind;
using formula::Input;
using formula::IsZero;
using formula::Named;

namespace {

// The four capital sources, each a cost and a sum, in reading order.
struct CapitalSource {
    InputField cost;
    InputField sum;
};

constexpr CapitalSource kSources[] = {
    {{"Capital source No.1 cost (year interest) %", PositiveDecimal,
      "Capital source No.1 cost must be real possitive number !!!"},
     {"Capital source No.1 sum", PositiveDecimal,
      "Capital source No.1 sum must be real possitive number !!!"}},
    {{"Capital source No.2 cost (year interest) %", PositiveDecimal,
      "Capital source No.2 cost must be real possitive number !!!"},
     {"Capital source No.2 sum", PositiveDecimal,
      "Capital source No.2 sum must be real possitive number !!!"}},
    {{"Capital source No.3 cost (year interest) %", PositiveDecimal,
      "Capital source No.3 cost must be real possitive number !!!"},
     {"Capital source No.3 sum", PositiveDecimal,
      "Capital source No.3 sum must be real possitive number !!!"}},
    {{"Capital source No.4 cost (year interest) %", PositiveDecimal,
      "Capital source No.4 cost must be real possitive number !!!"},
     {"Capital source No.4 sum", PositiveDecimal,
      "Capital source No.4 sum must be real possitive number !!!"}},
};

std::vector<InputField> SourceFields() {
    std::vector<InputField> fields;
    for (const CapitalSource& source : kSources) {
        fields.push_back(source.cost);
        fields.push_back(source.sum);
    }
    return fields;
}

constexpr InputField kExpenses1{
    "Total production expences No.1 point", PositiveDecimal,
    "Total production expences at point No.1 must be real possitive number !!!"};
constexpr InputField kAmount1{
    "Total production ammount No.1 point", PositiveDecimal,
    "Total production ammount at point No.1 must be real possitive number !!!"};
constexpr InputField kExpenses2{
    "Total production expences No.2 point", PositiveDecimal,
    "Total production expences at point No.2 must be real possitive number !!!"};
constexpr InputField kAmount2{
    "Total production ammount No.2 point", PositiveDecimal,
    "Total production ammount at point No.2 must be real possitive number !!!"};

constexpr InputField kTaxes{"Taxes %", PositiveDecimal, "Taxes must be real possitive number !!!"};
constexpr InputField kCapitalProfitability{
    "Total capital profitability %", PositiveDecimal,
    "Capital profitability must be real possitive number !!!"};
constexpr InputField kInterestRate{"Average interest rate %", PositiveDecimal,
                                   "Average interest rate must be real possitive number !!!"};
constexpr InputField kBorrowedCapital{"Borowed capital", PositiveDecimal,
                                      "Borowed capital must be real possitive number !!!"};
constexpr InputField kOwnedCapital{"Owned capital", PositiveDecimal,
                                   "Capital owned must be real possitive number !!!"};

constexpr InputField kSourceCost{"Capital source cost (year interest) %", PositiveDecimal,
                                 "Capital source cost must be real possitive number !!!"};
constexpr InputField kSourceShare{"Share of the source in all capital %", PositiveDecimal,
                                  "Capital source share must be real possitive number !!!"};

}  // namespace

const FormDescription MASTO_EKONOMIJA_5_4{
    .className = "MASTO_EKONOMIJA_5_4",
    .title = "4. Economies of scale",
    .sections = {{
        .inputs = {kExpenses1, kAmount1, kExpenses2, kAmount2},
        .resultCaption = "Economies of scale %",
        .resultLabels = {"Economies of scale %"},
        .format = ResultFormat::FourDecimals,
        // Only equal amounts are refused. An amount of 0 at point No.1 or
        // expenses of 0 at point No.2 leave no finite figure ("NaN"); an
        // amount of 0 at point No.2 makes its unit cost infinite: -100.
        .compute =
            [] {
                const formula::Expr expenses1 = Input(kExpenses1);
                const formula::Expr amount1 = Input(kAmount1);
                const formula::Expr expenses2 = Input(kExpenses2);
                const formula::Expr amount2 = Input(kAmount2);
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
        .inputs = {kTaxes, kCapitalProfitability, kInterestRate, kBorrowedCapital, kOwnedCapital},
        .resultCaption = "Leverage effect",
        .resultLabels = {"Leverage effect"},
        .format = ResultFormat::FourDecimals,
        .compute =
            formula::Calculation{
                .results = {(1 - Input(kTaxes) / 100) *
                            (Input(kCapitalProfitability) - Input(kInterestRate)) *
                            (Input(kBorrowedCapital) / Input(kOwnedCapital))},
                .guards = {IsZero(Input(kOwnedCapital))},
            },
    }},
};

const FormDescription KAPITALO_KAINA_5_20{
    .className = "KAPITALO_KAINA_5_20",
    .title = "20. Cost of capital",
    .sections =
        {
            {
                .inputs = SourceFields(),
                .resultCaption = "Average weighted capital cost %",
                .resultLabels = {"Average weighted capital cost %"},
                .format = ResultFormat::TwoDecimals,
                // Each source is weighted by its share of the total; a source
                // with a sum of 0 adds nothing, whatever its cost.
                .compute =
                    [] {
                        const auto cost = [](int n) {
                            return Input(kSources[static_cast<std::size_t>(n - 1)].cost);
                        };
                        const auto sum = [](int n) {
                            return Input(kSources[static_cast<std::size_t>(n - 1)].sum);
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
                .inputs = {kSourceCost, kSourceShare},
                .resultCaption = "Average weighted capital cost %",
                .resultLabels = {"Average weighted capital cost %"},
                .format = ResultFormat::TwoDecimals,
                .compute = formula::Calculation{.results = {Input(kSourceShare) / 100 *
                                                            Input(kSourceCost)}},
                .column = 1,
                .groupStyle = ResultGroupStyle::InputsInside,
            },
        },
};

}  // namespace orvanta
