#include "economics/target_profit.h"

namespace orvanta {

using enum ValidationKind;

namespace {

using formula::Input;
using formula::IsZero;
using formula::Named;

// The share of a profit that is left after taxes; the wanted net profit is
// divided by it to get the profit before taxes. A rate above 100 makes it
// negative, which is accepted.
formula::Expr AfterTaxShare() { return Named("k", 1 - Input("Taxes %") / 100); }

}  // namespace

const FormDescription NORIMAS_GAUTI_PELNAS_5_9{
    .className = "NORIMAS_GAUTI_PELNAS_5_9",
    .title = "10. Norimas gauti pelnas",
    .heading = "10. Profit wanted",
    .sections =
        {
            {
                .inputs = {{"Profit wanted", PositiveDecimal,
                            "Profit wanted must be real possitive number !!!"},
                           {"Variable cost of unit", PositiveDecimal,
                            "Variable cost must be real possitive number !!!"},
                           {"Fixed cost", PositiveDecimal,
                            "Fixed cost must be real possitive number !!!"},
                           {"Production in units", NaturalNumber,
                            "Units produced must be possitive natural number !!!"}},
                .resultCaption = "Price of unit needed for certain profit",
                .resultLabels = {"Price of unit needed for certain profit"},
                .format = ResultFormat::TwoDecimals,
                .compute = formula::Quotient(
                    Input("Variable cost of unit") * Input("Production in units") +
                        Input("Profit wanted") + Input("Fixed cost"),
                    Input("Production in units")),
                .column = 0,
            },
            {
                .inputs = {{"Profit needed", PositiveDecimal,
                            "Profit wanted must be real possitive number !!!"},
                           {"Price of unit", PositiveDecimal,
                            "Unit price must be real possitive number !!!"},
                           {"Variable cost of unit", PositiveDecimal,
                            "Variable cost must be real possitive number !!!"},
                           {"Fixed cost", PositiveDecimal,
                            "Fixed cost must be real possitive number !!!"}},
                .resultCaption = "No. of units needed for certain profit",
                .resultLabels = {"No. of units needed for certain profit"},
                .format = ResultFormat::TwoDecimals,
                .compute =
                    [] {
                        const formula::Expr margin =
                            Named("m", Input("Price of unit") - Input("Variable cost of unit"));
                        return formula::Calculation{
                            .results = {(Input("Fixed cost") + Input("Profit needed")) / margin},
                            .guards = {IsZero(margin)},
                        };
                    }(),
                .column = 0,
            },
            {
                .inputs = {{"Profit wanted", PositiveDecimal,
                            "Profit wanted must be real possitive number !!!"},
                           {"Total cost", PositiveDecimal,
                            "Total cost must be real possitive number !!!"}},
                .resultCaption = "Markup percentage %",
                .resultLabels = {"Markup percentage %"},
                .format = ResultFormat::FourDecimals,
                .compute =
                    formula::Calculation{
                        .results = {(Input("Profit wanted") / Input("Total cost") - 1) * 100},
                        .guards = {IsZero(Input("Total cost"))},
                    },
                .column = 1,
            },
            {
                .inputs = {{"Profit wanted", PositiveDecimal,
                            "Profit wanted must be real possitive number !!!"},
                           {"Total cost", PositiveDecimal,
                            "Total cost must be real possitive number !!!"},
                           {"No. of units produced", PositiveDecimal,
                            "No. of units produced must be real possitive number !!!"}},
                .resultCaption = "Price of unit needed for certain profit",
                .resultLabels = {"Price of unit needed for certain profit"},
                .format = ResultFormat::TwoDecimals,
                .compute = formula::Quotient(Input("Total cost") + Input("Profit wanted"),
                                             Input("No. of units produced")),
                .column = 1,
            },
        },
};

const FormDescription NORIMAS_GAUTI_PELNAS_PO_MOK_5_11{
    .className = "NORIMAS_GAUTI_PELNAS_PO_MOK_5_11",
    .title = "11. Wanted net profit after taxes",
    .sections =
        {
            {
                .inputs = {{"Profit wanted", PositiveDecimal,
                            "Profit wanted must be real possitive number !!!"},
                           {"Taxes %", PositiveDecimal, "Taxes must be real possitive number !!!"},
                           {"No. of units", NaturalNumber,
                            "No. of units must be possitive natural number !!!"},
                           {"Variable cost of unit", PositiveDecimal,
                            "Variable cost must be real possitive number !!!"},
                           {"Fixed cost", PositiveDecimal,
                            "Fixed cost must be real possitive number !!!"}},
                .resultCaption = "Price of unit needed to achieve net profit after taxes",
                .resultLabels = {"Price of unit needed to achieve net profit after taxes"},
                .format = ResultFormat::TwoDecimals,
                .compute =
                    [] {
                        const formula::Expr share = AfterTaxShare();
                        const formula::Expr units = Input("No. of units");
                        const formula::Expr profitBeforeTaxes =
                            Named("g", Input("Profit wanted") / share);
                        return formula::Calculation{
                            .results = {(Input("Variable cost of unit") * units +
                                         profitBeforeTaxes + Input("Fixed cost")) /
                                        units},
                            .guards = {IsZero(share), IsZero(units)},
                        };
                    }(),
                .column = 0,
            },
            {
                .inputs = {{"Net profit wanted", PositiveDecimal,
                            "Profit wanted must be real possitive number !!!"},
                           {"Taxes %", PositiveDecimal, "Taxes must be real possitive number !!!"},
                           {"Price of unit", PositiveDecimal,
                            "Unit price must be real possitive number !!!"},
                           {"Variable cost of unit", PositiveDecimal,
                            "Variable cost must be real possitive number !!!"},
                           {"Fixed cost", PositiveDecimal,
                            "Fixed cost must be real possitive number !!!"}},
                .resultCaption = "No. of units needed for net profit after taxes",
                .resultLabels = {"No. of units needed for net profit after taxes"},
                .format = ResultFormat::TwoDecimals,
                .compute =
                    [] {
                        const formula::Expr share = AfterTaxShare();
                        const formula::Expr margin =
                            Named("m", Input("Price of unit") - Input("Variable cost of unit"));
                        return formula::Calculation{
                            .results = {(Input("Net profit wanted") / share + Input("Fixed cost")) /
                                        margin},
                            .guards = {IsZero(share), IsZero(margin)},
                        };
                    }(),
                .column = 0,
            },
            {
                .inputs = {{"Profit wanted", PositiveDecimal,
                            "Profit wanted must be real possitive number !!!"},
                           {"Taxes %", PositiveDecimal, "Taxes must be real possitive number !!!"},
                           {"Production in units", NaturalNumber,
                            "No. of units must be possitive natural number !!!"},
                           {"Total production cost", PositiveDecimal,
                            "Total cost must be real possitive number !!!"}},
                .resultCaption = "Price of unit needed to achieve net profit after taxes",
                .resultLabels = {"Price of unit needed to achieve net profit after taxes"},
                .format = ResultFormat::TwoDecimals,
                .compute =
                    [] {
                        const formula::Expr share = AfterTaxShare();
                        const formula::Expr units = Input("Production in units");
                        return formula::Calculation{
                            .results = {(Input("Profit wanted") / share +
                                         Input("Total production cost")) /
                                        units},
                            .guards = {IsZero(share), IsZero(units)},
                        };
                    }(),
                .column = 1,
            },
        },
};

}  // namespace orvanta
