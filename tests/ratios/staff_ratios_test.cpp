#include "ratios/staff_ratios.h"

#include "support/press_case.h"

namespace orvanta {
namespace {

using testing::PressCase;

const std::string kHired = "Staff emplyed mus be natural possitive number !!!";
const std::string kFired = "Staff fired mus be natural possitive number !!!";
const std::string kAdministrative = "Administrative staff must be possitive natural number !!!";
const std::string kOthers = "Emplyee staff must be possitive natural number !!!";

TEST(StaffRatios, HeadCountsAreNaturalNumbers) {
    const PressCase cases[] = {
        {&DARBUOTOJU_TEKAMUMAS, {"10", "5", "50"}, {"0.300000"}},
        {&DARBUOTOJU_TEKAMUMAS, {"10", "5", "12.5"}, {"1.200000"}},
        {&DARBUOTOJU_TEKAMUMAS, {"0", "0", "20"}, {"0.000000"}},
        {&DARBUOTOJU_TEKAMUMAS, {"10", "5", "0"}, {"NaN"}},
        {&DARBUOTOJU_TEKAMUMAS, {"2.5", "5", "50"}, {"NaN"}, {kHired}},
        {&DARBUOTOJU_TEKAMUMAS, {"10", "-1", "50"}, {"NaN"}, {kFired}},
        {&DARBUOTOJU_TEKAMUMAS,
         {" 10", "5", "-50"},
         {"NaN"},
         {kHired, "Employee turnover rate must be real possitive number !!!"}},
        {&DU_ADMINISTRACIJOS_DARBUOTOJAI, {"5", "15"}, {"0.250000"}},
        {&DU_ADMINISTRACIJOS_DARBUOTOJAI, {"0", "7"}, {"0.000000"}},
        {&DU_ADMINISTRACIJOS_DARBUOTOJAI, {"3", "0"}, {"1.000000"}},
        {&DU_ADMINISTRACIJOS_DARBUOTOJAI, {"1", "2"}, {"0.333333"}},
        {&DU_ADMINISTRACIJOS_DARBUOTOJAI, {"0", "000"}, {"NaN"}},
        {&DU_ADMINISTRACIJOS_DARBUOTOJAI, {"1.5", "10"}, {"NaN"}, {kAdministrative}},
        {&DU_ADMINISTRACIJOS_DARBUOTOJAI, {"10", ""}, {"NaN"}, {kOthers}},
        {&DU_ADMINISTRACIJOS_DARBUOTOJAI, {"-1", "+2"}, {"NaN"}, {kAdministrative, kOthers}},
    };
    for (const PressCase& c : cases) ExpectPress(c);
}

}  // namespace
}  // namespace orvanta
