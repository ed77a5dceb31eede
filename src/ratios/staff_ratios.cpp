#include "ratios/staff_ratios.h"

namespace orvanta {

using enum ValidationKind;

// Head counts are whole people; the average over a year may have decimals.
const FormDescription DARBUOTOJU_TEKAMUMAS{
    .className = "DARBUOTOJU_TEKAMUMAS",
    .title = "3. Employee turnover rate",
    .headingStyle = HeadingStyle::Plain,
    .sections = {{
        .inputs = {{"No.of employees hired during the year ?", NaturalNumber,
                    "Staff emplyed mus be natural possitive number !!!"},
                   {"No.of employees fired during the year ?", NaturalNumber,
                    "Staff fired mus be natural possitive number !!!"},
                   {"Average No. of employees during the year ?", PositiveDecimal,
                    "Employee turnover rate must be real possitive number !!!"}},
        .resultCaption = "Employee turnover rate",
        .resultLabels = {"Employee turnover rate"},
        .format = ResultFormat::SixDecimals,
        .compute = [](std::span<const double> x) -> Results {
            if (x[2] == 0) return NoValue;
            return {{(x[0] + x[1]) / x[2]}};  // a plain ratio, not a percentage
        },
    }},
};

const FormDescription DU_ADMINISTRACIJOS_DARBUOTOJAI{
    .className = "DU_ADMINISTRACIJOS_DARBUOTOJAI",
    .title = "3. Ratio of administrative staff",
    .heading = "Ratio of administrative staff",
    .headingStyle = HeadingStyle::Plain,
    .labelAlignment = LabelAlignment::Right,
    .sections = {{
        .inputs = {{"Administrative staff No.", NaturalNumber,
                    "Administrative staff must be possitive natural number !!!"},
                   {"Non-administrative staff No.", NaturalNumber,
                    "Emplyee staff must be possitive natural number !!!"}},
        .resultLabels = {"Ratio of administrative staff"},
        .format = ResultFormat::SixDecimals,
        .compute = [](std::span<const double> x) -> Results {
            // The share of administrative staff in all staff; no staff at all has none.
            const double allStaff = x[0] + x[1];
            if (allStaff == 0) return NoValue;
            return {{x[0] / allStaff}};
        },
    }},
};

}  // namespace orvanta
