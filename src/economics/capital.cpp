#include "economics/capital.h"

namespace orvanta {

using enum ValidationKind;

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
        .compute = [](std::span<const double> x) -> Results {
            // Only equal amounts are refused. An amount of 0 at point No.1 or
            // expenses of 0 at point No.2 leave no finite figure ("NaN"); an
            // amount of 0 at point No.2 makes its unit cost infinite: -100.
            if (x[1] - x[3] == 0) return NoValue;
            return {{((x[0] / x[1]) / (x[2] / x[3]) - 1) * 100}};
        },
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
        .compute = [](std::span<const double> x) -> Results {
            if (x[4] == 0) return NoValue;
            return {{(1 - x[0] / 100) * (x[1] - x[2]) * (x[3] / x[4])}};
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
                .compute = [](std::span<const double> x) -> Results {
                    // Each source is weighted by its share of the total; a source
                    // with a sum of 0 adds nothing, whatever its cost.
                    const double total = x[1] + x[3] + x[5] + x[7];
                    if (total == 0) return NoValue;
                    return {{(x[1] / total) * x[0] + (x[3] / total) * x[2] + (x[5] / total) * x[4] +
                             (x[7] / total) * x[6]}};
                },
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
                .compute = [](std::span<const double> x) -> Results {
                    return {{x[1] / 100 * x[0]}};
                },
                .column = 1,
                .groupStyle = ResultGroupStyle::InputsInside,
            },
        },
};

}  // namespace orvanta
