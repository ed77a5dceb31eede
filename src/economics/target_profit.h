#pragma once

#include "forms/form_description.h"

namespace orvanta {

extern const FormDescription NORIMAS_GAUTI_PELNAS_5_9;
extern const FormDescription NORIMAS_GAUTI_PELNAS_PO_MOK_5_11;

}  // namespace orvanta
