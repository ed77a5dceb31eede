#pragma once

#include "forms/form_description.h"

namespace orvanta {

extern const FormDescription LUZIO_TASKAS_5_1;
extern const FormDescription LUZIO_TASKAS_VIENETAIS_5_2;
extern const FormDescription RIBINIS_PELNAS_5_3;

}  // namespace orvanta
