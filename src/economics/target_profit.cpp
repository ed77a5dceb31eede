#include "economics/target_profit.h"

namespace orvanta {

using enum ValidationKind;

namespace {

// The share of a profit that is left after taxes; the wanted net profit is
// divided by it to get the profit before taxes. A rate above 100 makes it
// negative, which is accepted.
double AfterTaxShare(double taxesPercent) { return 1 - taxesPercent / 100; }

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
                .compute = [](std::span<const double> x) -> Results {
                    if (x[3] == 0) return NoValue;
                    return {{(x[1] * x[3] + x[0] + x[2]) / x[3]}};
                },
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
                .compute = [](std::span<const double> x) -> Results {
                    const double margin = x[1] - x[2];
                    if (margin == 0) return NoValue;
                    return {{(x[3] + x[0]) / margin}};
                },
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
                .compute = [](std::span<const double> x) -> Results {
                    if (x[1] == 0) return NoValue;
                    return {{(x[0] / x[1] - 1) * 100}};
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
                .compute = [](std::span<const double> x) -> Results {
                    if (x[2] == 0) return NoValue;
                    return {{(x[1] + x[0]) / x[2]}};
                },
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
                .compute = [](std::span<const double> x) -> Results {
                    const double share = AfterTaxShare(x[1]);
                    if (share == 0) return NoValue;
                    if (x[2] == 0) return NoValue;
                    const double profitBeforeTaxes = x[0] / share;
                    return {{(x[3] * x[2] + profitBeforeTaxes + x[4]) / x[2]}};
                },
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
                .compute = [](std::span<const double> x) -> Results {
                    const double share = AfterTaxShare(x[1]);
                    if (share == 0) return NoValue;
                    const double margin = x[2] - x[3];
                    if (margin == 0) return NoValue;
                    return {{(x[0] / share + x[4]) / margin}};
                },
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
                .compute = [](std::span<const double> x) -> Results {
                    const double share = AfterTaxShare(x[1]);
                    if (share == 0) return NoValue;
                    if (x[2] == 0) return NoValue;
                    return {{(x[0] / share + x[3]) / x[2]}};
                },
                .column = 1,
            },
        },
};

}  // namespace orvanta
