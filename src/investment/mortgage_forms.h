#pragma once

#include "forms/form_description.h"

namespace orvanta {

// The chooser of the catalogue's mortgage entry and the three tools it opens.
extern const FormDescription PASKOLOS_MAIN_6_7;
extern const FormDescription PASKOLOS_6_7;
extern const FormDescription PASKOLOS_GRAF_6_7;
extern const FormDescription PASKOLOS_DALINAI_APMOKETOS_6_7;

}  // namespace orvanta
