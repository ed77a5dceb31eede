#pragma once

#include <span>

#include "forms/form_description.h"

namespace orvanta {

// Every calculator of the investment page, the mortgage chooser and its tools.
std::span<const FormDescription* const> InvestmentForms();

}  // namespace orvanta
