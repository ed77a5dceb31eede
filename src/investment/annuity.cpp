#include "investment/annuity.h"

#include <limits>

namespace orvanta {
namespace {

using formula::Input;
using formula::Named;

double FirstValue(const formula::Calculation& calculation, std::span<const double> x,
                  std::span<const std::string_view> labels) {
    const Results values = calculation.Evaluate(x, labels);
    return values && !values->empty() ? values->front() : std::numeric_limits<double>::quiet_NaN();
}

}  // namespace

// The annuity formula is 0 / 0 without interest; the payment is then the plain
// share of the amount. 0 periods leave no payment at all.
formula::Calculation PaymentCalculation() {
    const formula::Expr amount = Input(kMortgageAmountLabel);
    const formula::Expr periods = Input(kMortgagePeriodsLabel);
    const formula::Expr i = Named("i", Input(kMortgageRateLabel) / 100);
    const formula::Expr p = Named("P", formula::Pow(i + 1, periods));
    return {
        .results = {formula::Choose(formula::Equals(i + 1, 1).Because("a rate of 0"),
                                    amount / periods, formula::Grouped(i * p) / (p - 1) * amount)},
        .guards = {formula::IsZero(periods)},
    };
}

// In closed form, so that no rounding error is carried from one payment to the
// next; more payments than periods give a negative balance.
formula::Calculation BalanceCalculation() {
    const formula::Expr amount = Input(kMortgageAmountLabel);
    const formula::Expr periods = Input(kMortgagePeriodsLabel);
    const formula::Expr payments = Input(kMortgagePaymentsMadeLabel);
    const formula::Expr g = Named("g", Input(kMortgageRateLabel) / 100 + 1);
    const formula::Expr pn = Named("PN", formula::Pow(g, periods));
    const formula::Expr pk = Named("Pk", formula::Pow(g, payments));
    return {
        .results = {formula::Choose(formula::Equals(g, 1).Because("a rate of 0"),
                                    (periods - payments) / periods * amount,
                                    (pn - pk) / (pn - 1) * amount)},
        .guards = {formula::IsZero(periods)},
    };
}

bool IsInterestFree(double ratePercent) { return ratePercent / 100 + 1 == 1; }

double PeriodPayment(double amount, double ratePercent, double periods) {
    static const formula::Calculation payment = PaymentCalculation();
    static constexpr std::string_view labels[] = {kMortgageAmountLabel, kMortgageRateLabel,
                                                  kMortgagePeriodsLabel};
    const double x[] = {amount, ratePercent, periods};
    return FirstValue(payment, x, labels);
}

double BalanceAfter(double amount, double ratePercent, double periods, double payments) {
    static const formula::Calculation balance = BalanceCalculation();
    static constexpr std::string_view labels[] = {kMortgageAmountLabel, kMortgageRateLabel,
                                                  kMortgagePeriodsLabel,
                                                  kMortgagePaymentsMadeLabel};
    const double x[] = {amount, ratePercent, periods, payments};
    return FirstValue(balance, x, labels);
}

}  // namespace orvanta
