#pragma once

#include "forms/form_description.h"

namespace orvanta {

extern const FormDescription ROI_6_1;
extern const FormDescription EVA_6_2;
extern const FormDescription ROCE_6_3;
extern const FormDescription ARR_6_4;
extern const FormDescription DISCOUNTING_6_5;
extern const FormDescription COMPOUNDING_6_6;

}  // namespace orvanta
