#pragma once

#include "forms/form_description.h"

namespace orvanta {

extern const FormDescription OPTIMALUS_UZSAKYMAS_5_18;
extern const FormDescription INVESTICIJOS_I_ATSARGAS_ESANT_OUD_5_19;

}  // namespace orvanta
