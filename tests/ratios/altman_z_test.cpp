#include "ratios/altman_z.h"

#include "support/press_case.h"

namespace orvanta {
namespace {

using testing::PressCase;

const std::vector<std::string> kNoScores = {"NaN", "NaN", "NaN"};

TEST(AltmanZ, ScoresGuardsAndSigns) {
    const PressCase cases[] = {
        {&ALTMAN_Z_3,
         {"500", "300", "200", "100", "400", "600", "1500"},
         {"3.336000", "2.396000", "2.742500"}},
        // Total assets 200: negative earnings and equity enter with their sign.
        {&ALTMAN_Z_3,
         {"500", "300", "-200", "-100", "-400", "600", "1500"},
         {"-0.760000", "5.499000", "5.212500"}},
        {&ALTMAN_Z_3, {"0", "0", "0", "0", "0", "1", "0"}, {"0.000000", "0.000000", "0.000000"}},
        {&ALTMAN_Z_3,
         {"500", "300", "200", "100", "400", "600", "-5"},
         {"3.336000", "0.898525", "1.245025"}},
        // Equity equal to minus liabilities leaves no total assets.
        {&ALTMAN_Z_3, {"500", "300", "200", "100", "-600", "600", "1500"}, kNoScores},
        {&ALTMAN_Z_3, {"500", "300", "200", "100", "400", "0", "1500"}, kNoScores},
        {&ALTMAN_Z_3,
         {"500", "300", "200", "100", "400", "-5", "1500"},
         kNoScores,
         {"Total liabilities must be real possitive number !!!"}},
        {&ALTMAN_Z_3,
         {"500", "-300", "200", "100", "400", "600", "1500"},
         kNoScores,
         {"Current liabilities must be real possitive number !!!"}},
    };
    for (const PressCase& c : cases) ExpectPress(c);
}

TEST(AltmanZ, OnlyTheFirstFieldSpeaksLithuanian) {
    const testing::FakeFormView view =
        testing::Press(ALTMAN_Z_3, 0, {"", "300", "x", "100", "400", "600", "1500"});
    EXPECT_EQ(view.messages,
              (std::vector<testing::Message>{
                  {"_KLAIDA !!!_", "Trumpalaikis turtas turi būti realus teigiamas skaičius"},
                  {"ERROR !!!", "Retained earnings must be real number !!!"}}));
    EXPECT_EQ(view.Result(0, 2), "NaN");
}

}  // namespace
}  // namespace orvanta
