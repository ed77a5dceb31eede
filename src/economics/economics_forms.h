#pragma once

#include <span>

#include "forms/form_description.h"

namespace orvanta {

// Every calculator of the enterprise economics page.
std::span<const FormDescription* const> EconomicsForms();

}  // namespace orvanta
