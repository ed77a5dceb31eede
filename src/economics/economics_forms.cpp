#include "economics/economics_forms.h"

namespace orvanta {

std::span<const FormDescription* const> EconomicsForms() { return {}; }

}  // namespace orvanta
