#pragma once

#include "forms/form_description.h"

namespace orvanta {

extern const FormDescription ROA_3_2;
extern const FormDescription BSR_3_3;
extern const FormDescription ABSOLIUTAUS_MOKUMO_KOEF_3_4;
extern const FormDescription BTMK_3_5;
extern const FormDescription ILGALAIKIU_SKOLU_KEOF_3_6;
extern const FormDescription APYVARTINIO_KAPITALO_KOEF_3_7;
extern const FormDescription APYVARTINIO_KAPITALO_APYV_3_8;

}  // namespace orvanta
