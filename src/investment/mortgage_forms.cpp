#include "investment/mortgage_forms.h"

#include "investment/annuity.h"
#include "investment/mortgage_plan.h"

namespace orvanta {

using enum ValidationKind;

namespace {

const InputField kAmount{kMortgageAmountLabel, PositiveDecimal,
                         "Mortgage ammount must be real possitive number !!!"};
const InputField kRate{kMortgageRateLabel, PositiveDecimal,
                       "Period interest rate must be real possitive number !!!"};
const InputField kPeriods{kMortgagePeriodsLabel, NaturalNumber,
                          "No. of periods must be possitive natural number !!!"};
const InputField kPaymentsMade{kMortgagePaymentsMadeLabel, NaturalNumber,
                               "Number of payments must be possitive natural number !!!"};

// The plan takes one report line a period; past the bound it would be
// unreadable and unprintable.
const InputField kPlanPeriods{
    kPeriods.label, kPeriods.kind, kPeriods.message, kErrorCaption,
    UpperBound{kMaxPlanPeriods, "No. of periods must not exceed 1200 !!!"}};

void StorePlanInput(const InputField& field, double value) {
    MortgagePlanInputs& inputs = CurrentPlanInputs();
    if (field.label == kAmount.label) inputs.amount = value;
    if (field.label == kRate.label) inputs.rate = value;
    if (field.label == kPlanPeriods.label) inputs.periods = value;
}

}  // namespace

const FormDescription PASKOLOS_MAIN_6_7{
    .className = "PASKOLOS_MAIN_6_7",
    .title = "7. Mortgage calculator",
    .choices = {{"Payment value calculation", PASKOLOS_6_7},
                {"Payment plan formation", PASKOLOS_GRAF_6_7},
                {"Mortgage balance calculation", PASKOLOS_DALINAI_APMOKETOS_6_7}},
};

const FormDescription PASKOLOS_6_7{
    .className = "PASKOLOS_6_7",
    .title = "7. Mortgage calculator",
    .sections = {{
        .inputs = {kAmount, kRate, kPeriods},
        .resultCaption = "Period payment value",
        .resultLabels = {"Period payment value"},
        .format = ResultFormat::TwoDecimals,
        .compute = PaymentCalculation(),
    }},
};

const FormDescription PASKOLOS_GRAF_6_7{
    .className = "PASKOLOS_GRAF_6_7",
    .title = "7. Mortgage calculator",
    .sections = {{
        .inputs = {kAmount, kRate, kPlanPeriods},
        .store = StorePlanInput,
        .opens = kPaymentPlanReport,
    }},
};

const FormDescription PASKOLOS_DALINAI_APMOKETOS_6_7{
    .className = "PASKOLOS_DALINAI_APMOKETOS_6_7",
    .title = "7. Prepaid mortgage calculator",
    .sections = {{
        .inputs = {kAmount, kRate, kPeriods, kPaymentsMade},
        .resultCaption = "Mortgage balance after N payments",
        .resultLabels = {"Mortgage balance after N payments"},
        .format = ResultFormat::TwoDecimals,
        // More payments than periods are allowed: the balance turns negative.
        .compute = BalanceCalculation(),
    }},
};

}  // namespace orvanta
