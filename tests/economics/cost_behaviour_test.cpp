#include "economics/cost_behaviour.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/fake_form_view.h"

namespace orvanta {
namespace {

using testing::FakeFormView;
using testing::Press;

const FormDescription& kVariableCost = KINTAMOS_ISLAIDOS_MAZIUSI_KVADRATAI_5_7;
const FormDescription& kFixedCost = PASTOVIOS_ISLAIDOS_MAZIAUSI_KVADRATAI_5_8;

// Reading order of the grid: units of months 1 to 12, then expenses of months
// 1 to 12. Months not given are entered as 0 in both fields.
std::vector<std::string> Months(std::vector<std::string> units, std::vector<std::string> expenses) {
    units.resize(12, "0");
    expenses.resize(12, "0");
    units.insert(units.end(), expenses.begin(), expenses.end());
    return units;
}

const std::vector<std::string> kSixUnits = {"10", "20", "30", "40", "50", "60"};
const std::vector<std::string> kSixExpenses = {"150", "200", "250", "300", "350", "400"};

std::vector<std::string> SixMonthsAnd(const std::string& units7, const std::string& expenses7) {
    std::vector<std::string> units = kSixUnits;
    std::vector<std::string> expenses = kSixExpenses;
    units.push_back(units7);
    expenses.push_back(expenses7);
    return Months(units, expenses);
}

TEST(LeastSquares, VariableAndFixedCost) {
    struct Case {
        std::string name;
        std::vector<std::string> inputs;
        std::string variableCost, fixedCost;
    };
    std::vector<std::string> twelveUnits, twelveExpenses, lineUnits, lineExpenses;
    std::vector<std::string> sameUnits(12, "40"), sameExpenses(12, "300");
    for (int k = 1; k <= 12; ++k) {
        twelveUnits.push_back(std::to_string(10 * k));
        twelveExpenses.push_back(std::to_string(100 + 5 * 10 * k));
        lineUnits.push_back(std::to_string(k));
        lineExpenses.push_back(std::to_string(k < 12 ? 10 * k : 121));
    }
    std::vector<std::string> sameButOne = sameExpenses;
    sameButOne[4] = "0";

    const Case cases[] = {
        {"six months on cost = 100 + 5 x units", Months(kSixUnits, kSixExpenses), "5.0000",
         "100.0000"},
        {"twelve months on the same line", Months(twelveUnits, twelveExpenses), "5.0000",
         "100.0000"},
        {"a seventh full month on the line", SixMonthsAnd("70", "450"), "5.0000", "100.0000"},
        // A month with one figure missing is not an observation: it is left
        // out of the sums as well as the count.
        {"month 7 with units only", SixMonthsAnd("70", "0"), "5.0000", "100.0000"},
        {"month 7 with units only, zero written 0.0", SixMonthsAnd("70", "0.0"), "5.0000",
         "100.0000"},
        {"month 7 with expenses only", SixMonthsAnd("000", "450"), "5.0000", "100.0000"},
        {"units 1 to 12, expenses off the line in month 12", Months(lineUnits, lineExpenses),
         "10.0385", "-0.1667"},
        {"expenses with decimals", Months({"1", "2"}, {"2.5", "4.5"}), "2.0000", "0.5000"},
        {"all months zero", Months({}, {}), "NaN", "NaN"},
        {"a single month", Months({"10"}, {"150"}), "NaN", "NaN"},
        {"one full month and two half months", Months({"10", "20", "0"}, {"150", "0", "250"}),
         "NaN", "NaN"},
        {"one units figure in every month", Months(sameUnits, sameExpenses), "NaN", "NaN"},
        {"one units figure in the eleven months used", Months(sameUnits, sameButOne), "NaN", "NaN"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const FakeFormView variable = Press(kVariableCost, 0, c.inputs);
        EXPECT_TRUE(variable.messages.empty());
        EXPECT_EQ(variable.Result(0), c.variableCost);
        const FakeFormView fixed = Press(kFixedCost, 0, c.inputs);
        EXPECT_TRUE(fixed.messages.empty());
        EXPECT_EQ(fixed.Result(0), c.fixedCost);
    }
}

std::string Suffix(int k) { return k == 1 ? "st" : k == 2 ? "nd" : k == 3 ? "rd" : "th"; }

// "1st" in messages, "1 st" in labels.
std::string Ordinal(int k) { return std::to_string(k) + Suffix(k); }
std::string SpacedOrdinal(int k) { return std::to_string(k) + " " + Suffix(k); }

TEST(LeastSquares, GridLabelsAndMessagesInReadingOrder) {
    struct Form {
        const FormDescription* form;
        std::string unitsMessage;  // after the ordinal
        std::string secondExpensesMessage;
    };
    const Form forms[] = {
        {&kVariableCost, " month units produced must be possitive natural number !!!",
         "2nd st month production expences must be real possitive number !!!"},
        {&kFixedCost, " month production in units must be possitive natural number !!!",
         "2nd month production expences must be real possitive number !!!"},
    };
    for (const Form& f : forms) {
        SCOPED_TRACE(std::string(f.form->className));
        const Section& section = f.form->sections[0];
        EXPECT_EQ(section.inputLayout, InputLayout::TwoColumnGrid);
        EXPECT_EQ(section.inputGroupCaption, "Months");
        ASSERT_EQ(section.inputs.size(), 24u);

        std::vector<std::string> expected;
        for (int k = 1; k <= 12; ++k) {
            const std::string spaced = SpacedOrdinal(k);
            EXPECT_EQ(section.inputs[k - 1].label, spaced + " month production in units");
            EXPECT_EQ(section.inputs[k - 1].kind, ValidationKind::NaturalNumber);
            EXPECT_EQ(section.inputs[11 + k].label, spaced + " month production expences");
            EXPECT_EQ(section.inputs[11 + k].kind, ValidationKind::PositiveDecimal);
            expected.push_back(Ordinal(k) + f.unitsMessage);
        }
        for (int k = 1; k <= 12; ++k) {
            expected.push_back(k == 2 ? f.secondExpensesMessage
                                      : Ordinal(k) +
                                            " month production expences must be real "
                                            "possitive number !!!");
        }
        const FakeFormView empty = Press(*f.form, 0, std::vector<std::string>(24, ""));
        EXPECT_EQ(empty.MessageTexts(), expected);
        EXPECT_EQ(empty.Result(0), "NaN");

        // A bad units month comes before a bad expenses month of an earlier month.
        std::vector<std::string> inputs = Months(kSixUnits, kSixExpenses);
        inputs[2] = "2.5";
        inputs[12 + 1] = "";
        const FakeFormView two = Press(*f.form, 0, inputs);
        EXPECT_EQ(two.MessageTexts(), (std::vector<std::string>{expected[2], expected[13]}));
        EXPECT_EQ(two.Result(0), "NaN");
    }
}

}  // namespace
}  // namespace orvanta
