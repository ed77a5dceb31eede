#include "economics/cost_behaviour.h"

#include <array>

namespace orvanta {

using enum ValidationKind;

namespace {

constexpr InputField kMinimumTotalCost{"Total cost (minimum producing ammount)", PositiveDecimal,
                                       "Total cost must be real possitive number !!!"};
constexpr InputField kMinimumUnits{
    "Production quantity in units (minimum producing ammount)", PositiveDecimal,
    "Minimum production quantity in units must be real possitive number !!!"};
constexpr InputField kMaximumTotalCost{"Total cost (maximum producing ammount)", PositiveDecimal,
                                       "Total cost must be real possitive number !!!"};
constexpr InputField kMaximumUnits{
    "Production quantity in units (maximum producing ammount)", PositiveDecimal,
    "Maximum production quantity in units must be real possitive number !!!"};

constexpr std::size_t kMonths = 12;

struct MonthLabels {
    std::string_view units;
    std::string_view expenses;
};

constexpr std::array<MonthLabels, kMonths> kMonthLabels{{
    {"1 st month production in units", "1 st month production expences"},
    {"2 nd month production in units", "2 nd month production expences"},
    {"3 rd month production in units", "3 rd month production expences"},
    {"4 th month production in units", "4 th month production expences"},
    {"5 th month production in units", "5 th month production expences"},
    {"6 th month production in units", "6 th month production expences"},
    {"7 th month production in units", "7 th month production expences"},
    {"8 th month production in units", "8 th month production expences"},
    {"9 th month production in units", "9 th month production expences"},
    {"10 th month production in units", "10 th month production expences"},
    {"11 th month production in units", "11 th month production expences"},
    {"12 th month production in units", "12 th month production expences"},
}};

struct MonthMessages {
    std::string_view units;
    std::string_view expenses;
};

constexpr std::array<MonthMessages, kMonths> kVariableCostMessages{{
    {"1st month units produced must be possitive natural number !!!",
     "1st month production expences must be real possitive number !!!"},
    {"2nd month units produced must be possitive natural number !!!",
     "2nd st month production expences must be real possitive number !!!"},
    {"3rd month units produced must be possitive natural number !!!",
     "3rd month production expences must be real possitive number !!!"},
    {"4th month units produced must be possitive natural number !!!",
     "4th month production expences must be real possitive number !!!"},
    {"5th month units produced must be possitive natural number !!!",
     "5th month production expences must be real possitive number !!!"},
    {"6th month units produced must be possitive natural number !!!",
     "6th month production expences must be real possitive number !!!"},
    {"7th month units produced must be possitive natural number !!!",
     "7th month production expences must be real possitive number !!!"},
    {"8th month units produced must be possitive natural number !!!",
     "8th month production expences must be real possitive number !!!"},
    {"9th month units produced must be possitive natural number !!!",
     "9th month production expences must be real possitive number !!!"},
    {"10th month units produced must be possitive natural number !!!",
     "10th month production expences must be real possitive number !!!"},
    {"11th month units produced must be possitive natural number !!!",
     "11th month production expences must be real possitive number !!!"},
    {"12th month units produced must be possitive natural number !!!",
     "12th month production expences must be real possitive number !!!"},
}};

constexpr std::array<MonthMessages, kMonths> kFixedCostMessages{{
    {"1st month production in units must be possitive natural number !!!",
     "1st month production expences must be real possitive number !!!"},
    {"2nd month production in units must be possitive natural number !!!",
     "2nd month production expences must be real possitive number !!!"},
    {"3rd month production in units must be possitive natural number !!!",
     "3rd month production expences must be real possitive number !!!"},
    {"4th month production in units must be possitive natural number !!!",
     "4th month production expences must be real possitive number !!!"},
    {"5th month production in units must be possitive natural number !!!",
     "5th month production expences must be real possitive number !!!"},
    {"6th month production in units must be possitive natural number !!!",
     "6th month production expences must be real possitive number !!!"},
    {"7th month production in units must be possitive natural number !!!",
     "7th month production expences must be real possitive number !!!"},
    {"8th month production in units must be possitive natural number !!!",
     "8th month production expences must be real possitive number !!!"},
    {"9th month production in units must be possitive natural number !!!",
     "9th month production expences must be real possitive number !!!"},
    {"10th month production in units must be possitive natural number !!!",
     "10th month production expences must be real possitive number !!!"},
    {"11th month production in units must be possitive natural number !!!",
     "11th month production expences must be real possitive number !!!"},
    {"12th month production in units must be possitive natural number !!!",
     "12th month production expences must be real possitive number !!!"},
}};

// The twelve units fields, then the twelve expenses fields: the reading order
// of the "Months" grid, whose first half fills the left column.
std::vector<InputField> MonthFields(const std::array<MonthMessages, kMonths>& messages) {
    std::vector<InputField> fields;
    fields.reserve(2 * kMonths);
    for (std::size_t k = 0; k < kMonths; ++k) {
        fields.push_back({kMonthLabels[k].units, NaturalNumber, messages[k].units});
    }
    for (std::size_t k = 0; k < kMonths; ++k) {
        fields.push_back({kMonthLabels[k].expenses, PositiveDecimal, messages[k].expenses});
    }
    return fields;
}

// The straight line expenses = fixed + variable × units through the months,
// by least squares. A month counts only when both its figures are non-zero;
// every sum and the count run over the same months, in month order.
struct LeastSquares {
    formula::Expr n, sumX, sumXSquared, sumY, sumXY, divisor;
};

LeastSquares MonthlyLine() {
    using formula::Row;
    formula::RowTable table{
        .placeholders = {"x", "y"},
        .rows = {},
        .over = "the months whose units and expenses are both non-zero",
        .meaning = "x being a month's production in units and y its production expences",
        .count = "the number of those months",
    };
    for (const MonthLabels& month : kMonthLabels) {
        table.rows.push_back({formula::Input(month.units), formula::Input(month.expenses)});
    }
    const auto months =
        formula::Rows(std::move(table),
                      formula::Both(formula::IsNonZero(Row("x")), formula::IsNonZero(Row("y"))));
    LeastSquares line{
        .n = formula::Named("n", formula::Count(months)),
        .sumX = formula::Sum(months, Row("x")),
        .sumXSquared = formula::Sum(months, Row("x") * Row("x")),
        .sumY = formula::Sum(months, Row("y")),
        .sumXY = formula::Sum(months, Row("x") * Row("y")),
        .divisor = 0.0,
    };
    line.divisor = formula::Named("D", line.n * line.sumXSquared - line.sumX * line.sumX);
    return line;
}

formula::Calculation VariableCost() {
    const LeastSquares s = MonthlyLine();
    return {.results = {(s.sumXY * s.n - s.sumY * s.sumX) / s.divisor},
            .guards = {formula::IsZero(s.divisor)}};
}

formula::Calculation FixedCost() {
    const LeastSquares s = MonthlyLine();
    return {.results = {(s.sumY * s.sumXSquared - s.sumXY * s.sumX) / s.divisor},
            .guards = {formula::IsZero(s.divisor)}};
}

}  // namespace

const FormDescription KINTAMOS_ISLAIDOS_MIN_MAX_5_6{
    .className = "KINTAMOS_ISLAIDOS_MIN_MAX_5_6",
    .title = "6. Variable cost (min-max method)",
    .sections = {{
        .inputs = {kMinimumTotalCost, kMinimumUnits, kMaximumTotalCost, kMaximumUnits},
        .resultCaption = "Variable cost",
        .resultLabels = {"Variable cost"},
        .format = ResultFormat::FourDecimals,
        // The two observations may come in either order; the sign follows.
        .compute =
            formula::Quotient(formula::Input(kMaximumTotalCost) - formula::Input(kMinimumTotalCost),
                              formula::Input(kMaximumUnits) - formula::Input(kMinimumUnits)),
    }},
};

const FormDescription KINTAMOS_ISLAIDOS_MAZIUSI_KVADRATAI_5_7{
    .className = "KINTAMOS_ISLAIDOS_MAZIUSI_KVADRATAI_5_7",
    .title = "7. Variable cost (least squares method)",
    .sections = {{
        .inputs = MonthFields(kVariableCostMessages),
        .resultCaption = "Variable cost (least squares method)",
        .resultLabels = {"Variable cost (least squares method)"},
        .format = ResultFormat::FourDecimals,
        .compute = VariableCost(),
        .inputLayout = InputLayout::TwoColumnGrid,
        .inputGroupCaption = "Months",
    }},
};

const FormDescription PASTOVIOS_ISLAIDOS_MAZIAUSI_KVADRATAI_5_8{
    .className = "PASTOVIOS_ISLAIDOS_MAZIAUSI_KVADRATAI_5_8",
    .title = "8. Fixed cost (least squares method)",
    .sections = {{
        .inputs = MonthFields(kFixedCostMessages),
        .resultCaption = "Fixed cost (least squares method)",
        .resultLabels = {"Fixed cost (least squares method)"},
        .format = ResultFormat::FourDecimals,
        .compute = FixedCost(),
        .inputLayout = InputLayout::TwoColumnGrid,
        .inputGroupCaption = "Months",
    }},
};

}  // namespace orvanta
