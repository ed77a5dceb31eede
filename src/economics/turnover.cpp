#include "economics/turnover.h"

namespace orvanta {

using enum ValidationKind;
using formula::Input;
using formula::IsZero;
using formula::Named;

const FormDescription PINIGU_APYVARTOS_CIKLO_TRUKME_5_12{
    .className = "PINIGU_APYVARTOS_CIKLO_TRUKME_5_12",
    .title = "12. Cash turnover cycle length",
    .sections = {{
        .inputs = {{"Accounting period length (365 days recommended)", NaturalNumber,
                    "Accounting period length must be possitive natural number !!!"},
                   {"Average cash balance (during period)", PositiveDecimal,
                    "Average cash balance must be real possitive number !!!"},
                   {"Cash revenue", PositiveDecimal,
                    "Cash revenue must be real possitive number !!!"}},
        .resultCaption = "Cash turnover cycle length",
        .resultLabels = {"Cash turnover cycle length"},
        .format = ResultFormat::SixDecimals,
        .compute = formula::Quotient(Input("Average cash balance (during period)") *
                                         Input("Accounting period length (365 days recommended)"),
                                     Input("Cash revenue")),
    }},
};

const FormDescription PPRODUKCIJOS_BUVIMO_SANDELIUOSE_L_DIEN_5_13{
    .className = "PPRODUKCIJOS_BUVIMO_SANDELIUOSE_L_DIEN_5_13",
    .title = "13. Storing of production length period (days)",
    .sections = {{
        .inputs = {{"Manufactured production stock", PositiveDecimal,
                    "Manufactured production stock must be real possitive number !!!"},
                   {"Average value of day production sales", PositiveDecimal,
                    "Average value of day production sales must be real possitive number !!!"}},
        .resultCaption = "Storing of production length period (days)",
        .resultLabels = {"Storing of production length period (days)"},
        .format = ResultFormat::TwoDecimals,
        .compute = formula::Quotient(Input("Manufactured production stock"),
                                     Input("Average value of day production sales")),
    }},
};

const FormDescription ATSARGU_APYVARTUMAS_KARTAIS_5_14{
    .className = "ATSARGU_APYVARTUMAS_KARTAIS_5_14",
    .title = "14. Inventory turnover (times)",
    .sections = {{
        .inputs = {{"Cost of goods sold", PositiveDecimal,
                    "Inventories cost of sale must be real possitive number !!!"},
                   {"Average inventory value", PositiveDecimal,
                    "Average inventory value must be real possitive number !!!"}},
        .resultCaption = "Inventory turnover (times)",
        .resultLabels = {"Inventory turnover (times)"},
        .format = ResultFormat::TwoDecimals,
        .compute = formula::Quotient(Input("Cost of goods sold"), Input("Average inventory value")),
    }},
};

const FormDescription ATSARGU_APYVARTUMAS_DIENOMIS_5_15{
    .className = "ATSARGU_APYVARTUMAS_DIENOMIS_5_15",
    .title = "15. Inventory turnover (days)",
    .sections = {{
        .inputs = {{"Cost of goods sold", PositiveDecimal,
                    "Cost of sales must be real possitive number !!!"},
                   {"Average inventory value", PositiveDecimal,
                    "Average inventory value must be real possitive number !!!"},
                   {"Accounting period length (365 days recomended)", NaturalNumber,
                    "No. of days must be possitive natural number !!!"}},
        .resultCaption = "Inventory turnover (days)",
        .resultLabels = {"Inventory turnover (days)"},
        .format = ResultFormat::TwoDecimals,
        // The cost of goods sold is the divisor here, not the inventory.
        .compute =
            formula::Calculation{
                .results = {Input("Average inventory value") / Input("Cost of goods sold") *
                            Input("Accounting period length (365 days recomended)")},
                .guards = {IsZero(Input("Cost of goods sold"))},
            },
    }},
};

const FormDescription vTURTO_APYVARTUMAS_KARTAIS_5_16{
    .className = "vTURTO_APYVARTUMAS_KARTAIS_5_16",
    .title = "16. Asset turnover (times)",
    .sections = {{
        .inputs = {{"Total sales revenue", PositiveDecimal,
                    "Total sales revenue must be real possitive number !!!"},
                   {"Average asset value", PositiveDecimal,
                    "Average asset value must be real possitive number !!!"}},
        .resultCaption = "Asset turnover (times)",
        .resultLabels = {"Asset turnover (times)"},
        .format = ResultFormat::TwoDecimals,
        .compute = formula::Quotient(Input("Total sales revenue"), Input("Average asset value")),
    }},
};

const FormDescription DEBITORINIO_ISISKOLINIMO_APYV_DIENOMIS_5_17{
    .className = "DEBITORINIO_ISISKOLINIMO_APYV_DIENOMIS_5_17",
    .title = "17. Accounts receivable turnover (in days)",
    .heading = "17.  Accounts receivable turnover (in days)",
    .sections = {{
        .inputs = {{"Accounts receivable (average value)", PositiveDecimal,
                    "Accounts receivable must be real possitive number !!!"},
                   {"Sales", PositiveDecimal, "Sales must be real possitive number !!!"},
                   {"No. of days (365 recomended)", NaturalNumber,
                    "No. of days must be possitive natural number !!!"}},
        .resultCaption = "Accounts receivable turnover (in days)",
        .resultLabels = {"Accounts receivable turnover (in days)"},
        .format = ResultFormat::TwoDecimals,
        .compute =
            formula::Calculation{
                .results = {Input("Accounts receivable (average value)") / Input("Sales") *
                            Input("No. of days (365 recomended)")},
                .guards = {IsZero(Input("Sales"))},
            },
    }},
};

}  // namespace orvanta
