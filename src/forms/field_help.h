#pragma once

// What a field tells the user on demand (tooltip, What's This, screen
// reader): an input field what it accepts, a result field the formula that
// computes it and when it shows "NaN".

#include <string>

#include "forms/form_description.h"

namespace orvanta {

// From the field's validation kind and its upper limit, if it has one.
std::string InputHelp(const InputField& input);

// "caption = formula, where ... . NaN when ... ." Empty when the section's
// formula cannot explain itself.
std::string ResultHelp(const Section& section, std::size_t result);

}  // namespace orvanta
