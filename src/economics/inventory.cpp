#include "economics/inventory.h"

#include <cmath>

namespace orvanta {

using enum ValidationKind;

const FormDescription OPTIMALUS_UZSAKYMAS_5_18{
    .className = "OPTIMALUS_UZSAKYMAS_5_18",
    .title = "18. Economic Order Quantity (EOQ)",
    .sections = {{
        .inputs = {{"Inventory demand during the year", PositiveDecimal,
                    "Inventory demand during the year must be real possitive number !!!"},
                   {"Expences of storing one inventory unit", PositiveDecimal,
                    "Expences of storing one inventory unit must be real possitive number !!!"},
                   {"Order execution costs", PositiveDecimal,
                    "Order execution costs must be real possitive number !!!"}},
        .resultCaption = "Economic Order Quantity",
        .resultLabels = {"Economic Order Quantity"},
        .format = ResultFormat::FourDecimals,
        .compute = [](std::span<const double> x) -> Results {
            if (x[1] == 0) return NoValue;
            // Twice the demand as the demand added to itself, then the order
            // cost, then the storing cost; an overflowing input can still
            // make the quotient undefined, and it has no root then.
            const double q = (x[0] + x[0]) * x[2] / x[1];
            if (q < 0 || std::isnan(q)) return NoValue;
            return {{std::sqrt(q)}};
        },
    }},
};

const FormDescription INVESTICIJOS_I_ATSARGAS_ESANT_OUD_5_19{
    .className = "INVESTICIJOS_I_ATSARGAS_ESANT_OUD_5_19",
    .title = "19.  Economic Order Value",
    .sections = {{
        .inputs = {{"Economic Order Quantity (EOQ) in units", PositiveDecimal,
                    "EOQ must be real possitive number !!!"},
                   {"Expences of storing one inventory unit", PositiveDecimal,
                    "Storing of one inventory unit must be real possitive number !!!"},
                   {"Inventory demand during the year", PositiveDecimal,
                    "Yearly inventory demand must be real possitive number !!!"},
                   {"One order execution costs", PositiveDecimal,
                    "Order execution costs must be real possitive number !!!"}},
        .resultCaption = "Economic Order Value",
        .resultLabels = {"Economic Order Value"},
        .format = ResultFormat::TwoDecimals,
        .compute = [](std::span<const double> x) -> Results {
            if (x[0] == 0) return NoValue;
            // Yearly ordering cost plus yearly storing cost of the average stock.
            return {{x[2] / x[0] * x[3] + x[0] * 0.5 * x[1]}};
        },
    }},
};

}  // namespace orvanta
