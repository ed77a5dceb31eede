#pragma once

#include <span>

#include "forms/form_description.h"

namespace orvanta {

// Every calculator of the financial statement and staff pages.
std::span<const FormDescription* const> RatioForms();

}  // namespace orvanta
