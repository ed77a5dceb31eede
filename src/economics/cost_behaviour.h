#pragma once

#include "forms/form_description.h"

namespace orvanta {

extern const FormDescription KINTAMOS_ISLAIDOS_MIN_MAX_5_6;
extern const FormDescription KINTAMOS_ISLAIDOS_MAZIUSI_KVADRATAI_5_7;
extern const FormDescription PASTOVIOS_ISLAIDOS_MAZIAUSI_KVADRATAI_5_8;

}  // namespace orvanta
