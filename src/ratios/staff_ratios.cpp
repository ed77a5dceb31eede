#include "ratios/staff_ratios.h"

namespace orvanta {

using enum ValidationKind;

namespace {

constexpr InputField kEmployeesHired{"No.of employees hired during the year ?", NaturalNumber,
                                     "Staff emplyed mus be natural possitive number !!!"};
constexpr InputField kEmployeesFired{"No.of employees fired during the year ?", NaturalNumber,
                                     "Staff fired mus be natural possitive number !!!"};
constexpr InputField kAverageEmployees{"Average No. of employees during the year ?",
                                       PositiveDecimal,
                                       "Employee turnover rate must be real possitive number !!!"};
constexpr InputField kAdministrativeStaffNo{
    "Administrative staff No.", NaturalNumber,
    "Administrative staff must be possitive natural number !!!"};
constexpr InputField kNonAdministrativeStaffNo{
    "Non-administrative staff No.", NaturalNumber,
    "Emplyee staff must be possitive natural number !!!"};

}  // namespace

// Head counts are whole people; the average over a year may have decimals.
const FormDescription DARBUOTOJU_TEKAMUMAS{
    .className = "DARBUOTOJU_TEKAMUMAS",
    .title = "3. Employee turnover rate",
    .headingStyle = HeadingStyle::Plain,
    .sections = {{
        .inputs = {kEmployeesHired, kEmployeesFired, kAverageEmployees},
        .resultCaption = "Employee turnover rate",
        .resultLabels = {"Employee turnover rate"},
        .format = ResultFormat::SixDecimals,
        // A plain ratio, not a percentage.
        .compute =
            formula::Quotient(formula::Input(kEmployeesHired) + formula::Input(kEmployeesFired),
                              formula::Input(kAverageEmployees)),
    }},
};

const FormDescription DU_ADMINISTRACIJOS_DARBUOTOJAI{
    .className = "DU_ADMINISTRACIJOS_DARBUOTOJAI",
    .title = "3. Ratio of administrative staff",
    .heading = "Ratio of administrative staff",
    .headingStyle = HeadingStyle::Plain,
    .labelAlignment = LabelAlignment::Right,
    .sections = {{
        .inputs = {kAdministrativeStaffNo, kNonAdministrativeStaffNo},
        .resultLabels = {"Ratio of administrative staff"},
        .format = ResultFormat::SixDecimals,
        // The share of administrative staff in all staff; no staff at all has none.
        .compute = formula::Quotient(
            formula::Input(kAdministrativeStaffNo),
            formula::Input(kAdministrativeStaffNo) + formula::Input(kNonAdministrativeStaffNo)),
    }},
};

}  // namespace orvanta
