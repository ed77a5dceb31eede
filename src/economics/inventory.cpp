#include "economics/inventory.h"

#include <cmath>

namespace orvanta {

using enum ValidationKind;
using formula::Input;
using formula::IsZero;
using formula::Named;

namespace {

constexpr InputField kInventoryDemandDuringTheYear{
    "Inventory demand during the year", PositiveDecimal,
    "Inventory demand during the year must be real possitive number !!!"};
constexpr InputField kStoringCost{
    "Expences of storing one inventory unit", PositiveDecimal,
    "Expences of storing one inventory unit must be real possitive number !!!"};
constexpr InputField kOrderExecutionCosts{
    "Order execution costs", PositiveDecimal,
    "Order execution costs must be real possitive number !!!"};
constexpr InputField kEoqUnits{"Economic Order Quantity (EOQ) in units", PositiveDecimal,
                               "EOQ must be real possitive number !!!"};
constexpr InputField kStoringOfOneUnit{
    "Expences of storing one inventory unit", PositiveDecimal,
    "Storing of one inventory unit must be real possitive number !!!"};
constexpr InputField kYearlyDemand{"Inventory demand during the year", PositiveDecimal,
                                   "Yearly inventory demand must be real possitive number !!!"};
constexpr InputField kOneOrderExecutionCosts{
    "One order execution costs", PositiveDecimal,
    "Order execution costs must be real possitive number !!!"};

}  // namespace

const FormDescription OPTIMALUS_UZSAKYMAS_5_18{
    .className = "OPTIMALUS_UZSAKYMAS_5_18",
    .title = "18. Economic Order Quantity (EOQ)",
    .sections = {{
        .inputs = {kInventoryDemandDuringTheYear, kStoringCost, kOrderExecutionCosts},
        .resultCaption = "Economic Order Quantity",
        .resultLabels = {"Economic Order Quantity"},
        .format = ResultFormat::FourDecimals,
        // Twice the demand as the demand added to itself, then the order
        // cost, then the storing cost; an overflowing input can still make
        // the quotient undefined, and it has no root then.
        .compute =
            [] {
                const formula::Expr demand = Input(kInventoryDemandDuringTheYear);
                const formula::Expr storing = Input(kStoringCost);
                const formula::Expr q =
                    Named("q", (demand + demand) * Input(kOrderExecutionCosts) / storing);
                return formula::Calculation{
                    .results = {formula::Sqrt(q)},
                    .guards = {IsZero(storing),
                               formula::Either(formula::IsNegative(q), formula::IsNotANumber(q))},
                };
            }(),
    }},
};

const FormDescription INVESTICIJOS_I_ATSARGAS_ESANT_OUD_5_19{
    .className = "INVESTICIJOS_I_ATSARGAS_ESANT_OUD_5_19",
    .title = "19.  Economic Order Value",
    .sections = {{
        .inputs = {kEoqUnits, kStoringOfOneUnit, kYearlyDemand, kOneOrderExecutionCosts},
        .resultCaption = "Economic Order Value",
        .resultLabels = {"Economic Order Value"},
        .format = ResultFormat::TwoDecimals,
        // Yearly ordering cost plus yearly storing cost of the average stock.
        .compute =
            formula::Calculation{
                .results = {Input(kYearlyDemand) / Input(kEoqUnits) *
                                Input(kOneOrderExecutionCosts) +
                            Input(kEoqUnits) * 0.5 * Input(kStoringOfOneUnit)},
                .guards = {IsZero(Input(kEoqUnits))},
            },
    }},
};

}  // namespace orvanta
