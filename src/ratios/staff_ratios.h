#pragma once

#include "forms/form_description.h"

namespace orvanta {

extern const FormDescription DARBUOTOJU_TEKAMUMAS;
extern const FormDescription DU_ADMINISTRACIJOS_DARBUOTOJAI;

}  // namespace orvanta
