#include "ratios/altman_z.h"

namespace orvanta {

using enum ValidationKind;

namespace {

constexpr InputField kCurrentAssets{"1. Current assets", PositiveDecimal,
                                    "Trumpalaikis turtas turi būti realus teigiamas skaičius",
                                    "_KLAIDA !!!_"};
constexpr InputField kCurrentLiabilities{"2. Current Liabilities", PositiveDecimal,
                                         "Current liabilities must be real possitive number !!!"};
constexpr InputField kRetainedEarnings{"3. Retained earnings", SignedDecimal,
                                       "Retained earnings must be real number !!!"};
constexpr InputField kEarningsBeforeTaxes{"4. Earnings before taxes", SignedDecimal,
                                          "Earnings before taxes must be real number !!!"};
constexpr InputField kTotalEquity{"5. Total equity", SignedDecimal,
                                  "Equity must be real number !!!"};
constexpr InputField kTotalLiabilities{"6. Total liabilities", PositiveDecimal,
                                       "Total liabilities must be real possitive number !!!"};
constexpr InputField kSales{"7. Sales", SignedDecimal, "Sales must be real number !!!"};

// Total assets are liabilities plus equity; the five ratios of the scores
// each take one division, and each score adds its weighted ratios left to
// right. The sales weight is 0.995 in both scores that have one.
formula::Calculation AltmanScores() {
    using formula::Input;
    using formula::Named;
    const formula::Expr totalAssets = Named("TA", Input(kTotalLiabilities) + Input(kTotalEquity));
    const formula::Expr workingCapital =
        Named("X1", (Input(kCurrentAssets) - Input(kCurrentLiabilities)) / totalAssets);
    const formula::Expr retainedEarnings = Named("X2", Input(kRetainedEarnings) / totalAssets);
    const formula::Expr earnings = Named("X3", Input(kEarningsBeforeTaxes) / totalAssets);
    // Book value of equity in all three scores.
    const formula::Expr equity = Named("X4", Input(kTotalEquity) / Input(kTotalLiabilities));
    const formula::Expr sales = Named("X5", Input(kSales) / totalAssets);
    return {
        .results = {6.56 * workingCapital + 3.26 * retainedEarnings + 6.72 * earnings +
                        1.05 * equity,
                    0.717 * workingCapital + 0.847 * retainedEarnings + 3.107 * earnings +
                        0.42 * equity + 0.995 * sales,
                    1.2 * workingCapital + 1.4 * retainedEarnings + 3.3 * earnings + 0.6 * equity +
                        0.995 * sales},
        .guards = {formula::IsZero(totalAssets), formula::IsZero(Input(kTotalLiabilities))},
    };
}

}  // namespace

// Three scores of the Altman kind from one balance sheet: for service and
// private enterprises, for enterprises not listed and for listed ones. Total
// assets are not asked for; they are liabilities plus equity.
const FormDescription ALTMAN_Z_3{
    .className = "ALTMAN_Z_3",
    .title = "1. Altman Z bankrupt probability model",
    .sections = {{
        .inputs = {kCurrentAssets, kCurrentLiabilities, kRetainedEarnings, kEarningsBeforeTaxes,
                   kTotalEquity, kTotalLiabilities, kSales},
        .resultCaption = "Altman Z",
        .resultLabels = {"Service and private enterprises", "Not listed enterprises",
                         "Listed enterprises"},
        .format = ResultFormat::SixDecimals,
        .compute = AltmanScores(),
    }},
};

}  // namespace orvanta
