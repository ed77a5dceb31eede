#pragma once

// The annuity loan shared by the mortgage tools and the payment plan: an
// amount, a fixed rate per period in percent, a number of periods and equal
// payments at the end of each period. One implementation, so the payment form,
// the balance form and the plan can never disagree.

#include <string_view>

#include "forms/formula.h"

namespace orvanta {

// The labels of the loan's fields, which its formulas read by name.
inline constexpr std::string_view kMortgageAmountLabel = "Mortgage ammount";
inline constexpr std::string_view kMortgageRateLabel = "Interest rate (accounted period) %";
inline constexpr std::string_view kMortgagePeriodsLabel = "No. of periods";
inline constexpr std::string_view kMortgagePaymentsMadeLabel = "No. of payments made";

// The period payment and the balance after a number of payments, over the
// fields above; the forms show them and the functions below evaluate them.
formula::Calculation PaymentCalculation();
formula::Calculation BalanceCalculation();

// The equal period payment. A growth factor 1 + rate / 100 of exactly 1 (a rate
// of 0, or one too small to change 1) is an interest-free loan repaid in equal
// parts. 0 periods have no payment: the result is then not a number.
double PeriodPayment(double amount, double ratePercent, double periods);

// What is still owed after `payments` payments, in closed form so that no
// rounding error is carried from one payment to the next.
double BalanceAfter(double amount, double ratePercent, double periods, double payments);

// Whether the loan bears no interest that a double can see.
bool IsInterestFree(double ratePercent);

}  // namespace orvanta
