#include "economics/break_even.h"

namespace orvanta {

using enum ValidationKind;

const FormDescription LUZIO_TASKAS_5_1{
    .className = "LUZIO_TASKAS_5_1",
    .title = "1. Break-even point (BEP)",
    .sections =
        {
            {
                .inputs = {{"Variable cost of the unit", PositiveDecimal,
                            "Variable cost must be real possitive number !!!"},
                           {"Production quantity in units", NaturalNumber,
                            "Production quantity in units must be possitive natural number !!!"},
                           {"Fixed cost", PositiveDecimal,
                            "Fixed cost must be real possitive number !!!"}},
                .resultCaption = "Cost of unit required to reach BEP",
                .resultLabels = {"Cost of unit required to reach BEP"},
                .format = ResultFormat::TwoDecimals,
                .compute = [](std::span<const double> x) -> Results {
                    if (x[1] == 0) return NoValue;
                    return {{x[2] / x[1] + x[0]}};
                },
            },
            {
                .inputs = {{"Price of unit", PositiveDecimal,
                            "Unit cost must be real possitive number !!!"},
                           {"Variable cost of the unit", PositiveDecimal,
                            "Unit variable cost must be real possitive number !!!"},
                           {"Fixed cost", PositiveDecimal,
                            "Fixed cost must be real possitive number !!!"}},
                .resultCaption = "Sales ammount (units) required to reach BEP",
                .resultLabels = {"Sales ammount (units) required to reach BEP"},
                .format = ResultFormat::TwoDecimals,
                .compute = [](std::span<const double> x) -> Results {
                    // A price below the variable cost gives a negative amount; only
                    // a zero margin has no answer.
                    const double margin = x[0] - x[1];
                    if (margin == 0) return NoValue;
                    return {{x[2] / margin * x[0]}};
                },
            },
        },
};

const FormDescription LUZIO_TASKAS_VIENETAIS_5_2{
    .className = "LUZIO_TASKAS_VIENETAIS_5_2",
    .title = "2. Break-even point (BEP) in units",
    .sections =
        {
            {
                .inputs = {{"Variable cost of units", PositiveDecimal,
                            "Variable cost must be real possitive number !!!"},
                           {"Fixed cost", PositiveDecimal,
                            "Fixed cost must be real possitive number !!!"},
                           {"Price of the unit", PositiveDecimal,
                            "Unit price must be real possitive number !!!"}},
                .resultCaption = "Ammount of units required to reach BEP",
                .resultLabels = {"Ammount of units required to reach BEP"},
                .format = ResultFormat::TwoDecimals,
                .compute = [](std::span<const double> x) -> Results {
                    const double margin = x[2] - x[0];
                    if (margin == 0) return NoValue;
                    return {{x[1] / margin}};
                },
            },
            {
                .inputs = {{"Total sales revenue", PositiveDecimal,
                            "Pardavimų pajamos must be real possitive number !!!"},
                           {"Total variable cost", PositiveDecimal,
                            "Variable cost must be real possitive number !!!"},
                           {"Fixed cost", PositiveDecimal,
                            "Fixed cost must be real possitive number !!!"},
                           {"Total production in units", NaturalNumber,
                            "Production in units must be possitive natural number !!!"}},
                .resultCaption = "Ammount of units required to reach BEP",
                .resultLabels = {"Ammount of units required to reach BEP"},
                .format = ResultFormat::TwoDecimals,
                .compute = [](std::span<const double> x) -> Results {
                    if (x[3] == 0) return NoValue;
                    if (x[0] - x[1] == 0) return NoValue;
                    const double marginPerUnit = (x[0] - x[1]) / x[3];
                    return {{x[2] / marginPerUnit}};
                },
            },
        },
};

const FormDescription RIBINIS_PELNAS_5_3{
    .className = "RIBINIS_PELNAS_5_3",
    .title = "3. Marginal revenue",
    .sections = {{
        .inputs = {{"Total sales revenue (or cost of 1 unit)", SignedDecimal,
                    "Sales revenue must be real number !!!"},
                   {"Total variable cost (or variable cost of 1 unit)", PositiveDecimal,
                    "Variable cost must be real possitive number !!!"}},
        .resultCaption = "Marginal revenue (or marginal revenue of 1 unit)",
        .resultLabels = {"Marginal revenue (or marginal revenue of 1 unit)"},
        .format = ResultFormat::TwoDecimals,
        .compute = [](std::span<const double> x) -> Results { return {{x[0] - x[1]}}; },
    }},
};

}  // namespace orvanta
