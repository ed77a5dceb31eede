#include "economics/cost_behaviour.h"

#include <array>

#include "economics/least_squares.h"

namespace orvanta {

using enum ValidationKind;

namespace {

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

MonthlySums SumMonths(std::span<const double> x) {
    if (x.size() < 2 * kMonths) return {};  // no line to fit: the divisor is 0
    return SumUsedMonths(x.first(kMonths), x.subspan(kMonths, kMonths));
}

}  // namespace

const FormDescription KINTAMOS_ISLAIDOS_MIN_MAX_5_6{
    .className = "KINTAMOS_ISLAIDOS_MIN_MAX_5_6",
    .title = "6. Variable cost (min-max method)",
    .sections = {{
        .inputs = {{"Total cost (minimum producing ammount)", PositiveDecimal,
                    "Total cost must be real possitive number !!!"},
                   {"Production quantity in units (minimum producing ammount)", PositiveDecimal,
                    "Minimum production quantity in units must be real possitive number !!!"},
                   {"Total cost (maximum producing ammount)", PositiveDecimal,
                    "Total cost must be real possitive number !!!"},
                   {"Production quantity in units (maximum producing ammount)", PositiveDecimal,
                    "Maximum production quantity in units must be real possitive number !!!"}},
        .resultCaption = "Variable cost",
        .resultLabels = {"Variable cost"},
        .format = ResultFormat::FourDecimals,
        .compute = [](std::span<const double> x) -> Results {
            // The two observations may come in either order; the sign follows.
            const double quantityDifference = x[3] - x[1];
            if (quantityDifference == 0) return NoValue;
            return {{(x[2] - x[0]) / quantityDifference}};
        },
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
        .compute = [](std::span<const double> x) -> Results {
            const MonthlySums s = SumMonths(x);
            const double divisor = s.Divisor();
            if (divisor == 0) return NoValue;
            return {{(s.sumXY * s.count - s.sumY * s.sumX) / divisor}};
        },
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
        .compute = [](std::span<const double> x) -> Results {
            const MonthlySums s = SumMonths(x);
            const double divisor = s.Divisor();
            if (divisor == 0) return NoValue;
            return {{(s.sumY * s.sumXSquared - s.sumXY * s.sumX) / divisor}};
        },
        .inputLayout = InputLayout::TwoColumnGrid,
        .inputGroupCaption = "Months",
    }},
};

}  // namespace orvanta
