#include "economics/break_even.h"

namespace orvanta {

using enum ValidationKind;
using formula::Input;
using formula::IsZero;
using formula::Named;

namespace {

constexpr InputField kVariableCostOfTheUnit{"Variable cost of the unit", PositiveDecimal,
                                            "Variable cost must be real possitive number !!!"};
constexpr InputField kProductionQuantityInUnits{
    "Production quantity in units", NaturalNumber,
    "Production quantity in units must be possitive natural number !!!"};
constexpr InputField kFixedCost{"Fixed cost", PositiveDecimal,
                                "Fixed cost must be real possitive number !!!"};
constexpr InputField kPriceOfUnit{"Price of unit", PositiveDecimal,
                                  "Unit cost must be real possitive number !!!"};
constexpr InputField kUnitVariableCost{"Variable cost of the unit", PositiveDecimal,
                                       "Unit variable cost must be real possitive number !!!"};
constexpr InputField kVariableCostOfUnits{"Variable cost of units", PositiveDecimal,
                                          "Variable cost must be real possitive number !!!"};
constexpr InputField kPriceOfTheUnit{"Price of the unit", PositiveDecimal,
                                     "Unit price must be real possitive number !!!"};
constexpr InputField kTotalSalesRevenue{"Total sales revenue", PositiveDecimal,
                                        "Pardavimų pajamos must be real possitive number !!!"};
constexpr InputField kTotalVariableCost{"Total variable cost", PositiveDecimal,
                                        "Variable cost must be real possitive number !!!"};
constexpr InputField kTotalProductionInUnits{
    "Total production in units", NaturalNumber,
    "Production in units must be possitive natural number !!!"};
constexpr InputField kSalesRevenueOrUnitCost{"Total sales revenue (or cost of 1 unit)",
                                             SignedDecimal,
                                             "Sales revenue must be real number !!!"};
constexpr InputField kVariableCostOrUnitVariableCost{
    "Total variable cost (or variable cost of 1 unit)", PositiveDecimal,
    "Variable cost must be real possitive number !!!"};

}  // namespace

const FormDescription LUZIO_TASKAS_5_1{
    .className = "LUZIO_TASKAS_5_1",
    .title = "1. Break-even point (BEP)",
    .sections =
        {
            {
                .inputs = {kVariableCostOfTheUnit, kProductionQuantityInUnits, kFixedCost},
                .resultCaption = "Cost of unit required to reach BEP",
                .resultLabels = {"Cost of unit required to reach BEP"},
                .format = ResultFormat::TwoDecimals,
                .compute =
                    formula::Calculation{
                        .results = {Input(kFixedCost) / Input(kProductionQuantityInUnits) +
                                    Input(kVariableCostOfTheUnit)},
                        .guards = {IsZero(Input(kProductionQuantityInUnits))},
                    },
            },
            {
                .inputs = {kPriceOfUnit, kUnitVariableCost, kFixedCost},
                .resultCaption = "Sales ammount (units) required to reach BEP",
                .resultLabels = {"Sales ammount (units) required to reach BEP"},
                .format = ResultFormat::TwoDecimals,
                // A price below the variable cost gives a negative amount; only
                // a zero margin has no answer.
                .compute =
                    [] {
                        const formula::Expr margin =
                            Named("m", Input(kPriceOfUnit) - Input(kUnitVariableCost));
                        return formula::Calculation{
                            .results = {Input(kFixedCost) / margin * Input(kPriceOfUnit)},
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
                .inputs = {kVariableCostOfUnits, kFixedCost, kPriceOfTheUnit},
                .resultCaption = "Ammount of units required to reach BEP",
                .resultLabels = {"Ammount of units required to reach BEP"},
                .format = ResultFormat::TwoDecimals,
                .compute =
                    [] {
                        const formula::Expr margin =
                            Named("m", Input(kPriceOfTheUnit) - Input(kVariableCostOfUnits));
                        return formula::Calculation{
                            .results = {Input(kFixedCost) / margin},
                            .guards = {IsZero(margin)},
                        };
                    }(),
            },
            {
                .inputs = {kTotalSalesRevenue, kTotalVariableCost, kFixedCost,
                           kTotalProductionInUnits},
                .resultCaption = "Ammount of units required to reach BEP",
                .resultLabels = {"Ammount of units required to reach BEP"},
                .format = ResultFormat::TwoDecimals,
                // The production is tested before the margin.
                .compute =
                    [] {
                        const formula::Expr margin =
                            Input(kTotalSalesRevenue) - Input(kTotalVariableCost);
                        const formula::Expr units = Input(kTotalProductionInUnits);
                        return formula::Calculation{
                            .results = {Input(kFixedCost) / Named("u", margin / units)},
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
        .inputs = {kSalesRevenueOrUnitCost, kVariableCostOrUnitVariableCost},
        .resultCaption = "Marginal revenue (or marginal revenue of 1 unit)",
        .resultLabels = {"Marginal revenue (or marginal revenue of 1 unit)"},
        .format = ResultFormat::TwoDecimals,
        .compute = formula::Calculation{.results = {Input(kSalesRevenueOrUnitCost) -
                                                    Input(kVariableCostOrUnitVariableCost)}},
    }},
};

}  // namespace orvanta
