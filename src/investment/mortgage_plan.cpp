#include "investment/mortgage_plan.h"

#include <cmath>

#include "forms/product.h"
#include "forms/result_text.h"
#include "investment/annuity.h"

namespace orvanta {
namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr std::string_view kTitle = "MORTGAGE CALCULATOR";
constexpr std::string_view kHeader =
    " •MONTHS  •PAYMENT     •INTEREST  •CAPITAL COV.   •UNCOVERED CAPITAL BALANCE";
constexpr std::size_t kBlankLineWidth = 50;
constexpr std::size_t kRuleWidth = 58;

std::string Footer() {
    std::string footer;
    for (const char c : kWebAddress) {
        footer.push_back(c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c);
    }
    footer += " \u00A9 ";
    footer += kCopyrightYear;
    return footer;
}

// The form only stores whole numbers up to the bound; anything else that
// reaches here still gives a finite text.
int RowCount(double periods) {
    if (!(periods >= 1)) return 0;
    return static_cast<int>(std::floor(std::fmin(periods, kMaxPlanPeriods)));
}

void AppendRow(std::string& text, int k, double payment, double interest, double covered,
               double balance) {
    text += std::to_string(k);
    text += " month: ";
    text += FormatFixed(payment, 2);
    for (const double value : {interest, covered, balance}) {
        text += "\t\t";
        text += FormatFixed(value, 2);
    }
    text += kLineEnd;
}

}  // namespace

MortgagePlanInputs& CurrentPlanInputs() {
    static MortgagePlanInputs inputs;
    return inputs;
}

std::vector<PlanRow> PaymentPlanRows(const MortgagePlanInputs& inputs) {
    const double amount = inputs.amount;
    const double rate = inputs.rate;
    const double periods = inputs.periods;
    std::vector<PlanRow> plan;
    const int rows = RowCount(periods);
    if (rows > 0) {
        const double r = rate / 100;
        const bool interestFree = IsInterestFree(rate);
        const double payment = PeriodPayment(amount, rate, periods);
        double balance = amount;
        for (int k = 1; k <= rows; ++k) {
            const double interest = interestFree ? 0.0 : balance * r;
            if (k < rows) {
                const double covered = payment - interest;
                const double next = BalanceAfter(amount, rate, periods, k);
                plan.push_back({payment, interest, covered, next});
                balance = next;
            } else {
                // The last payment clears what is left, so the plan closes at
                // 0.00 instead of a rounding residue. A balance that could not
                // be computed is not claimed to be settled.
                const double closing = std::isfinite(balance) ? 0.0 : balance;
                plan.push_back({balance + interest, interest, balance, closing});
            }
        }
    }
    return plan;
}

std::string BuildPaymentPlanText(const MortgagePlanInputs& inputs) {
    const std::string rule(kRuleWidth, '_');

    std::string text;
    text += kTitle;
    text += kLineEnd;
    text += std::string(kBlankLineWidth, ' ');
    text += kLineEnd;
    text += kHeader;
    text += kLineEnd;
    text += rule;
    text += kLineEnd;

    int k = 0;
    for (const PlanRow& row : PaymentPlanRows(inputs)) {
        AppendRow(text, ++k, row.payment, row.interest, row.covered, row.balance);
    }

    text += rule;
    text += kLineEnd;
    text += Footer();
    return text;
}

}  // namespace orvanta
