#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace orvanta {

// The inputs of the payment plan, handed from the plan form to the report
// window. Each "OK" of the form rewrites the fields that pass, so the report
// always shows the press that opened it.
struct MortgagePlanInputs {
    double amount = 0;   // currency units
    double rate = 0;     // percent per period
    double periods = 0;  // a whole number, 0 to kMaxPlanPeriods
};

// The one process-wide set, all zero at start-up.
MortgagePlanInputs& CurrentPlanInputs();

// Longer plans are refused by the form: the report grows by one line a period.
inline constexpr double kMaxPlanPeriods = 1200;

// The report window that shows the plan.
inline constexpr std::string_view kPaymentPlanReport = "ATASKAITA_PASKOLOS";

// One period of the plan, as computed (the report rounds to cents).
struct PlanRow {
    double payment = 0;
    double interest = 0;
    double covered = 0;  // capital covered by the payment
    double balance = 0;  // capital left uncovered after it
};

// One row per period; the last row pays off what is left and closes at 0.
std::vector<PlanRow> PaymentPlanRows(const MortgagePlanInputs& inputs);

// The plan as report text (UTF-8): lines end in CR LF, the footer has none.
// One row per period; the last row pays off what is left and closes at 0.00.
std::string BuildPaymentPlanText(const MortgagePlanInputs& inputs);

}  // namespace orvanta
