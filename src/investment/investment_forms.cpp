#include "investment/investment_forms.h"

namespace orvanta {

std::span<const FormDescription* const> InvestmentForms() { return {}; }

}  // namespace orvanta
