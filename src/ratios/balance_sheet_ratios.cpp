#include "ratios/balance_sheet_ratios.h"

namespace orvanta {

using enum ValidationKind;
using formula::Input;

const FormDescription ROA_3_2{
    .className = "ROA_3_2",
    .title = "2. ROA (Return on Assets)",
    .sections = {{
        .inputs = {{"Net profit", SignedDecimal, "Net profit must be real number !!!"},
                   {"Total assets", SignedDecimal, "Total assets must be real number !!!"}},
        .resultLabels = {"ROA (Return on Assets) %"},
        .format = ResultFormat::TwoDecimals,
        .compute = formula::Percentage(Input("Net profit"), Input("Total assets")),
    }},
};

const FormDescription BSR_3_3{
    .className = "BSR_3_3",
    .title = "3. Leverage ratio",
    .sections = {{
        .inputs = {{"Total liabilities:", PositiveDecimal,
                    "Total liabilities must be real possitive number !!!"},
                   {"Total assets:", PositiveDecimal,
                    "Total assets must be real possitive number !!!"}},
        .resultCaption = "Leverage ratio %",
        .resultLabels = {"Leverage ratio %:"},
        .format = ResultFormat::TwoDecimals,
        .compute = formula::Percentage(Input("Total liabilities:"), Input("Total assets:")),
    }},
};

const FormDescription ABSOLIUTAUS_MOKUMO_KOEF_3_4{
    .className = "ABSOLIUTAUS_MOKUMO_KOEF_3_4",
    .title = "4. Absolute solvency ratio",
    .sections = {{
        .inputs = {{"Cash", PositiveDecimal, "Cash must be real possitive number !!!"},
                   {"Current liabilities", PositiveDecimal,
                    "Current liabilities must be real possitive number !!!"}},
        .resultCaption = "Absolute solvency ratio",
        .resultLabels = {"Absolute solvency ratio"},
        .format = ResultFormat::SixDecimals,
        .compute = formula::Quotient(Input("Cash"), Input("Current liabilities")),
    }},
};

const FormDescription BTMK_3_5{
    .className = "BTMK_3_5",
    .title = "5. Short term solvency ratio",
    .sections = {{
        .inputs = {{"Current assets", PositiveDecimal,
                    "Current assets must be real possitive number !!!"},
                   {"Current liabilities", PositiveDecimal,
                    "Current liabilities must be real possitive number !!!"}},
        .resultLabels = {"Short term solvency ratio"},
        .format = ResultFormat::SixDecimals,
        .compute = formula::Quotient(Input("Current assets"), Input("Current liabilities")),
    }},
};

const FormDescription ILGALAIKIU_SKOLU_KEOF_3_6{
    .className = "ILGALAIKIU_SKOLU_KEOF_3_6",
    .title = "6. Non-current liabilities to Total assets ratio",
    .sections = {{
        .inputs = {{"Non-current liabilities", PositiveDecimal,
                    "Non-current liabilities must be real possitive number !!!"},
                   {"Total assets", PositiveDecimal,
                    "Total assets must be real possitive number !!!"}},
        .resultCaption = "Non-current liabilities to Total assets ratio %",
        .resultLabels = {"Non-current liabilities to Total assets ratio %"},
        .format = ResultFormat::TwoDecimals,
        .compute = formula::Percentage(Input("Non-current liabilities"), Input("Total assets")),
    }},
};

const FormDescription APYVARTINIO_KAPITALO_KOEF_3_7{
    .className = "APYVARTINIO_KAPITALO_KOEF_3_7",
    .title = "7. Working capital ratio",
    .sections = {{
        .inputs = {{"Current assets", PositiveDecimal,
                    "Current assets must be real possitive number !!!"},
                   {"Current liabilities", PositiveDecimal,
                    "Current liabilities must be real possitive number !!!"},
                   {"Total assets", PositiveDecimal,
                    "Total assets must be real possitive number !!!"}},
        .resultCaption = "Working capital ratio",
        .resultLabels = {"Working capital ratio"},
        .format = ResultFormat::SixDecimals,
        // Negative working capital stays negative.
        .compute = formula::Quotient(Input("Current assets") - Input("Current liabilities"),
                                     Input("Total assets")),
    }},
};

const FormDescription APYVARTINIO_KAPITALO_APYV_3_8{
    .className = "APYVARTINIO_KAPITALO_APYV_3_8",
    .title = "8. Working capital turnover ratio",
    .sections = {{
        .inputs = {{"Current assets", PositiveDecimal,
                    "Current assets must be real possitive number !!!"},
                   {"Current liabilities", PositiveDecimal,
                    "Current liabilities must be real possitive number !!!"},
                   {"Sales", PositiveDecimal, "Sales must be real possitive number !!!"}},
        .resultCaption = "Working capital turnover ratio",
        .resultLabels = {"Working capital turnover ratio"},
        .format = ResultFormat::SixDecimals,
        // One difference for the guard and the divisor, so they cannot disagree.
        .compute = formula::Quotient(Input("Sales"),
                                     Input("Current assets") - Input("Current liabilities")),
    }},
};

}  // namespace orvanta
