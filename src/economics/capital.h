#pragma once

#include "forms/form_description.h"

namespace orvanta {

extern const FormDescription MASTO_EKONOMIJA_5_4;
extern const FormDescription OPTIMALUS_SKOLINTO_KAPITALO_DYDIS_5_5;
extern const FormDescription KAPITALO_KAINA_5_20;

}  // namespace orvanta
