#include "investment/annuity.h"

#include <cmath>
#include <limits>

namespace orvanta {

bool IsInterestFree(double ratePercent) { return ratePercent / 100 + 1 == 1; }

double PeriodPayment(double amount, double ratePercent, double periods) {
    // The annuity formula is 0 / 0 without interest; the payment is then the
    // plain share of the amount.
    if (IsInterestFree(ratePercent)) {
        if (periods == 0) return std::numeric_limits<double>::quiet_NaN();
        return amount / periods;
    }
    const double i = ratePercent / 100;
    const double p = std::pow(i + 1, periods);
    return (i * p) / (p - 1) * amount;
}

double BalanceAfter(double amount, double ratePercent, double periods, double payments) {
    if (IsInterestFree(ratePercent)) {
        if (periods == 0) return std::numeric_limits<double>::quiet_NaN();
        return (periods - payments) / periods * amount;
    }
    const double g = ratePercent / 100 + 1;
    const double pn = std::pow(g, periods);
    const double pk = std::pow(g, payments);
    return (pn - pk) / (pn - 1) * amount;
}

}  // namespace orvanta
