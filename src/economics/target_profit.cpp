#include "economics/target_profit.h"

namespace orvanta {

using enum ValidationKind;

namespace {

constexpr InputField kProfitWanted{"Profit wanted", PositiveDecimal,
                                   "Profit wanted must be real possitive number !!!"};
constexpr InputField kVariableCostOfUnit{"Variable cost of unit", PositiveDecimal,
                                         "Variable cost must be real possitive number !!!"};
constexpr InputField kFixedCost{"Fixed cost", PositiveDecimal,
                                "Fixed cost must be real possitive number !!!"};
constexpr InputField kProductionInUnits{"Production in units", NaturalNumber,
                                        "Units produced must be possitive natural number !!!"};
constexpr InputField kProfitNeeded{"Profit needed", PositiveDecimal,
                                   "Profit wanted must be real possitive number !!!"};
constexpr InputField kPriceOfUnit{"Price of unit", PositiveDecimal,
                                  "Unit price must be real possitive number !!!"};
constexpr InputField kTotalCost{"Total cost", PositiveDecimal,
                                "Total cost must be real possitive number !!!"};
constexpr InputField kNoOfUnitsProduced{"No. of units produced", PositiveDecimal,
                                        "No. of units produced must be real possitive number !!!"};
constexpr InputField kTaxes{"Taxes %", PositiveDecimal, "Taxes must be real possitive number !!!"};
constexpr InputField kNoOfUnits{"No. of units", NaturalNumber,
                                "No. of units must be possitive natural number !!!"};
constexpr InputField kNetProfitWanted{"Net profit wanted", PositiveDecimal,
                                      "Profit wanted must be real possitive number !!!"};
constexpr InputField kUnitsOfNetProfit{"Production in units", NaturalNumber,
                                       "No. of units must be possitive natural number !!!"};
constexpr InputField kTotalProductionCost{"Total production cost", PositiveDecimal,
                                          "Total cost must be real possitive number !!!"};

using formula::Input;
using formula::IsZero;
using formula::Named;

// The share of a profit that is left after taxes; the wanted net profit is
// divided by it to get the profit before taxes. A rate above 100 makes it
// negative, which is accepted.
formula::Expr AfterTaxShare() { return Named("k", 1 - Input(kTaxes) / 100); }

}  // namespace

const FormDescription NORIMAS_GAUTI_PELNAS_5_9{
    .className = "NORIMAS_GAUTI_PELNAS_5_9",
    .title = "10. Norimas gauti pelnas",
    .heading = "10. Profit wanted",
    .sections =
        {
            {
                .inputs = {kProfitWanted, kVariableCostOfUnit, kFixedCost, kProductionInUnits},
                .resultCaption = "Price of unit needed for certain profit",
                .resultLabels = {"Price of unit needed for certain profit"},
                .format = ResultFormat::TwoDecimals,
                .compute =
                    formula::Quotient(Input(kVariableCostOfUnit) * Input(kProductionInUnits) +
                                          Input(kProfitWanted) + Input(kFixedCost),
                                      Input(kProductionInUnits)),
                .column = 0,
            },
            {
                .inputs = {kProfitNeeded, kPriceOfUnit, kVariableCostOfUnit, kFixedCost},
                .resultCaption = "No. of units needed for certain profit",
                .resultLabels = {"No. of units needed for certain profit"},
                .format = ResultFormat::TwoDecimals,
                .compute =
                    [] {
                        const formula::Expr margin =
                            Named("m", Input(kPriceOfUnit) - Input(kVariableCostOfUnit));
                        return formula::Calculation{
                            .results = {(Input(kFixedCost) + Input(kProfitNeeded)) / margin},
                            .guards = {IsZero(margin)},
                        };
                    }(),
                .column = 0,
            },
            {
                .inputs = {kProfitWanted, kTotalCost},
                .resultCaption = "Markup percentage %",
                .resultLabels = {"Markup percentage %"},
                .format = ResultFormat::FourDecimals,
                .compute =
                    formula::Calculation{
                        .results = {(Input(kProfitWanted) / Input(kTotalCost) - 1) * 100},
                        .guards = {IsZero(Input(kTotalCost))},
                    },
                .column = 1,
            },
            {
                .inputs = {kProfitWanted, kTotalCost, kNoOfUnitsProduced},
                .resultCaption = "Price of unit needed for certain profit",
                .resultLabels = {"Price of unit needed for certain profit"},
                .format = ResultFormat::TwoDecimals,
                .compute = formula::Quotient(Input(kTotalCost) + Input(kProfitWanted),
                                             Input(kNoOfUnitsProduced)),
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
                .inputs = {kProfitWanted, kTaxes, kNoOfUnits, kVariableCostOfUnit, kFixedCost},
                .resultCaption = "Price of unit needed to achieve net profit after taxes",
                .resultLabels = {"Price of unit needed to achieve net profit after taxes"},
                .format = ResultFormat::TwoDecimals,
                .compute =
                    [] {
                        const formula::Expr share = AfterTaxShare();
                        const formula::Expr units = Input(kNoOfUnits);
                        const formula::Expr profitBeforeTaxes =
                            Named("g", Input(kProfitWanted) / share);
                        return formula::Calculation{
                            .results = {(Input(kVariableCostOfUnit) * units + profitBeforeTaxes +
                                         Input(kFixedCost)) /
                                        units},
                            .guards = {IsZero(share), IsZero(units)},
                        };
                    }(),
                .column = 0,
            },
            {
                .inputs = {kNetProfitWanted, kTaxes, kPriceOfUnit, kVariableCostOfUnit, kFixedCost},
                .resultCaption = "No. of units needed for net profit after taxes",
                .resultLabels = {"No. of units needed for net profit after taxes"},
                .format = ResultFormat::TwoDecimals,
                .compute =
                    [] {
                        const formula::Expr share = AfterTaxShare();
                        const formula::Expr margin =
                            Named("m", Input(kPriceOfUnit) - Input(kVariableCostOfUnit));
                        return formula::Calculation{
                            .results = {(Input(kNetProfitWanted) / share + Input(kFixedCost)) /
                                        margin},
                            .guards = {IsZero(share), IsZero(margin)},
                        };
                    }(),
                .column = 0,
            },
            {
                .inputs = {kProfitWanted, kTaxes, kUnitsOfNetProfit, kTotalProductionCost},
                .resultCaption = "Price of unit needed to achieve net profit after taxes",
                .resultLabels = {"Price of unit needed to achieve net profit after taxes"},
                .format = ResultFormat::TwoDecimals,
                .compute =
                    [] {
                        const formula::Expr share = AfterTaxShare();
                        const formula::Expr units = Input(kUnitsOfNetProfit);
                        return formula::Calculation{
                            .results = {(Input(kProfitWanted) / share +
                                         Input(kTotalProductionCost)) /
                                        units},
                            .guards = {IsZero(share), IsZero(units)},
                        };
                    }(),
                .column = 1,
            },
        },
};

}  // namespace orvanta
