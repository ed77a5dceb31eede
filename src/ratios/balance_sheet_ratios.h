#pragma once

#include "forms/form_description.h"

namespace orvanta {

extern const FormDescription ROA_3_2;

}  // namespace orvanta
