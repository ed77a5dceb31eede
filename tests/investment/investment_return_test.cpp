#include "investment/investment_return.h"

#include <gtest/gtest.h>

#include "support/press_case.h"

namespace orvanta {
namespace {

using testing::PressCase;

TEST(InvestmentReturn, ResultsGuardsAndMessages) {
    const std::string kSumInvested = "Total sum invested must be real possitive number !!!";
    const std::string kArrPeriods = "Investment periods mus be natural possitive number !!!";
    const PressCase cases[] = {
        {&ROI_6_1, {"-50", "200"}, "-25.0000"},
        {&ROI_6_1, {"150", "1000"}, "15.0000"},
        {&ROI_6_1, {"1", "3"}, "33.3333"},  // the quotient first, then × 100
        {&ROI_6_1, {"150", "0"}, "NaN"},
        {&ROI_6_1, {"150", "-200"}, "NaN", {kSumInvested}},
        {&ROI_6_1,
         {"abc", "-200"},
         "NaN",
         {"Profit from investment must be real number !!!", kSumInvested}},
        {&EVA_6_2, {"1000", "5000", "10"}, "500.000000"},
        {&EVA_6_2, {"100", "5000", "10"}, "-400.000000"},
        {&EVA_6_2,
         {"100", "5000", "-10"},
         "NaN",
         {"Cost of capital must be real possitive number !!!"}},
        {&ROCE_6_3, {"150", "1000"}, "15.00"},
        {&ROCE_6_3, {"150", "0"}, "NaN"},
        {&ROCE_6_3,
         {"", ""},
         "NaN",
         {"EBIT must be real possitive number !!!",
          "Capital employed must be real possitive number !!!"}},
        {&ARR_6_4, {"1500", "1000", "200", "5"}, "16.666667"},
        {&ARR_6_4, {"1500", "1000", "200", "0"}, "NaN"},
        {&ARR_6_4, {"1500", "1000", "200", "2.5"}, "NaN", {kArrPeriods}},
        {&ARR_6_4, {"100", "0", "0", "1"}, "NaN"},  // average investment 0: no figure
        {&ARR_6_4, {"0", "0", "0", "1"}, "NaN"},
        {&ARR_6_4, {"1000", "1500", "500", "2"}, "-25.000000"},
        {&DISCOUNTING_6_5, {"1000", "10", "2"}, "826.45"},
        {&DISCOUNTING_6_5, {"1000", "10", "0"}, "1000.00"},
        {&DISCOUNTING_6_5,
         {"1000", "10", "-2"},
         "NaN",
         {"No. of periods must be possitive natural number !!!"}},
        {&COMPOUNDING_6_6, {"1000", "10", "2"}, "1210.00"},
        {&COMPOUNDING_6_6, {"1234.567", "0", "30"}, "1234.57"},
        {&COMPOUNDING_6_6,
         {"x", "y", "1"},
         "NaN",
         {"Present value must be real possitive number !!!",
          "Discount rate must be real possitive number !!!"}},
    };
    for (const PressCase& c : cases) ExpectPress(c);
}

}  // namespace
}  // namespace orvanta
