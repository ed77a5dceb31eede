#pragma once

#include "forms/form_description.h"

namespace orvanta {

extern const FormDescription GRYN_PARD_PELNINGUMAS_4_1;
extern const FormDescription GRYNOJO_VEIKL_RENTAB_ROD_4_2;
extern const FormDescription NUOSAVO_KAPITALO_PELNINGUMAS_4_3;
extern const FormDescription GRYNOJO_PINIGU_SRAUTO_GRI_IS_PARD_4_4;
extern const FormDescription GRYN_PIN_SR_GRAZA_IS_TT_4_5;
extern const FormDescription GRYN_PINIGU_SR_IR_PELNAS_4_6;
extern const FormDescription PINIGU_SR_IR_ISLAIDU_ATITIKIMAS_4_7;
extern const FormDescription VISU_ISIP_APM_PINIG_KOEF_4_8;

}  // namespace orvanta
