#include <gtest/gtest.h>

#include <set>

#include "catalogue/catalogue.h"
#include "investment/mortgage_forms.h"
#include "support/press_case.h"

namespace orvanta {
namespace {

using testing::FakeFormView;
using testing::Press;

using testing::PressCase;

TEST(Mortgage, PaymentAndBalance) {
    const std::string kTiny = "0.0000000000000001";  // 1 + r rounds to 1
    const PressCase cases[] = {
        {&PASKOLOS_6_7, {"100000", "1", "12"}, "8884.88"},
        {&PASKOLOS_6_7, {"200000", "0.5", "360"}, "1199.10"},
        {&PASKOLOS_6_7, {"1000", "10", "1"}, "1100.00"},
        {&PASKOLOS_6_7, {"1000", "1", "0"}, "NaN"},
        // Interest-free loans are repaid in equal parts.
        {&PASKOLOS_6_7, {"1200", "0", "12"}, "100.00"},
        {&PASKOLOS_6_7, {"1200", kTiny, "12"}, "100.00"},
        {&PASKOLOS_6_7, {"1200", "0", "0"}, "NaN"},
        {&PASKOLOS_6_7,
         {"1200", "-1", "2.5"},
         "NaN",
         {"Period interest rate must be real possitive number !!!",
          "No. of periods must be possitive natural number !!!"}},
        {&PASKOLOS_DALINAI_APMOKETOS_6_7, {"100000", "1", "12", "6"}, "51492.11"},
        {&PASKOLOS_DALINAI_APMOKETOS_6_7, {"100000", "1", "12", "0"}, "100000.00"},
        {&PASKOLOS_DALINAI_APMOKETOS_6_7, {"100000", "1", "12", "12"}, "0.00"},
        {&PASKOLOS_DALINAI_APMOKETOS_6_7, {"100000", "1", "12", "13"}, "-8884.88"},
        {&PASKOLOS_DALINAI_APMOKETOS_6_7, {"1200", "0", "12", "3"}, "900.00"},
        {&PASKOLOS_DALINAI_APMOKETOS_6_7, {"1200", kTiny, "12", "12"}, "0.00"},
        {&PASKOLOS_DALINAI_APMOKETOS_6_7, {"1200", "0", "12", "13"}, "-100.00"},
        {&PASKOLOS_DALINAI_APMOKETOS_6_7, {"1200", "0", "0", "0"}, "NaN"},
        {&PASKOLOS_DALINAI_APMOKETOS_6_7, {"1200", "1", "0", "0"}, "NaN"},
        {&PASKOLOS_DALINAI_APMOKETOS_6_7,
         {"", "1", "12", "-1"},
         "NaN",
         {"Mortgage ammount must be real possitive number !!!",
          "Number of payments must be possitive natural number !!!"}},
    };
    for (const PressCase& c : cases) ExpectPress(c);
}

TEST(Mortgage, ChooserOpensTheCheckedToolAndEveryTargetIsRegistered) {
    const std::vector<std::string> tools = {"PASKOLOS_6_7", "PASKOLOS_GRAF_6_7",
                                            "PASKOLOS_DALINAI_APMOKETOS_6_7"};
    for (std::size_t c = 0; c < tools.size(); ++c) {
        SCOPED_TRACE(c);
        FakeFormView view;
        view.checkedChoices = {c};
        RunChooser(PASKOLOS_MAIN_6_7, view);
        EXPECT_EQ(view.opened, std::vector<std::string>{tools[c]});
    }
    FakeFormView none;
    RunChooser(PASKOLOS_MAIN_6_7, none);
    EXPECT_TRUE(none.opened.empty());
    EXPECT_TRUE(none.messages.empty());

    std::set<std::string_view> registered;
    for (const FormDescription* form : FormsOfPage(4)) registered.insert(form->className);
    EXPECT_EQ(registered.size(), 10u);  // no class registered twice
    for (const Choice& choice : PASKOLOS_MAIN_6_7.choices)
        EXPECT_TRUE(registered.count(choice.opens));
}

}  // namespace
}  // namespace orvanta
