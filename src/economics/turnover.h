#pragma once

#include "forms/form_description.h"

namespace orvanta {

extern const FormDescription PINIGU_APYVARTOS_CIKLO_TRUKME_5_12;
extern const FormDescription PPRODUKCIJOS_BUVIMO_SANDELIUOSE_L_DIEN_5_13;
extern const FormDescription ATSARGU_APYVARTUMAS_KARTAIS_5_14;
extern const FormDescription ATSARGU_APYVARTUMAS_DIENOMIS_5_15;
extern const FormDescription vTURTO_APYVARTUMAS_KARTAIS_5_16;
extern const FormDescription DEBITORINIO_ISISKOLINIMO_APYV_DIENOMIS_5_17;

}  // namespace orvanta
