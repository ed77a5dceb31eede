#include "forms/form_protocol.h"

#include <gtest/gtest.h>

#include <cmath>

#include "ratios/balance_sheet_ratios.h"
#include "support/press_case.h"

namespace orvanta {
namespace {

using testing::ExpectPress;
using testing::FakeFormView;
using testing::Message;
using testing::Press;

const std::string kNetProfit = "Net profit must be real number !!!";
const std::string kTotalAssets = "Total assets must be real number !!!";

TEST(FormProtocol, ReturnOnAssetsWorkedValues) {
    struct Case {
        std::string x1, x2, result;
    };
    const Case cases[] = {
        {"150", "1000", "15.00"},
        {"1", "3", "33.33"},
        {"2", "3", "66.67"},
        {"-50", "200", "-25.00"},
        {"100", "-1000", "-10.00"},
        {"150", "0", "NaN"},
        {"150", "-0", "NaN"},
        {"-", "5", "0.00"},
        {"-0", "5", "-0.00"},
        {"1000000", "0.5", "200000000.00"},
        {"0", "-0.000", "NaN"},
        {"1" + std::string(400, '0'), "1", "NaN"},  // infinite: no figure to show
    };
    for (const Case& c : cases) ExpectPress({&ROA_3_2, {c.x1, c.x2}, c.result});
}

TEST(FormProtocol, OneMessagePerBadFieldInReadingOrderThenNaN) {
    struct Case {
        std::string x1, x2;
        std::vector<std::string> messages;
    };
    const Case cases[] = {
        {"", "abc", {kNetProfit, kTotalAssets}},
        {"", "", {kNetProfit, kTotalAssets}},
        {"12,5", "5", {kNetProfit}},
        {"12,5", "0", {kNetProfit}},  // a bad field comes before any guard
        {"12,5", "x", {kNetProfit, kTotalAssets}},
        {"5", " 5", {kTotalAssets}},
        {"1e5", "--5", {kNetProfit, kTotalAssets}},
    };
    for (const Case& c : cases) ExpectPress({&ROA_3_2, {c.x1, c.x2}, "NaN", c.messages});
}

TEST(FormProtocol, EachPressReplacesTheLastResult) {
    FakeFormView view;
    view.Type(0, {"12,5", "1000"});
    ComputeSection(ROA_3_2, 0, view);
    EXPECT_EQ(view.Result(0), "NaN");
    view.Type(0, {"150", "1000"});
    ComputeSection(ROA_3_2, 0, view);
    EXPECT_EQ(view.Result(0), "15.00");
    view.Type(0, {"150", ""});
    ComputeSection(ROA_3_2, 0, view);
    EXPECT_EQ(view.Result(0), "NaN");
    EXPECT_EQ(view.messages.size(), 2u);
}

// A two-section form whose second section hands its values on, to check the
// parts of the protocol that no single-section calculator exercises.
std::vector<std::pair<std::string_view, double>> stored;

const FormDescription kTwoSections{
    .className = "TWO_SECTIONS",
    .title = "Two sections",
    .sections =
        {
            {
                .inputs = {{"a", ValidationKind::SignedDecimal, "a bad", "_CAPTION_"},
                           {"b", ValidationKind::NaturalNumber, "b bad"}},
                .resultLabels = {"sum", "quotient"},
                .format = ResultFormat::FourDecimals,
                .compute =
                    formula::Calculation{
                        .results = {formula::Input("a") + formula::Input("b"),
                                    formula::Input("a") / formula::Input("b")},
                        .guards = {formula::IsZero(formula::Input("b"))},
                    },
            },
            {
                .inputs = {{"n", ValidationKind::NaturalNumber, "n bad", kErrorCaption,
                            UpperBound{1200, "n too big"}},
                           {"r", ValidationKind::PositiveDecimal, "r bad"}},
                .store =
                    [](const InputField& field, double value) {
                        stored.push_back({field.label, value});
                    },
                .opens = "REPORT_WINDOW",
            },
        },
};

TEST(FormProtocol, SectionsAreIndependentAndResultsComeAllOrNone) {
    FakeFormView view;
    view.Type(0, {"1", "4"});
    view.inputs[{1, 0}] = u"bad";
    view.results[{1, 0}] = "untouched";
    ComputeSection(kTwoSections, 0, view);
    EXPECT_TRUE(view.messages.empty());
    EXPECT_EQ(view.Result(0, 0), "5.0000");
    EXPECT_EQ(view.Result(0, 1), "0.2500");
    EXPECT_EQ(view.Result(1, 0), "untouched");

    view.Type(0, {"1", "0"});
    ComputeSection(kTwoSections, 0, view);
    EXPECT_EQ(view.Result(0, 0), "NaN");
    EXPECT_EQ(view.Result(0, 1), "NaN");

    view.Type(0, {"", "2"});
    ComputeSection(kTwoSections, 0, view);
    ASSERT_EQ(view.messages.size(), 1u);
    EXPECT_EQ(view.messages[0], (Message{"_CAPTION_", "a bad"}));
}

TEST(FormProtocol, HandingOnStoresGoodFieldsAndOpensOnlyWhenAllPass) {
    stored.clear();
    FakeFormView bad = Press(kTwoSections, 1, {"x", "2.5"});
    EXPECT_EQ(bad.MessageTexts(), std::vector<std::string>{"n bad"});
    EXPECT_TRUE(bad.opened.empty());
    EXPECT_EQ(stored, (std::vector<std::pair<std::string_view, double>>{{"r", 2.5}}));

    stored.clear();
    FakeFormView tooBig = Press(kTwoSections, 1, {"1201", "1"});
    EXPECT_EQ(tooBig.MessageTexts(), std::vector<std::string>{"n too big"});
    EXPECT_TRUE(tooBig.opened.empty());

    stored.clear();
    FakeFormView good = Press(kTwoSections, 1, {"1200", "0"});
    EXPECT_TRUE(good.messages.empty());
    EXPECT_EQ(good.opened, std::vector<std::string>{"REPORT_WINDOW"});
    EXPECT_EQ(stored, (std::vector<std::pair<std::string_view, double>>{{"n", 1200}, {"r", 0}}));
}

TEST(FormProtocol, ChooserOpensTheCheckedEntryOnly) {
    const FormDescription first{.className = "FIRST"};
    const FormDescription secondForm{.className = "SECOND"};
    const FormDescription chooser{
        .className = "CHOOSER",
        .title = "Chooser",
        .choices = {{"one", first}, {"two", secondForm}},
    };
    FakeFormView none;
    RunChooser(chooser, none);
    EXPECT_TRUE(none.opened.empty());
    EXPECT_TRUE(none.messages.empty());
    FakeFormView second;
    second.checkedChoices = {1};
    RunChooser(chooser, second);
    EXPECT_EQ(second.opened, std::vector<std::string>{"SECOND"});
}

}  // namespace
}  // namespace orvanta
