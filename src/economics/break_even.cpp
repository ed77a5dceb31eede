#include "economics/break_even.h"

namespace orvanta {

using enum ValidationKind;
using formula::Input;
using formula::IsZero;
using formula::Named;

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
                .compute =
                    formula::Calculation{
                        .results = {Input("Fixed cost") / Input("Production quantity in units") +
                                    Input("Variable cost of the unit")},
                        .guards = {IsZero(Input("Production quantity in units"))},
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
                // A price below the variable cost gives a negative amount; only
                // a zero margin has no answer.
                .compute =
                    [] {
                        const formula::Expr margin =
                            Named("m", Input("Price of unit") - Input("Variable cost of the unit"));
                        return formula::Calculation{
                            .results = {Input("Fixed cost") / margin * Input("Price of unit")},
                            .guards = {IsZero(margin)},
                        };
                    }(),
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
                .compute =
                    [] {
                        const formula::Expr margin = Named(
                            "m", Input("Price of the unit") - Input("Variable cost of units"));
                        return formula::Calculation{
                            .results = {Input("Fixed cost") / margin},
                            .guards = {IsZero(margin)},
                        };
                    }(),
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
                // The production is tested before the margin.
                .compute =
                    [] {
                        const formula::Expr margin =
                            Input("Total sales revenue") - Input("Total variable cost");
                        const formula::Expr units = Input("Total production in units");
                        return formula::Calculation{
                            .results = {Input("Fixed cost") / Named("u", margin / units)},
                            .guards = {IsZero(units), IsZero(margin)},
                        };
                    }(),
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
        .compute =
            formula::Calculation{
                .results = {Input("Total sales revenue (or cost of 1 unit)") -
                            Input("Total variable cost (or variable cost of 1 unit)")}},
    }},
};

}  // namespace orvanta
