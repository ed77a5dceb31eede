#include "ratios/altman_z.h"

namespace orvanta {

using enum ValidationKind;

// Three scores of the Altman kind from one balance sheet: for service and
// private enterprises, for enterprises not listed and for listed ones. Total
// assets are not asked for; they are liabilities plus equity.
const FormDescription ALTMAN_Z_3{
    .className = "ALTMAN_Z_3",
    .title = "1. Altman Z bankrupt probability model",
    .sections = {{
        .inputs = {{"1. Current assets", PositiveDecimal,
                    "Trumpalaikis turtas turi būti realus teigiamas skaičius", "_KLAIDA !!!_"},
                   {"2. Current Liabilities", PositiveDecimal,
                    "Current liabilities must be real possitive number !!!"},
                   {"3. Retained earnings", SignedDecimal,
                    "Retained earnings must be real number !!!"},
                   {"4. Earnings before taxes", SignedDecimal,
                    "Earnings before taxes must be real number !!!"},
                   {"5. Total equity", SignedDecimal, "Equity must be real number !!!"},
                   {"6. Total liabilities", PositiveDecimal,
                    "Total liabilities must be real possitive number !!!"},
                   {"7. Sales", SignedDecimal, "Sales must be real number !!!"}},
        .resultCaption = "Altman Z",
        .resultLabels = {"Service and private enterprises", "Not listed enterprises",
                         "Listed enterprises"},
        .format = ResultFormat::SixDecimals,
        .compute = [](std::span<const double> x) -> Results {
            const double totalAssets = x[5] + x[4];
            if (totalAssets == 0) return NoValue;
            if (x[5] == 0) return NoValue;

            const double workingCapitalToAssets = (x[0] - x[1]) / totalAssets;
            const double retainedEarningsToAssets = x[2] / totalAssets;
            const double earningsToAssets = x[3] / totalAssets;
            const double equityToLiabilities = x[4] / x[5];  // book value of equity
            const double salesToAssets = x[6] / totalAssets;

            // The sales weight is 0.995 in both scores that have one.
            const double services = 6.56 * workingCapitalToAssets +
                                    3.26 * retainedEarningsToAssets + 6.72 * earningsToAssets +
                                    1.05 * equityToLiabilities;
            const double notListed = 0.717 * workingCapitalToAssets +
                                     0.847 * retainedEarningsToAssets + 3.107 * earningsToAssets +
                                     0.42 * equityToLiabilities + 0.995 * salesToAssets;
            const double listed = 1.2 * workingCapitalToAssets + 1.4 * retainedEarningsToAssets +
                                  3.3 * earningsToAssets + 0.6 * equityToLiabilities +
                                  0.995 * salesToAssets;
            return {{services, notListed, listed}};
        },
    }},
};

}  // namespace orvanta
