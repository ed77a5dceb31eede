#include "ratios/balance_sheet_ratios.h"

namespace orvanta {

using enum ValidationKind;
using formula::Input;

namespace {

constexpr InputField kNetProfit{"Net profit", SignedDecimal, "Net profit must be real number !!!"};
constexpr InputField kSignedTotalAssets{"Total assets", SignedDecimal,
                                        "Total assets must be real number !!!"};
constexpr InputField kTotalLiabilities{"Total liabilities:", PositiveDecimal,
                                       "Total liabilities must be real possitive number !!!"};
constexpr InputField kTotalAssetsColon{"Total assets:", PositiveDecimal,
                                       "Total assets must be real possitive number !!!"};
constexpr InputField kCash{"Cash", PositiveDecimal, "Cash must be real possitive number !!!"};
constexpr InputField kCurrentLiabilities{"Current liabilities", PositiveDecimal,
                                         "Current liabilities must be real possitive number !!!"};
constexpr InputField kCurrentAssets{"Current assets", PositiveDecimal,
                                    "Current assets must be real possitive number !!!"};
constexpr InputField kNonCurrentLiabilities{
    "Non-current liabilities", PositiveDecimal,
    "Non-current liabilities must be real possitive number !!!"};
constexpr InputField kTotalAssets{"Total assets", PositiveDecimal,
                                  "Total assets must be real possitive number !!!"};
constexpr InputField kSales{"Sales", PositiveDecimal, "Sales must be real possitive number !!!"};

}  // namespace

const FormDescription ROA_3_2{
    .className = "ROA_3_2",
    .title = "2. ROA (Return on Assets)",
    .sections = {{
        .inputs = {kNetProfit, kSignedTotalAssets},
        .resultLabels = {"ROA (Return on Assets) %"},
        .format = ResultFormat::TwoDecimals,
        .compute = formula::Percentage(Input(kNetProfit), Input(kSignedTotalAssets)),
    }},
};

const FormDescription BSR_3_3{
    .className = "BSR_3_3",
    .title = "3. Leverage ratio",
    .sections = {{
        .inputs = {kTotalLiabilities, kTotalAssetsColon},
        .resultCaption = "Leverage ratio %",
        .resultLabels = {"Leverage ratio %:"},
        .format = ResultFormat::TwoDecimals,
        .compute = formula::Percentage(Input(kTotalLiabilities), Input(kTotalAssetsColon)),
    }},
};

const FormDescription ABSOLIUTAUS_MOKUMO_KOEF_3_4{
    .className = "ABSOLIUTAUS_MOKUMO_KOEF_3_4",
    .title = "4. Absolute solvency ratio",
    .sections = {{
        .inputs = {kCash, kCurrentLiabilities},
        .resultCaption = "Absolute solvency ratio",
        .resultLabels = {"Absolute solvency ratio"},
        .format = ResultFormat::SixDecimals,
        .compute = formula::Quotient(Input(kCash), Input(kCurrentLiabilities)),
    }},
};

const FormDescription BTMK_3_5{
    .className = "BTMK_3_5",
    .title = "5. Short term solvency ratio",
    .sections = {{
        .inputs = {kCurrentAssets, kCurrentLiabilities},
        .resultLabels = {"Short term solvency ratio"},
        .format = ResultFormat::SixDecimals,
        .compute = formula::Quotient(Input(kCurrentAssets), Input(kCurrentLiabilities)),
    }},
};

const FormDescription ILGALAIKIU_SKOLU_KEOF_3_6{
    .className = "ILGALAIKIU_SKOLU_KEOF_3_6",
    .title = "6. Non-current liabilities to Total assets ratio",
    .sections = {{
        .inputs = {kNonCurrentLiabilities, kTotalAssets},
        .resultCaption = "Non-current liabilities to Total assets ratio %",
        .resultLabels = {"Non-current liabilities to Total assets ratio %"},
        .format = ResultFormat::TwoDecimals,
        .compute = formula::Percentage(Input(kNonCurrentLiabilities), Input(kTotalAssets)),
    }},
};

const FormDescription APYVARTINIO_KAPITALO_KOEF_3_7{
    .className = "APYVARTINIO_KAPITALO_KOEF_3_7",
    .title = "7. Working capital ratio",
    .sections = {{
        .inputs = {kCurrentAssets, kCurrentLiabilities, kTotalAssets},
        .resultCaption = "Working capital ratio",
        .resultLabels = {"Working capital ratio"},
        .format = ResultFormat::SixDecimals,
        // Negative working capital stays negative.
        .compute = formula::Quotient(Input(kCurrentAssets) - Input(kCurrentLiabilities),
                                     Input(kTotalAssets)),
    }},
};

const FormDescription APYVARTINIO_KAPITALO_APYV_3_8{
    .className = "APYVARTINIO_KAPITALO_APYV_3_8",
    .title = "8. Working capital turnover ratio",
    .sections = {{
        .inputs = {kCurrentAssets, kCurrentLiabilities, kSales},
        .resultCaption = "Working capital turnover ratio",
        .resultLabels = {"Working capital turnover ratio"},
        .format = ResultFormat::SixDecimals,
        // One difference for the guard and the divisor, so they cannot disagree.
        .compute =
            formula::Quotient(Input(kSales), Input(kCurrentAssets) - Input(kCurrentLiabilities)),
    }},
};

}  // namespace orvanta
