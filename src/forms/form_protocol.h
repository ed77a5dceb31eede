#pragma once

#include <optional>

#include "forms/form_description.h"
#include "forms/form_view.h"

namespace orvanta {

// Reads and checks one field: its value when the text passes its check (and
// its bound), otherwise its message is shown and there is no value.
std::optional<double> ReadNumberField(FormView& view, std::size_t section, std::size_t field,
                                      const InputField& input);

// Writes a value in the given format, or "NaN" when there is none.
void ShowResult(FormView& view, std::size_t section, std::size_t result,
                std::optional<double> value, ResultFormat format);

// One press of a section's "OK": every field in reading order with one message
// per bad field, then "NaN" in every result, or the formula's results, or (for
// a section that hands its values on) the window it opens. Nothing outside
// the section is read or written.
void ComputeSection(const FormDescription& form, std::size_t section, FormView& view);

// A chooser's "OK": opens the window of each checked entry, in entry order.
void RunChooser(const FormDescription& form, FormView& view);

}  // namespace orvanta
