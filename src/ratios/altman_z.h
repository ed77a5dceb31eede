#pragma once

#include "forms/form_description.h"

namespace orvanta {

extern const FormDescription ALTMAN_Z_3;

}  // namespace orvanta
