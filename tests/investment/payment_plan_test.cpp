#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>

#include "forms/report_pages.h"
#include "investment/mortgage_forms.h"
#include "investment/mortgage_plan.h"
#include "support/fake_form_view.h"

namespace orvanta {
namespace {

using testing::FakeFormView;
using testing::Message;
using testing::Press;

const std::string kHead =
    "MORTGAGE CALCULATOR\r\n"
    "                                                  \r\n"
    " \u2022MONTHS  \u2022PAYMENT     \u2022INTEREST  \u2022CAPITAL COV.   \u2022UNCOVERED CAPITAL "
    "BALANCE\r\n"
    "__________________________________________________________\r\n";
const std::string kFoot =
    "__________________________________________________________\r\n"
    "HTTPS://ORVANTA.EXAMPLE/ \u00A9 2026";

std::string Plan(double amount, double rate, double periods) {
    return BuildPaymentPlanText({amount, rate, periods});
}

std::size_t LineFeeds(const std::string& text) {
    return static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
}

TEST(PaymentPlan, WholeTextOfAnOrdinaryLoanClosesAtZero) {
    EXPECT_EQ(Plan(1000, 1, 12), kHead +
                                     "1 month: 88.85\t\t10.00\t\t78.85\t\t921.15\r\n"
                                     "2 month: 88.85\t\t9.21\t\t79.64\t\t841.51\r\n"
                                     "3 month: 88.85\t\t8.42\t\t80.43\t\t761.08\r\n"
                                     "4 month: 88.85\t\t7.61\t\t81.24\t\t679.84\r\n"
                                     "5 month: 88.85\t\t6.80\t\t82.05\t\t597.79\r\n"
                                     "6 month: 88.85\t\t5.98\t\t82.87\t\t514.92\r\n"
                                     "7 month: 88.85\t\t5.15\t\t83.70\t\t431.22\r\n"
                                     "8 month: 88.85\t\t4.31\t\t84.54\t\t346.68\r\n"
                                     "9 month: 88.85\t\t3.47\t\t85.38\t\t261.30\r\n"
                                     "10 month: 88.85\t\t2.61\t\t86.24\t\t175.07\r\n"
                                     "11 month: 88.85\t\t1.75\t\t87.10\t\t87.97\r\n"
                                     "12 month: 88.85\t\t0.88\t\t87.97\t\t0.00\r\n" +
                                     kFoot);
}

TEST(PaymentPlan, EdgeCases) {
    struct Case {
        double amount, rate, periods;
        std::string rows;
    };
    const Case cases[] = {
        {1000, 1, 0, ""},
        {1000, 10, 1, "1 month: 1100.00\t\t100.00\t\t1000.00\t\t0.00\r\n"},
        {0, 5, 2,
         "1 month: 0.00\t\t0.00\t\t0.00\t\t0.00\r\n"
         "2 month: 0.00\t\t0.00\t\t0.00\t\t0.00\r\n"},
        // Interest-free: equal parts, no interest, closing at zero.
        {300, 0, 3,
         "1 month: 100.00\t\t0.00\t\t100.00\t\t200.00\r\n"
         "2 month: 100.00\t\t0.00\t\t100.00\t\t100.00\r\n"
         "3 month: 100.00\t\t0.00\t\t100.00\t\t0.00\r\n"},
        {1e9, 1e-17, 2,
         "1 month: 500000000.00\t\t0.00\t\t500000000.00\t\t500000000.00\r\n"
         "2 month: 500000000.00\t\t0.00\t\t500000000.00\t\t0.00\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.amount << " " << c.rate << " " << c.periods);
        const std::string text = Plan(c.amount, c.rate, c.periods);
        EXPECT_EQ(text, kHead + c.rows + kFoot);
    }

    // 11^1200 overflows: only the first interest can be computed, and the last
    // row does not pretend that the loan is settled.
    const std::string overflow = Plan(1000, 1000, 1200);
    EXPECT_EQ(LineFeeds(overflow), 1205u);
    EXPECT_NE(overflow.find("\r\n1 month: NaN\t\t10000.00\t\tNaN\t\tNaN\r\n"), std::string::npos);
    EXPECT_NE(overflow.find("\r\n1200 month: NaN\t\tNaN\t\tNaN\t\tNaN\r\n"), std::string::npos);
}

TEST(PaymentPlan, BalancesDoNotDriftOnLongHighRateLoans) {
    const std::string text = Plan(219332, 15, 253);
    EXPECT_NE(text.find("\r\n252 month: 32899.80\t\t8022.82\t\t24876.98\t\t28608.52\r\n"
                        "253 month: 32899.80\t\t4291.28\t\t28608.52\t\t0.00\r\n" +
                        kFoot),
              std::string::npos);
}

// For loans of ordinary size every row takes its capital covered off the
// previous balance, and the capital covered adds up to the amount, both to
// the cent as computed (the printed cents may each round either way).
TEST(PaymentPlan, RowsTakeTheCapitalCoveredOffTheBalanceAndCoverTheAmount) {
    std::mt19937 random(20261210);
    std::uniform_int_distribution<int> cents(10000, 100000000);  // 100.00 to 1 000 000.00
    std::uniform_int_distribution<int> hundredths(0, 300);       // 0.00 % to 3.00 % a period
    std::uniform_int_distribution<int> months(1, 480);
    for (int plan = 0; plan < 500; ++plan) {
        const MortgagePlanInputs in{cents(random) / 100.0, hundredths(random) / 100.0,
                                    static_cast<double>(months(random))};
        SCOPED_TRACE(::testing::Message()
                     << in.amount << " at " << in.rate << " % over " << in.periods);
        const std::vector<PlanRow> rows = PaymentPlanRows(in);
        ASSERT_EQ(rows.size(), static_cast<std::size_t>(in.periods));
        double balance = in.amount;
        double covered = 0;
        for (std::size_t k = 0; k < rows.size(); ++k) {
            EXPECT_NEAR(balance - rows[k].covered, rows[k].balance, 0.01) << "row " << k + 1;
            EXPECT_NEAR(rows[k].payment, rows[k].interest + rows[k].covered, 0.01)
                << "row " << k + 1;
            balance = rows[k].balance;
            covered += rows[k].covered;
        }
        EXPECT_NEAR(covered, in.amount, 0.01);
        EXPECT_EQ(balance, 0.0);
    }
}

TEST(PaymentPlan, FooterIsThirtyOneCharacters) {
    const std::string text = Plan(0, 0, 0);
    const std::string footer = text.substr(text.rfind('\n') + 1);
    const auto characters =
        std::count_if(footer.begin(), footer.end(), [](char c) { return (c & 0xC0) != 0x80; });
    EXPECT_EQ(characters, 31);
}

TEST(PaymentPlan, PagesOfAPlan) {
    for (const double n : {0.0, 1.0, 58.0, 59.0, 122.0, 123.0, 954.0, 955.0, 1200.0}) {
        SCOPED_TRACE(n);
        const std::string text = Plan(250000, 0.4, n);
        const std::vector<std::string> pages = SplitReportPages(text);
        EXPECT_EQ(pages.size(), static_cast<std::size_t>((n + 5) / 64) + 1);
        std::string joined;
        for (const std::string& page : pages) joined += page;
        EXPECT_EQ(joined, text);
    }
    EXPECT_EQ(SplitReportPages(Plan(1000, 1, 1200)).size(), 19u);
}

class PlanForm : public ::testing::Test {
protected:
    void SetUp() override { CurrentPlanInputs() = {11, 22, 33}; }
    static std::vector<double> Stored() {
        const MortgagePlanInputs& in = CurrentPlanInputs();
        return {in.amount, in.rate, in.periods};
    }
};

TEST_F(PlanForm, StoresEveryGoodFieldAndOpensOnlyWhenAllPass) {
    const std::string kAmount = "Mortgage ammount must be real possitive number !!!";
    const std::string kRate = "Period interest rate must be real possitive number !!!";
    const std::string kPeriods = "No. of periods must be possitive natural number !!!";
    const std::string kTooLong = "No. of periods must not exceed 1200 !!!";
    struct Case {
        std::vector<std::string> texts;
        std::vector<std::string> messages;
        std::vector<double> stored;
    };
    const Case cases[] = {
        {{"1000", "1", "12"}, {}, {1000, 1, 12}},
        {{"1000", "1", "007"}, {}, {1000, 1, 7}},
        {{"1000", "0", "0"}, {}, {1000, 0, 0}},
        {{"1000", "1", "1200"}, {}, {1000, 1, 1200}},
        {{"", "1", "x"}, {kAmount, kPeriods}, {11, 1, 33}},
        {{"5", "-1", "1.5"}, {kRate, kPeriods}, {5, 22, 33}},
        {{"5", "2", "-3"}, {kPeriods}, {5, 2, 33}},
        {{"5", "2", "1201"}, {kTooLong}, {5, 2, 33}},
        {{"x", "2", "1" + std::string(400, '0')}, {kAmount, kTooLong}, {11, 2, 33}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.texts));
        SetUp();
        const FakeFormView view = Press(PASKOLOS_GRAF_6_7, 0, c.texts);
        EXPECT_EQ(view.MessageTexts(), c.messages);
        for (const Message& m : view.messages) EXPECT_EQ(m.caption, "ERROR !!!");
        EXPECT_EQ(Stored(), c.stored);
        const std::vector<std::string> opened = c.messages.empty()
                                                    ? std::vector<std::string>{"ATASKAITA_PASKOLOS"}
                                                    : std::vector<std::string>{};
        EXPECT_EQ(view.opened, opened);

        // The fields are told by their labels, not their places: in the
        // opposite order they store the same figures.
        SetUp();
        FormDescription reversed = PASKOLOS_GRAF_6_7;
        std::reverse(reversed.sections[0].inputs.begin(), reversed.sections[0].inputs.end());
        Press(reversed, 0, {c.texts.rbegin(), c.texts.rend()});
        EXPECT_EQ(Stored(), c.stored);
    }
}

TEST_F(PlanForm, ReportShowsThePressThatOpenedIt) {
    Press(PASKOLOS_GRAF_6_7, 0, {"700", "0", "007"});
    const std::string text = BuildPaymentPlanText(CurrentPlanInputs());
    EXPECT_EQ(LineFeeds(text), 7u + 5u);
    EXPECT_NE(text.find("\r\n7 month: 100.00\t\t0.00\t\t100.00\t\t0.00\r\n"), std::string::npos);
}

}  // namespace
}  // namespace orvanta
